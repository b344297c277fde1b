// JoyStick: probing for the first usable joystick and reading it as directions and buttons.
#include "toolkit/JoyStick.h"

#include "platform/Numbers.h"

void JoyStick::Init([[maybe_unused]] platform::Surface& aForm)
{
    joyFound = false;
    const std::uint32_t count = platform::joyGetNumDevs();
    for (std::uint32_t id = 0; id <= count; ++id) {
        platform::JOYCAPSA found;
        if (platform::joyGetDevCapsA(id, &found) == platform::JOYERR_NOERROR) {
            joyId = id;
            caps = found;
            // Until a reading succeeds the stick stands in the centre with no button held, so a
            // device whose readings fail from the start reports no direction.
            reading = {caps.wXmax / 2, caps.wYmax / 2, caps.wZmax / 2, 0};
            joyFound = true;
            return;
        }
    }
}

bool JoyStick::Read()
{
    if (!joyFound) {
        return false;
    }
    platform::joyGetPos(joyId, &reading);
    return true;
}

std::int16_t JoyStick::IsButtonDown()
{
    if (!Read()) {
        return -1;
    }
    if ((reading.wButtons & platform::JOY_BUTTON1) != 0) {
        return 1;
    }
    if ((reading.wButtons & platform::JOY_BUTTON2) != 0) {
        return 2;
    }
    if ((reading.wButtons & platform::JOY_BUTTON3) != 0) {
        return 3;
    }
    if ((reading.wButtons & platform::JOY_BUTTON4) != 0) {
        return 4;
    }
    return -1;
}

namespace {

// A fraction of an axis's maximum, rounded ties to even; the axis minimum counts as 0.
std::int64_t Threshold(std::uint32_t maximum, double fraction)
{
    return platform::RoundHalfEven<std::int64_t>(maximum * fraction);
}

} // namespace

bool JoyStick::IsLeft()
{
    return Read() && reading.wXpos < Threshold(caps.wXmax, 0.25);
}

bool JoyStick::IsRight()
{
    return Read() && reading.wXpos > Threshold(caps.wXmax, 0.75);
}

bool JoyStick::IsUp()
{
    return Read() && reading.wYpos < Threshold(caps.wYmax, 0.25);
}

bool JoyStick::IsDown()
{
    return Read() && reading.wYpos > Threshold(caps.wYmax, 0.75);
}
