// The clock-paced schedule of presents.
#include "platform/FramePacer.h"

namespace platform {

std::int64_t FramePacer::WaitNs(std::int64_t nowNs) const
{
    return started_ && nowNs < dueNs_ ? dueNs_ - nowNs : 0;
}

void FramePacer::Presented(std::int64_t nowNs)
{
    if (!started_ || nowNs - dueNs_ >= periodNs_) {
        dueNs_ = nowNs;
        started_ = true;
    }
    dueNs_ += periodNs_;
}

} // namespace platform
