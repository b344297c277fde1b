// The headless backend: scripted input on the virtual clock, auto-repeat of held keys, an
// in-memory screen and a configurable display that records every change asked for.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>

#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/Headless.h"
#include "platform/Utf8.h"
#include "platform/WindowSystem.h"

namespace platform::headless {
namespace {

using backend::Event;
using backend::EventKind;

// Polls in a row with nothing to deliver after which a loop counts as running away: at a present
// a frame, several minutes of a game left alone.
constexpr std::int64_t RunawayPolls = 10'000;

constexpr DevMode Mode(std::uint32_t width, std::uint32_t height, std::uint32_t bits)
{
    return DevMode{bits, width, height, 60,
                   DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY};
}

struct Scripted {
    std::int64_t atMs = 0;
    Event event;
};

class HeadlessBackend;
HeadlessBackend* active = nullptr;

class HeadlessBackend final : public backend::Backend {
public:
    HeadlessBackend() : originMs_(NowMs()) {}
    ~HeadlessBackend() override
    {
        if (active == this) {
            active = nullptr;
        }
    }
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    void Poll(backend::EventQueue& queue) override
    {
        const std::int64_t now = NowMs();
        if (limit_ && now >= limitAt_) {
            const std::function<void()> hook = limit_;
            hook();
        }
        const std::size_t before = queue.Size();
        while (true) {
            const std::int64_t repeatAt = NextRepeat();
            const bool scriptedDue = !script_.empty() && script_.front().atMs <= now;
            const bool repeatDue = repeatAt >= 0 && repeatAt <= now;
            if (scriptedDue && (!repeatDue || script_.front().atMs <= repeatAt)) {
                const Scripted item = script_.front();
                script_.erase(script_.begin());
                Emit(queue, item.atMs, item.event);
            } else if (repeatDue) {
                for (auto& [key, due] : held_) {
                    if (due == repeatAt) {
                        due += AutoRepeatPeriodMs;
                        Emit(queue, repeatAt, Event{EventKind::KeyDown, key, 0, 0, true});
                        break;
                    }
                }
            } else {
                break;
            }
        }
        // A loop that polls on and on with nothing left to deliver, and never waits, is one that
        // nothing will end (a game whose way out is broken): the test program ends with a message.
        if (queue.Size() != before || !script_.empty() || !held_.empty()) {
            quietPolls_ = 0;
        } else if (++quietPolls_ > RunawayPolls) {
            std::fputs("vandrel: headless test: a loop polls for input on and on with nothing left "
                       "scripted and never waits; what should have ended it never happened\n",
                       stderr);
            std::abort();
        }
    }

    void Wait(std::int64_t untilMs) override
    {
        quietPolls_ = 0;
        std::int64_t next = script_.empty() ? -1 : script_.front().atMs;
        const std::int64_t repeatAt = NextRepeat();
        if (repeatAt >= 0 && (next < 0 || repeatAt < next)) {
            next = repeatAt;
        }
        if (next >= 0 && (untilMs < 0 || next <= untilMs)) {
            AdvanceTo(next);
            return;
        }
        if (untilMs >= 0) {
            AdvanceTo(untilMs);
            return;
        }
        if (idle_) {
            const std::function<void()> hook = idle_;
            hook();
            return;
        }
        std::fputs("vandrel: headless test waits for input that is never scripted\n", stderr);
        std::abort();
    }

    void Present(const Bitmap& screen, std::span<const Rect> changed, bool fromRefresh) override
    {
        presented_ = &screen;
        bands_.assign(changed.begin(), changed.end());
        if (!changed.empty()) {
            ++presents_;
        }
        if (fromRefresh) {
            ++refreshes_;
            virtualclock::Advance(virtualclock::FramePeriod());
        }
    }

    void WarpPointer(std::int32_t x, std::int32_t y) override { warps_.push_back({x, y}); }
    void SetPointerShape(MousePointer shape) override { pointer_ = shape; }
    void SetTitle(std::string_view title) override { title_ = title; }
    void SetIcon(const Bitmap* icon) override { hasIcon_ = icon != nullptr; }
    bool ShiftHeldNow() override { return shiftAtStart_; }

    DevMode DesktopMode() override { return desktop_; }
    std::vector<DevMode> DisplayModes() override { return modes_; }
    void SetFullScreen(bool on) override { fullScreen_ = on; }
    std::int32_t DesktopWidth() override { return desktopWidth_; }
    void DisplayChangeAttempted(const DevMode& mode, std::uint32_t flags,
                                std::int32_t result) override
    {
        attempts_.push_back({mode, flags, result});
    }

