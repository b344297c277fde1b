// The two ways the screen picture reaches the SDL window: an accelerated renderer (scaled on the
// graphics card, presents waiting for vsync) where the machine has a real one, else the window's
// own surface (scaled here, only the changed rows sent, paced by the clock).
#pragma once

#include <SDL.h>

#include <memory>
#include <span>

#include "platform/Gdi.h"
#include "platform/Input.h"

namespace platform::sdl {

class Presenter {
public:
    virtual ~Presenter() = default;
    // Shows the picture (0x00RRGGBB pixels): the bands of rows in `changed` differ from the
    // picture shown before; `whole` shows all of it (the window was uncovered or resized).
    virtual void Show(const Bitmap& screen, std::span<const Rect> changed, bool whole) = 0;
    // Whether showing waits for the display's refresh by itself.
    virtual bool VSync() const = 0;
    // A window pixel as a pixel of the screen picture (pointer events), and back (pointer warps).
    virtual Point ToScreen(Point window) const = 0;
    virtual Point ToWindow(Point screen) const = 0;
};

// The accelerated renderer when the machine has a real one, otherwise the window surface; the
// environment variable VANDREL_RENDERER=accelerated or software forces one. Never null: the
// window surface is always there.
std::unique_ptr<Presenter> CreatePresenter(SDL_Window* window);

} // namespace platform::sdl
