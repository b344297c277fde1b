// Timers: a form's timer calls its handler every Interval milliseconds while it is enabled and its
// form is loaded, from whatever event loop runs (nested modal loops and DoEvents included).
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

class Form;
namespace detail {
struct FormAccess;
}

// Ticks never pile up: a timer whose handler ran late ticks once, then Interval after that tick.
// A tick never starts while the same timer's handler still runs (a game loop inside a tick calls
// DoEvents). Enabling a timer, changing its interval or loading its form starts the interval anew;
// unloading the form disables the timer. An interval of 0 never ticks.
class Timer {
public:
    explicit Timer(Form& owner, std::int32_t interval = 0, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::int32_t Interval() const { return interval_; }
    void SetInterval(std::int32_t milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The handler, set by the owning form (for example to its startLoopTimer_Timer).
    std::function<void()> OnTimer;

private:
    friend struct detail::FormAccess;

    Form& owner_;
    std::int32_t interval_ = 0;
    bool enabled_ = false;
    bool running_ = false;
    std::int64_t dueMs_ = 0;
};

} // namespace platform