    bool AnswerFileDialog(const OpenFileName& request, bool save,
                          std::optional<std::string>* answer) override
    {
        fileDialogs_.push_back({save, request});
        if (fileAnswers_.empty()) {
            return false;
        }
        *answer = std::move(fileAnswers_.front());
        fileAnswers_.pop_front();
        return true;
    }

    void MessageBoxShown(std::string_view prompt) override { messages_.emplace_back(prompt); }

    void Add(std::int64_t atMs, const Event& event)
    {
        const auto after =
            std::upper_bound(script_.begin(), script_.end(), atMs,
                             [](std::int64_t at, const Scripted& item) { return at < item.atMs; });
        script_.insert(after, Scripted{atMs, event});
    }

    std::int64_t originMs_;
    std::vector<Scripted> script_; // in time order; equal times keep the order they were added
    std::map<std::int16_t, std::int64_t> held_; // scripted keys held, with their next repeat
    std::function<void()> idle_;
    std::function<void()> limit_;
    std::int64_t limitAt_ = 0;
    std::int64_t quietPolls_ = 0; // polls in a row that had nothing to deliver, without a wait
    std::int32_t presents_ = 0;
    std::int32_t refreshes_ = 0;
    const Bitmap* presented_ = nullptr; // the screen window system's picture, which lives on
    std::vector<Rect> bands_;
    std::vector<Point> warps_;
    MousePointer pointer_ = MousePointer::Default;
    std::string title_;
    bool hasIcon_ = false;
    bool shiftAtStart_ = false;
    bool fullScreen_ = false;
    DevMode desktop_ = Mode(1024, 768, 32);
    std::vector<DevMode> modes_{Mode(1024, 768, 32), Mode(800, 600, 32), Mode(800, 600, 16),
                                Mode(800, 600, 8)};
    std::int32_t desktopWidth_ = 1024;
    std::vector<DisplayAttempt> attempts_;
    std::deque<std::optional<std::string>> fileAnswers_; // nothing: a cancel
    std::vector<FileDialogRecord> fileDialogs_;
    std::vector<std::string> messages_;

private:
    std::int64_t NextRepeat() const
    {
        std::int64_t next = -1;
        for (const auto& [key, due] : held_) {
            if (next < 0 || due < next) {
                next = due;
            }
        }
        return next;
    }

    static void AdvanceTo(std::int64_t ms)
    {
        const std::int64_t now = NowMs();
        if (ms > now) {
            virtualclock::Advance(ms - now);
        }
    }

    // Letters, digits and Space type their characters unless Ctrl or Alt is held (Enter, Esc and
    // Backspace are typed by the event loop for every backend).
    std::int16_t CharacterOf(std::int16_t key) const
    {
        if (held_.count(vbKeyControl) != 0 || held_.count(vbKeyMenu) != 0) {
            return 0;
        }
        const bool shift = held_.count(vbKeyShift) != 0;
        if (key >= vbKeyA && key <= vbKeyZ) {
            return shift ? key : static_cast<std::int16_t>(key + ('a' - 'A'));
        }
        if ((key >= vbKey0 && key <= vbKey0 + 9) || key == vbKeySpace) {
            return key;
        }
        return 0;
    }

