// Desktop and process: the desktop's icon list view (found through its window classes, read and
// placed item by item), the single-instance test and the desktop font's text height. Linux has no
// icon list view, so the real backend finds none; the headless backend offers one to test against.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

namespace desktop {

using Hwnd = std::int32_t; // 0: no window
using Lparam = std::int64_t;

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

inline constexpr std::int32_t GWL_STYLE = -16;
inline constexpr std::int32_t LVS_AUTOARRANGE = 0x100;
inline constexpr std::uint32_t WM_COMMAND = 0x0111;
inline constexpr std::uint32_t LVM_GETITEMCOUNT = 0x1004;
inline constexpr std::uint32_t LVM_SETITEMPOSITION = 0x100F;
// The desktop view's command that switches its auto-arrange on or off.
inline constexpr std::uint32_t DesktopToggleAutoArrange = 28737;

// A top-level window by class name (compared without regard to letter case; null matches any)
// and title (null matches any).
Hwnd FindWindowA(const char* className, const char* windowName);
// The first child of parent after childAfter (0: from the start) with that class and title.
Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className, const char* windowName);
Hwnd GetParent(Hwnd window);
std::int32_t GetWindowLongA(Hwnd window, std::int32_t index);
// LVM_GETITEMCOUNT answers the item count; LVM_SETITEMPOSITION places item wParam at lParam's
// x (low 16 bits) and y (high 16 bits), answering 1; WM_COMMAND runs a command. 0 otherwise.
Lparam SendMessageA(Hwnd window, std::uint32_t message, std::int64_t wParam, Lparam lParam);
// An item's position in the list view's coordinates; false when it cannot be read.
bool ListView_GetItemPosition(Hwnd listView, std::int32_t item, POINT* position);

} // namespace desktop

// True when another process of this program (same executable name, same user) is running. The
// first call that finds none takes a lock file that the process holds until it ends; the kernel
// releases it even after a crash.
bool AnotherInstanceRunning();

// The height in pixels of the desktop's text font: 16 is the normal size, more means large fonts.
std::int32_t DesktopTextHeight();

namespace headless {
// An in-memory desktop: a "Progman" window holding a "SHELLDLL_DefView" that holds a
// "SysListView32" with these items. While autoArrange is on the view places icons itself and
// ignores new positions; with failCalls every list-view message answers 0 and no position reads.
struct FakeDesktop {
    bool present = true;
    bool autoArrange = false;
    bool failCalls = false;
    std::vector<desktop::POINT> icons;
    std::vector<desktop::Lparam> placements; // lParam of every LVM_SETITEMPOSITION received
    std::int32_t toggles = 0;                // auto-arrange commands received
};
void UseDesktop(bool on); // headless: an empty fake desktop and text height 16
FakeDesktop& Desktop();
void SetDesktopTextHeight(std::int32_t height);
} // namespace headless

} // namespace platform
