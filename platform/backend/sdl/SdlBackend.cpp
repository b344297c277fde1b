// The SDL backend: one window showing the 800 x 600 screen picture (in full screen scaled and
// letterboxed), presents paced by the display's refresh, input mapped to virtual-key codes.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <thread>

#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/FramePacer.h"
#include "platform/Input.h"
#include "platform/Utf8.h"
#include "platform/backend/sdl/SdlKeys.h"
#include "platform/backend/sdl/SdlPresenter.h"
#include "platform/backend/sdl/SdlX11.h"

namespace platform::backend {
namespace {

constexpr std::int32_t DefaultRefreshHz = 60;
// With vsync the clock only keeps presents from coming much faster than the display's refresh
// (a hidden window's presents may not wait); this margin leaves the waiting to vsync.
constexpr std::int64_t VSyncMarginNs = 2'000'000;

std::int64_t NowNs()
{
    std::int64_t count = 0;
    QueryPerformanceCounter(&count);
    return count;
}

std::uint32_t BitsOf(std::uint32_t format)
{
    // A 24-bit X visual keeps its pixels in 32 bits, as the desktop's own depth says.
    const std::uint32_t bits = SDL_BITSPERPIXEL(format);
    return bits == 24 ? 32 : bits;
}

DevMode Mode(std::uint32_t width, std::uint32_t height, std::uint32_t bits, std::uint32_t hz)
{
    return DevMode{bits, width, height, hz,
                   DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY};
}

class SdlBackend final : public Backend {
public:
    SdlBackend() = default;
    ~SdlBackend() override
    {
        for (SDL_Cursor* cursor : cursors_) {
            if (cursor != nullptr) {
                SDL_FreeCursor(cursor);
            }
        }
        presenter_.reset();
        if (window_ != nullptr) {
            SDL_DestroyWindow(window_);
        }
        if (video_) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
    }
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    void Poll(EventQueue& queue) override
    {
        Video();
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) {
            Translate(event, queue);
        }
    }

    void Wait(std::int64_t untilMs) override
    {
        Video();
        if (untilMs < 0) {
            SDL_WaitEvent(nullptr);
            return;
        }
        const std::int64_t timeout = untilMs - NowMs();
        if (timeout > 0) {
            SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<std::int64_t>(timeout, 1000)));
        }
    }

    // A picture that did not change is not shown again; a window's Refresh still waits for its
    // turn, so that a game loop keeps the display's pace whether or not its picture changed.
    void Present(const Bitmap& screen, std::span<const Rect> changed, bool fromRefresh) override
    {
        Window();
        const bool show = showWhole_ || !changed.empty();
        if (!show && !fromRefresh) {
            return;
        }
        const std::int64_t wait = pacer_.WaitNs(NowNs());
        if (wait > 0) {
            std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
        }
        if (show) {
            presenter_->Show(screen, changed, showWhole_);
            showWhole_ = false;
        }
        pacer_.Presented(NowNs());
    }

    void WarpPointer(std::int32_t x, std::int32_t y) override
    {
        if (window_ == nullptr) {
            return;
        }
        const Point window = presenter_->ToWindow({x, y});
        SDL_WarpMouseInWindow(window_, window.x, window.y);
    }

    void SetPointerShape(MousePointer shape) override
    {
        shape_ = shape;
        if (window_ == nullptr) {
            return;
        }
        std::size_t slot = 0;
        SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
        if (shape == MousePointer::Crosshair) {
            slot = 1;
            id = SDL_SYSTEM_CURSOR_CROSSHAIR;
        } else if (shape == MousePointer::Hourglass) {
            slot = 2;
            id = SDL_SYSTEM_CURSOR_WAIT;
        }
        if (cursors_[slot] == nullptr) {
            cursors_[slot] = SDL_CreateSystemCursor(id);
        }
        if (cursors_[slot] != nullptr) {
            SDL_SetCursor(cursors_[slot]);
        }
    }

    void SetTitle(std::string_view title) override
    {
        title_ = title;
        if (window_ != nullptr) {
            SDL_SetWindowTitle(window_, title_.c_str());
        }
    }

    void SetIcon(const Bitmap* icon) override
    {
        icon_ = icon != nullptr ? *icon : Bitmap();
        ApplyIcon();
    }

    bool ShiftHeldNow() override
    {
        Video();
        SDL_PumpEvents();
        return (SDL_GetModState() & KMOD_SHIFT) != 0;
    }

    DevMode DesktopMode() override
    {
        Video();
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
            return Mode(ScreenWidth, ScreenHeight, 32, DefaultRefreshHz);
        }
        return Mode(static_cast<std::uint32_t>(mode.w), static_cast<std::uint32_t>(mode.h),
                    BitsOf(mode.format),
                    static_cast<std::uint32_t>(mode.refresh_rate > 0 ? mode.refresh_rate
                                                                     : DefaultRefreshHz));
    }

    std::vector<DevMode> DisplayModes() override
    {
        const DevMode desktop = DesktopMode();
        std::vector<DevMode> modes{desktop};
        for (const std::uint32_t bits : {32U, 16U, 8U}) {
            const DevMode mode = Mode(ScreenWidth, ScreenHeight, bits, desktop.dmDisplayFrequency);
            if (!(mode == desktop)) {
                modes.push_back(mode);
            }
        }
        return modes;
    }

    void SetFullScreen(bool on) override
    {
        fullScreen_ = on;
        if (window_ != nullptr) {
            PlaceWindow();
        }
    }

    std::int32_t DesktopWidth() override
    {
        return static_cast<std::int32_t>(DesktopMode().dmPelsWidth);
    }

    void DisplayChangeAttempted(const DevMode&, std::uint32_t, std::int32_t) override {}

