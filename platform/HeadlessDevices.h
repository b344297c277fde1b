// One switch for the headless media, joystick and desktop, for tests and the headless backend.
#pragma once

namespace platform::headless {

// On: no sound (commands recorded, lengths on the clock), scripted joysticks (none until set),
// an in-memory desktop icon view and a configurable desktop text height. Off: the real devices.
void UseDevices(bool on);

} // namespace platform::headless
