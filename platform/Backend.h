// The backend interface, internal to the platform: where input comes from, where the composed
// screen goes, the pointer, the display modes. SDL for programs, headless for tests.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Display.h"
#include "platform/FileDialog.h"
#include "platform/Form.h"
#include "platform/Gdi.h"

namespace platform::backend {

enum class EventKind : std::uint8_t {
    KeyDown,   // key: virtual-key code (repeats of a held key too)
    KeyUp,     // key: virtual-key code
    Char,      // key: character code of typed text
    MouseDown, // key: button (1, 2, 4); x, y: screen coordinates
    MouseUp,
    MouseMove,
    Close,  // the screen window's close request
    Expose, // the screen needs showing again
};

struct Event {
    EventKind kind = EventKind::Expose;
    std::int16_t key = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool repeat = false; // a key-down of a key already held
};

// Pending events: a vector used as a queue that keeps its storage, so that delivering input never
// allocates once it has grown. Consecutive pointer moves merge into the latest.
class EventQueue {
public:
    EventQueue() { items_.reserve(256); }
    void Push(const Event& event);
    bool Pop(Event* event);
    std::size_t Size() const { return items_.size() - head_; }
    void Clear();

private:
    std::vector<Event> items_;
    std::size_t head_ = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Appends the events that are pending now; never blocks.
    virtual void Poll(EventQueue& queue) = 0;
    // Returns when an event may be pending or the millisecond clock (NowMs) reaches untilMs;
    // untilMs < 0 waits for an event alone. The headless backend advances its virtual clock.
    virtual void Wait(std::int64_t untilMs) = 0;
    // Shows the composed screen, whose pixels are in the window's order, 0x00RRGGBB (red and blue
    // the other way round from a Color). Only the bands of rows in `changed` (top to bottom, each
    // the screen's width) differ from the picture presented before; none: nothing new is shown.
    // Presents keep the display's pace: the SDL backend waits for its refresh, and a present asked
    // for by a window's Refresh makes the headless backend advance its clock by one frame period,
    // changed or not.
    virtual void Present(const Bitmap& screen, std::span<const Rect> changed, bool fromRefresh) = 0;

    virtual void WarpPointer(std::int32_t x, std::int32_t y) = 0;
    virtual void SetPointerShape(MousePointer shape) = 0;
    virtual void SetTitle(std::string_view title) = 0;
    virtual void SetIcon(const Bitmap* icon) = 0;
    // Whether Shift is held now, asked before any window exists.
    virtual bool ShiftHeldNow() = 0;

    virtual DevMode DesktopMode() = 0;
    virtual std::vector<DevMode> DisplayModes() = 0;
    virtual void SetFullScreen(bool on) = 0;
    virtual std::int32_t DesktopWidth() = 0;
    // Told of every ChangeDisplaySettingsA call and its answer (the headless backend records them).
    virtual void DisplayChangeAttempted(const DevMode& mode, std::uint32_t flags,
                                        std::int32_t result) = 0;

    // Asked at every file dialog: true when the backend answers it without the chooser window (the
    // headless backend from its script), with the name chosen, or nothing for a cancel.
    virtual bool AnswerFileDialog(const OpenFileName&, bool /*save*/, std::optional<std::string>*)
    {
        return false;
    }
    // Told of every message box as it opens (the headless backend records its text).
    virtual void MessageBoxShown(std::string_view /*prompt*/) {}
};

// The backend in use: the SDL backend unless another was installed first.
Backend& Current();
void Install(std::unique_ptr<Backend> backend);
std::unique_ptr<Backend> CreateSdl();

} // namespace platform::backend