private:
    void Video()
    {
        if (video_) {
            return;
        }
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            std::fprintf(stderr, "vandrel: cannot open the screen: %s\n", SDL_GetError());
            std::exit(1);
        }
        sdl::EndWhenDisplayIsLost();
        video_ = true;
    }

    void Window()
    {
        if (window_ != nullptr) {
            return;
        }
        Video();
        // Hidden until placed, so that it never shows at a place or size it then leaves.
        window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   ScreenWidth, ScreenHeight, SDL_WINDOW_HIDDEN);
        if (window_ == nullptr) {
            std::fprintf(stderr, "vandrel: cannot open the screen window: %s\n", SDL_GetError());
            std::exit(1);
        }
        managed_ = sdl::WindowManagerRuns(window_);
        PlaceWindow();
        SDL_ShowWindow(window_);
        presenter_ = sdl::CreatePresenter(window_);
        SDL_DisplayMode mode;
        std::int32_t hz = DefaultRefreshHz;
        if (SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0) {
            hz = mode.refresh_rate;
        }
        pacer_ = FramePacer(1'000'000'000 / hz - (presenter_->VSync() ? VSyncMarginNs : 0));
        ApplyIcon();
        SetPointerShape(shape_);
    }

    // Full screen is the window manager's full screen; where no window manager runs (a bare X
    // server) nobody would answer that request, so the window itself covers the display.
    void PlaceWindow()
    {
        SDL_Rect bounds{0, 0, ScreenWidth, ScreenHeight};
        if (managed_) {
            SDL_SetWindowFullscreen(window_, fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        } else if (fullScreen_ &&
                   SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window_), &bounds) == 0) {
            SDL_SetWindowPosition(window_, bounds.x, bounds.y);
            SDL_SetWindowSize(window_, bounds.w, bounds.h);
        }
        if (!fullScreen_) {
            SDL_SetWindowSize(window_, ScreenWidth, ScreenHeight);
            SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
        showWhole_ = true;
    }

    void ApplyIcon()
    {
        if (window_ == nullptr || icon_.width <= 0 || icon_.height <= 0 || icon_.monochrome) {
            return;
        }
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
            icon_.pixels.data(), icon_.width, icon_.height, 32,
            static_cast<int>(icon_.width * sizeof(std::uint32_t)), SDL_PIXELFORMAT_XBGR8888);
        if (surface != nullptr) {
            SDL_SetWindowIcon(window_, surface);
            SDL_FreeSurface(surface);
        }
    }

    void Translate(const SDL_Event& event, EventQueue& queue)
    {
        switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const std::int16_t key = sdl::VirtualKey(event.key.keysym.sym);
            if (key == 0) {
                return;
            }
            if (event.type == SDL_KEYDOWN) {
                held_.insert(key);
                queue.Push(Event{EventKind::KeyDown, key, 0, 0, event.key.repeat != 0});
            } else {
                held_.erase(key);
                queue.Push(Event{EventKind::KeyUp, key, 0, 0, false});
            }
            return;
        }
        case SDL_TEXTINPUT:
            // Typed text is UTF-8; it reaches the handlers as UTF-16 code units.
            for (const char16_t unit : utf8::Utf16Units(event.text.text)) {
                if (unit >= 32 && unit != 127) {
                    queue.Push(
                        Event{EventKind::Char, static_cast<std::int16_t>(unit), 0, 0, false});
                }
            }
            return;
        case SDL_MOUSEMOTION: {
            const Point point = ToScreen(event.motion.x, event.motion.y);
            queue.Push(Event{EventKind::MouseMove, 0, point.x, point.y, false});
            return;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const std::int16_t button = sdl::ButtonMask(event.button.button);
            if (button != 0) {
                const Point point = ToScreen(event.button.x, event.button.y);
                queue.Push(Event{event.type == SDL_MOUSEBUTTONDOWN ? EventKind::MouseDown
                                                                   : EventKind::MouseUp,
                                 button, point.x, point.y, false});
            }
            return;
        }
        case SDL_QUIT:
            queue.Push(Event{EventKind::Close, 0, 0, 0, false});
            return;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                // Keys released while another window has the keyboard would stay held.
                for (const std::int16_t key : held_) {
                    queue.Push(Event{EventKind::KeyUp, key, 0, 0, false});
                }
                held_.clear();
            } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                       event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                       event.window.event == SDL_WINDOWEVENT_RESTORED) {
                showWhole_ = true;
                queue.Push(Event{EventKind::Expose, 0, 0, 0, false});
            }
            return;
        default:
            return;
        }
    }

    Point ToScreen(std::int32_t x, std::int32_t y) const
    {
        return presenter_ ? presenter_->ToScreen({x, y}) : Point{x, y};
    }

    bool video_ = false;
    SDL_Window* window_ = nullptr;
    std::unique_ptr<sdl::Presenter> presenter_;
    std::array<SDL_Cursor*, 3> cursors_{};
    std::set<std::int16_t> held_;
    std::string title_ = "Vandrel";
    Bitmap icon_;
    MousePointer shape_ = MousePointer::Default;
    bool fullScreen_ = false;
    bool managed_ = true;   // a window manager places the window
    bool showWhole_ = true; // the window needs the whole picture at the next present
    FramePacer pacer_{1'000'000'000 / DefaultRefreshHz};
};

} // namespace

std::unique_ptr<Backend> CreateSdl()
{
    return std::make_unique<SdlBackend>();
}

} // namespace platform::backend
