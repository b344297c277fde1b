// What the SDL backend asks the X display itself.
#pragma once

#include <SDL.h>

namespace platform::sdl {

// Whether a window manager places the window: false only on an X display where none runs (a kiosk,
// xinit straight into the program), where a full-screen request would go unanswered.
bool WindowManagerRuns(SDL_Window* window);

} // namespace platform::sdl
