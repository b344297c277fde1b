// What the SDL backend asks the X display itself.
#pragma once

#include <SDL.h>

namespace platform::sdl {

// Whether a window manager places the window: false only on an X display where none runs (a kiosk,
// xinit straight into the program), where a full-screen request would go unanswered.
bool WindowManagerRuns(SDL_Window* window);

// When the X display goes away (the server ends, the session closes) the program ends at once:
// Xlib's own handler calls exit, whose clean-up talks to the lost display again and spins forever.
void EndWhenDisplayIsLost();

} // namespace platform::sdl
