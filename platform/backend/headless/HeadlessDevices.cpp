// The headless switch for the device facilities.
#include "platform/HeadlessDevices.h"

#include "platform/Desktop.h"
#include "platform/Joystick.h"
#include "platform/Media.h"

namespace platform::headless {

void UseDevices(bool on)
{
    UseMedia(on);
    UseJoystick(on);
    UseDesktop(on);
}

} // namespace platform::headless
