// Starts a program and reports how long it takes until its first picture reaches the X display:
// the display's centre pixel, black at start (an X server started with -br), turns non-black.
//   SplashTime PROGRAM   prints "PID MILLISECONDS" and leaves the program running
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

extern char** environ;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: SplashTime PROGRAM\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("SplashTime: no X display\n", stderr);
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const int x = DisplayWidth(display, DefaultScreen(display)) / 2;
    const int y = DisplayHeight(display, DefaultScreen(display)) / 2;

    const auto start = std::chrono::steady_clock::now();
    // The program's output goes to standard error, so that whoever reads ours sees it end.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    pid_t pid = 0;
    char* const programArgs[] = {argv[1], nullptr};
    if (posix_spawn(&pid, argv[1], &actions, nullptr, programArgs, environ) != 0) {
        std::perror("SplashTime");
        return 1;
    }
    const auto limit = start + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < limit) {
        XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = image != nullptr ? XGetPixel(image, 0, 0) : 0;
        if (image != nullptr) {
            XDestroyImage(image);
        }
        if ((pixel & 0xFFFFFF) != 0) {
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start);
            std::printf("%d %lld\n", static_cast<int>(pid),
                        static_cast<long long>(elapsed.count()));
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::printf("%d -1\n", static_cast<int>(pid));
    return 1;
}
