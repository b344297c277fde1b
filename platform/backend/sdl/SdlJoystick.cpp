// Joysticks over SDL: the joystick subsystem starts at the first call; devices are opened when
// first asked for and kept. A joystick plugged in later is not seen.
#include <SDL.h>

#include <algorithm>
#include <map>

#include "platform/JoystickBackend.h"

namespace platform::sdl {
namespace {

constexpr std::uint32_t AxisMax = 65535;
constexpr int AxisOffset = 32768; // SDL axes run -32768..32767

class Joysticks {
public:
    Joysticks() { started_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0; }
    ~Joysticks()
    {
        for (auto& [id, joystick] : open_) {
            SDL_JoystickClose(joystick);
        }
        if (started_) {
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        }
    }
    Joysticks(const Joysticks&) = delete;
    Joysticks& operator=(const Joysticks&) = delete;

    std::uint32_t Count() const
    {
        return started_ ? static_cast<std::uint32_t>(std::max(0, SDL_NumJoysticks())) : 0;
    }

    SDL_Joystick* Open(std::uint32_t id)
    {
        if (id >= Count()) {
            return nullptr;
        }
        auto& joystick = open_[id];
        if (joystick == nullptr) {
            joystick = SDL_JoystickOpen(static_cast<int>(id));
        }
        return joystick;
    }

private:
    bool started_ = false;
    std::map<std::uint32_t, SDL_Joystick*> open_;
};

Joysticks& Devices()
{
    static Joysticks joysticks;
    return joysticks;
}

std::uint32_t Axis(SDL_Joystick* joystick, int axis)
{
    if (axis >= SDL_JoystickNumAxes(joystick)) {
        return AxisOffset;
    }
    return static_cast<std::uint32_t>(SDL_JoystickGetAxis(joystick, axis) + AxisOffset);
}

} // namespace

std::uint32_t JoystickCount()
{
    return Devices().Count();
}

std::uint32_t JoystickCaps(std::uint32_t id, JOYCAPSA* caps)
{
    SDL_Joystick* joystick = Devices().Open(id);
    if (joystick == nullptr) {
        return id < Devices().Count() ? JOYERR_UNPLUGGED : JOYERR_PARMS;
    }
    const char* name = SDL_JoystickName(joystick);
    *caps = JOYCAPSA{};
    caps->szPname = name != nullptr ? name : "";
    caps->wXmax = AxisMax;
    caps->wYmax = AxisMax;
    caps->wZmax = AxisMax;
    caps->wNumButtons = static_cast<std::uint32_t>(std::max(0, SDL_JoystickNumButtons(joystick)));
    caps->wNumAxes = static_cast<std::uint32_t>(std::max(0, SDL_JoystickNumAxes(joystick)));
    return JOYERR_NOERROR;
}

std::uint32_t JoystickPos(std::uint32_t id, JOYINFO* info)
{
    SDL_Joystick* joystick = Devices().Open(id);
    if (joystick == nullptr) {
        return id < Devices().Count() ? JOYERR_UNPLUGGED : JOYERR_PARMS;
    }
    SDL_JoystickUpdate();
    if (SDL_JoystickGetAttached(joystick) == SDL_FALSE) {
        return JOYERR_UNPLUGGED;
    }
    info->wXpos = Axis(joystick, 0);
    info->wYpos = Axis(joystick, 1);
    info->wZpos = Axis(joystick, 2);
    info->wButtons = 0;
    const int buttons = std::min(4, SDL_JoystickNumButtons(joystick));
    for (int button = 0; button < buttons; ++button) {
        if (SDL_JoystickGetButton(joystick, button) != 0) {
            info->wButtons |= 1U << button;
        }
    }
    return JOYERR_NOERROR;
}

} // namespace platform::sdl
