// Paces presents to the display's refresh with the clock, for a screen that has no vsync: each
// present is due one refresh period after the one before, so a loop that presents once per pass
// runs at the display's rate and sleeps the rest of each period.
#pragma once

#include <cstdint>

namespace platform {

class FramePacer {
public:
    explicit FramePacer(std::int64_t periodNs) : periodNs_(periodNs) {}

    std::int64_t PeriodNs() const { return periodNs_; }
    // How long to wait at nowNs before the next present is due (0 when it is due already).
    std::int64_t WaitNs(std::int64_t nowNs) const;
    // A present happened at nowNs. The next one is due a period after this one was due, so short
    // delays do not add up; a present later than a whole period starts the schedule afresh, so
    // a slow pass is not followed by a burst of presents that catch up.
    void Presented(std::int64_t nowNs);

private:
    std::int64_t periodNs_;
    std::int64_t dueNs_ = 0;
    bool started_ = false;
};

} // namespace platform
