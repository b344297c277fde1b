// What the SDL backend asks of the X display itself: whether a window manager runs (on a bare X
// server SDL's full-screen request goes unanswered), and ending when the display is lost.
#include "platform/backend/sdl/SdlX11.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace platform::sdl {
namespace {

// A window manager of our time announces itself with a window named in this root property.
bool HasWindowManager(Display* display)
{
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &after, &data);
    const bool found = status == Success && type == XA_WINDOW && count == 1;
    if (data != nullptr) {
        XFree(data);
    }
    return found;
}

// Settings and scores are written whole as they change, so nothing is waiting to be saved.
int EndOnLostDisplay(Display*)
{
    std::fputs("vandrel: the connection to the display is lost; ending\n", stderr);
    std::_Exit(1);
}

} // namespace

void EndWhenDisplayIsLost()
{
    XSetIOErrorHandler(EndOnLostDisplay);
}

bool WindowManagerRuns(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11 ||
           HasWindowManager(info.info.x11.display);
}

} // namespace platform::sdl
