// SDL key codes to the platform's virtual-key codes, and SDL mouse buttons to button masks.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace platform::sdl {

// 0 for a key without a virtual-key code.
std::int16_t VirtualKey(SDL_Keycode key);
// 1 left, 2 right, 4 middle; 0 for other buttons.
std::int16_t ButtonMask(std::uint8_t button);

} // namespace platform::sdl
