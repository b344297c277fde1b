// What the SDL backend does itself on an X display that has no window manager.
#pragma once

#include <SDL.h>

namespace platform::sdl {

// Where no window manager runs on the window's X display, moves and sizes the full-screen window
// over its whole display, as a window manager would; elsewhere it does nothing.
void CoverDisplayWithoutWindowManager(SDL_Window* window);

} // namespace platform::sdl
