// Real and virtual performance counters.
#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace platform {
namespace {

constexpr std::int64_t Frequency = 1'000'000'000; // nanoseconds
// 1,000,000 ms: a 32-bit millisecond count starts far from 0 and still fits after 24 days.
constexpr std::int64_t Origin = 1'000 * Frequency;

struct ClockState {
    bool virtualOn = false;
    std::int64_t virtualNs = 0;
    std::int32_t framePeriodMs = 16;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

ClockState& State()
{
    static ClockState state;
    return state;
}

std::int64_t ElapsedNs()
{
    auto& state = State();
    if (state.virtualOn) {
        return state.virtualNs;
    }
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() -
                                                                state.start)
        .count();
}

} // namespace

bool QueryPerformanceCounter(std::int64_t* count)
{
    if (count == nullptr) {
        return false;
    }
    *count = Origin + ElapsedNs();
    return true;
}

bool QueryPerformanceFrequency(std::int64_t* frequency)
{
    if (frequency == nullptr) {
        return false;
    }
    *frequency = Frequency;
    return true;
}

std::int64_t NowMs()
{
    return (Origin + ElapsedNs()) / 1'000'000;
}

void Sleep(std::int32_t milliseconds)
{
    if (milliseconds <= 0) {
        return;
    }
    if (State().virtualOn) {
        virtualclock::Advance(milliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

namespace virtualclock {

void Enable(bool on)
{
    State().virtualOn = on;
}
bool Enabled()
{
    return State().virtualOn;
}
void Advance(std::int64_t milliseconds)
{
    State().virtualNs += milliseconds * 1'000'000;
}
void SetFramePeriod(std::int32_t milliseconds)
{
    State().framePeriodMs = milliseconds;
}
std::int32_t FramePeriod()
{
    return State().framePeriodMs;
}

} // namespace virtualclock
} // namespace platform
