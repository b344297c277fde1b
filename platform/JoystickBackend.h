// The SDL side of the joystick calls (platform/backend/sdl/SdlJoystick.cpp).
#pragma once

#include <cstdint>

#include "platform/Joystick.h"

namespace platform::sdl {

std::uint32_t JoystickCount();
std::uint32_t JoystickCaps(std::uint32_t id, JOYCAPSA* caps);
std::uint32_t JoystickPos(std::uint32_t id, JOYINFO* info);

} // namespace platform::sdl
