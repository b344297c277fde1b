// JoyStick: the first usable joystick as four directions (the middle half of each axis is the
// dead zone) and four buttons. Without a joystick every question answers that nothing is pressed.
#pragma once

#include <cstdint>

#include "platform/Joystick.h"
#include "platform/Surface.h"

class JoyStick {
public:
    // Takes the first id from 0 up to the device count (included) whose capabilities can be read.
    void Init(platform::Surface& aForm);
    // 1 to 4: the lowest-numbered button held; -1 when none is.
    std::int16_t IsButtonDown();
    bool IsLeft();  // X below a quarter of the X range
    bool IsRight(); // X above three quarters of it
    bool IsUp();    // Y below a quarter of the Y range
    bool IsDown();  // Y above three quarters of it

private:
    // Takes a fresh reading; a failed one leaves the previous reading in place.
    bool Read();

    bool joyFound = false;
    std::uint32_t joyId = 0;
    platform::JOYCAPSA caps;
    platform::JOYINFO reading; // the last reading; a failed reading keeps it
};
