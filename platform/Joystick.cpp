// Joystick calls: the headless script when tests ask for it, otherwise SDL's joysticks.
#include "platform/Joystick.h"

#include "platform/JoystickBackend.h"

namespace platform {
namespace {

struct JoystickState {
    bool headless = false;
    std::vector<headless::ScriptedJoystick> scripted;
};

JoystickState& State()
{
    static JoystickState state;
    return state;
}

} // namespace

std::uint32_t joyGetNumDevs()
{
    if (State().headless) {
        return static_cast<std::uint32_t>(State().scripted.size());
    }
    return sdl::JoystickCount();
}

std::uint32_t joyGetDevCapsA(std::uint32_t id, JOYCAPSA* caps)
{
    if (caps == nullptr) {
        return JOYERR_PARMS;
    }
    if (!State().headless) {
        return sdl::JoystickCaps(id, caps);
    }
    if (id >= State().scripted.size()) {
        return JOYERR_PARMS;
    }
    const auto& joystick = State().scripted[id];
    if (joystick.capsFail) {
        return JOYERR_UNPLUGGED;
    }
    *caps = joystick.caps;
    return JOYERR_NOERROR;
}

std::uint32_t joyGetPos(std::uint32_t id, JOYINFO* info)
{
    if (info == nullptr) {
        return JOYERR_PARMS;
    }
    if (!State().headless) {
        return sdl::JoystickPos(id, info);
    }
    if (id >= State().scripted.size()) {
        return JOYERR_PARMS;
    }
    const auto& joystick = State().scripted[id];
    if (joystick.readingFails) {
        return JOYERR_UNPLUGGED;
    }
    *info = joystick.reading;
    return JOYERR_NOERROR;
}

namespace headless {

void UseJoystick(bool on)
{
    State().headless = on;
    State().scripted.clear();
}

void SetJoysticks(std::vector<ScriptedJoystick> joysticks)
{
    State().scripted = std::move(joysticks);
}

ScriptedJoystick& Joystick(std::uint32_t id)
{
    return State().scripted.at(id);
}

} // namespace headless
} // namespace platform
