// Joystick: device count, capabilities and readings (joyGetNumDevs, joyGetDevCapsA, joyGetPos).
// Axes read 0..65535 with the centre at 32768; buttons 1 to 4 are bits 1, 2, 4, 8. No joystick is
// a normal case: the count is 0 and every id answers an error.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

inline constexpr std::uint32_t JOYERR_NOERROR = 0;
inline constexpr std::uint32_t JOYERR_PARMS = 165;     // no device of that id
inline constexpr std::uint32_t JOYERR_UNPLUGGED = 167; // the device does not answer

inline constexpr std::uint32_t JOY_BUTTON1 = 1;
inline constexpr std::uint32_t JOY_BUTTON2 = 2;
inline constexpr std::uint32_t JOY_BUTTON3 = 4;
inline constexpr std::uint32_t JOY_BUTTON4 = 8;

struct JOYCAPSA {
    std::string szPname;
    std::uint32_t wXmin = 0;
    std::uint32_t wXmax = 0;
    std::uint32_t wYmin = 0;
    std::uint32_t wYmax = 0;
    std::uint32_t wZmin = 0;
    std::uint32_t wZmax = 0;
    std::uint32_t wNumButtons = 0;
    std::uint32_t wNumAxes = 0;
};

struct JOYINFO {
    std::uint32_t wXpos = 0;
    std::uint32_t wYpos = 0;
    std::uint32_t wZpos = 0;
    std::uint32_t wButtons = 0;
};

// The number of joystick ids; ids run from 0 to the count - 1.
std::uint32_t joyGetNumDevs();
// JOYERR_NOERROR and the capabilities, or JOYERR_PARMS for an id with no device.
std::uint32_t joyGetDevCapsA(std::uint32_t id, JOYCAPSA* caps);
// JOYERR_NOERROR and a fresh reading; on an error the reading is left as it was.
std::uint32_t joyGetPos(std::uint32_t id, JOYINFO* info);

namespace headless {
// A joystick the tests describe: its capabilities, its current reading, and whether asking for
// either fails (a listed device that is unplugged).
struct ScriptedJoystick {
    JOYCAPSA caps;
    JOYINFO reading;
    bool capsFail = false;
    bool readingFails = false;
};
void UseJoystick(bool on); // headless joysticks: none until SetJoysticks
void SetJoysticks(std::vector<ScriptedJoystick> joysticks);
ScriptedJoystick& Joystick(std::uint32_t id); // change a listed joystick's reading between frames
} // namespace headless

} // namespace platform
