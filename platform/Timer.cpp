// Timers: registration, enabling and interval; ticks are delivered by the event loop.
#include "platform/Timer.h"

#include <algorithm>

#include "platform/Clock.h"
#include "platform/Form.h"
#include "platform/WindowSystem.h"

namespace platform {

Timer::Timer(Form& owner, std::int32_t interval, bool enabled)
    : owner_(owner), interval_(std::max(interval, 0)), enabled_(enabled)
{
    detail::FormAccess::Timers(owner_).push_back(this);
    detail::System().timers.push_back(this);
    dueMs_ = NowMs() + interval_;
}

Timer::~Timer()
{
    auto& mine = detail::FormAccess::Timers(owner_);
    mine.erase(std::remove(mine.begin(), mine.end(), this), mine.end());
    auto& all = detail::System().timers;
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    auto& due = detail::System().dueTimers;
    std::replace(due.begin(), due.end(), this, static_cast<Timer*>(nullptr));
}

void Timer::SetInterval(std::int32_t milliseconds)
{
    interval_ = std::max(milliseconds, 0);
    dueMs_ = NowMs() + interval_;
}

void Timer::SetEnabled(bool enabled)
{
    if (enabled && !enabled_) {
        dueMs_ = NowMs() + interval_;
    }
    enabled_ = enabled;
}

} // namespace platform