    void Emit(backend::EventQueue& queue, std::int64_t atMs, const Event& event)
    {
        queue.Push(event);
        if (event.kind == EventKind::KeyDown) {
            if (!event.repeat) {
                held_[event.key] = atMs + AutoRepeatDelayMs;
            }
            const std::int16_t character = CharacterOf(event.key);
            if (character != 0) {
                queue.Push(Event{EventKind::Char, character, 0, 0, false});
            }
        } else if (event.kind == EventKind::KeyUp) {
            held_.erase(event.key);
        }
    }
};

HeadlessBackend& Active()
{
    if (active == nullptr) {
        Install();
    }
    return *active;
}

} // namespace

void Install()
{
    auto backend = std::make_unique<HeadlessBackend>();
    HeadlessBackend* const created = backend.get();
    backend::Install(std::move(backend));
    active = created;
}

Script& Script::KeyDown(std::int16_t key)
{
    Active().Add(atMs_, Event{EventKind::KeyDown, key, 0, 0, false});
    return *this;
}

Script& Script::KeyUp(std::int16_t key)
{
    Active().Add(atMs_, Event{EventKind::KeyUp, key, 0, 0, false});
    return *this;
}

Script& Script::KeyPress(std::int16_t key)
{
    return KeyDown(key).KeyUp(key);
}

Script& Script::Type(std::string_view text)
{
    for (const char16_t unit : utf8::Utf16Units(text)) {
        Active().Add(atMs_, Event{EventKind::Char, static_cast<std::int16_t>(unit), 0, 0, false});
    }
    return *this;
}

Script& Script::MouseMove(std::int32_t x, std::int32_t y)
{
    Active().Add(atMs_, Event{EventKind::MouseMove, 0, x, y, false});
    return *this;
}

Script& Script::MouseDown(std::int16_t button, std::int32_t x, std::int32_t y)
{
    Active().Add(atMs_, Event{EventKind::MouseDown, button, x, y, false});
    return *this;
}

Script& Script::MouseUp(std::int16_t button, std::int32_t x, std::int32_t y)
{
    Active().Add(atMs_, Event{EventKind::MouseUp, button, x, y, false});
    return *this;
}

Script& Script::Click(std::int16_t button, std::int32_t x, std::int32_t y)
{
    return MouseMove(x, y).MouseDown(button, x, y).MouseUp(button, x, y);
}

Script& Script::Close()
{
    Active().Add(atMs_, Event{EventKind::Close, 0, 0, 0, false});
    return *this;
}

Script At(std::int64_t msFromInstall)
{
    return Script(Active().originMs_ + msFromInstall);
}
Script After(std::int64_t msFromNow)
{
    return Script(NowMs() + msFromNow);
}
std::int64_t Elapsed()
{
    return NowMs() - Active().originMs_;
}

void SetKeyState(std::int16_t key, bool held)
{
    Active();
    if (held) {
        detail::KeyStateDown(key);
    } else {
        detail::KeyStateUp(key);
    }
}

void SetShiftHeldAtStart(bool held)
{
    Active().shiftAtStart_ = held;
}
void OnIdle(std::function<void()> hook)
{
    Active().idle_ = std::move(hook);
}
void OnTimeLimit(std::int64_t msFromNow, std::function<void()> hook)
{
    Active().limitAt_ = NowMs() + msFromNow;
    Active().limit_ = std::move(hook);
}

const Bitmap& Screen()
{
    Active();
    return detail::ComposeScreen();
}

Color ScreenPixel(std::int32_t x, std::int32_t y)
{
    const Bitmap& screen = Screen();
    if (x < 0 || y < 0 || x >= screen.width || y >= screen.height) {
        return ClrInvalid;
    }
    return static_cast<Color>(screen.Row(y)[x]);
}

std::int32_t PresentCount()
{
    return Active().presents_;
}
std::int32_t RefreshCount()
{
    return Active().refreshes_;
}
const std::vector<Rect>& PresentedBands()
{
    return Active().bands_;
}

Color PresentedPixel(std::int32_t x, std::int32_t y)
{
    const Bitmap* picture = Active().presented_;
    if (picture == nullptr || x < 0 || y < 0 || x >= picture->width || y >= picture->height) {
        return ClrInvalid;
    }
    const std::uint32_t pixel = picture->Row(y)[x]; // 0x00RRGGBB
    return Rgb(static_cast<int>(pixel >> 16), static_cast<int>(pixel >> 8),
               static_cast<int>(pixel));
}

const std::string& Title()
{
    return Active().title_;
}
bool HasIcon()
{
    return Active().hasIcon_;
}
MousePointer PointerShape()
{
    return Active().pointer_;
}
bool IsFullScreen()
{
    return Active().fullScreen_;
}
const std::vector<Point>& Warps()
{
    return Active().warps_;
}

void SetDisplay(const DevMode& desktop, std::vector<DevMode> modes)
{
    Active().desktop_ = desktop;
    Active().modes_ = std::move(modes);
    detail::ResetDisplay();
}

void SetDesktopWidth(std::int32_t width)
{
    Active().desktopWidth_ = width;
}
const std::vector<DisplayAttempt>& DisplayAttempts()
{
    return Active().attempts_;
}

void AnswerFileDialog(std::string_view name)
{
    Active().fileAnswers_.emplace_back(std::string(name));
}
void CancelFileDialog()
{
    Active().fileAnswers_.emplace_back(std::nullopt);
}
const std::vector<FileDialogRecord>& FileDialogs()
{
    return Active().fileDialogs_;
}

const std::vector<std::string>& MessageBoxes()
{
    return Active().messages_;
}

} // namespace platform::headless
