// Clock and waiting: the high-resolution counter and Sleep. The real clock is the steady clock; the
// virtual clock (tests) moves only when told, when Sleep runs or when a window refreshes.
#pragma once

#include <cstdint>

namespace platform {

// The counter starts at 1,000,000 seconds at process start, so millisecond readings derived from
// it are never near 0 and stay within 32 bits for more than 24 days.
bool QueryPerformanceCounter(std::int64_t* count);
bool QueryPerformanceFrequency(std::int64_t* frequency);
void Sleep(std::int32_t milliseconds);

// Milliseconds on the counter, for code inside the platform.
std::int64_t NowMs();

namespace virtualclock {
void Enable(bool on);  // tests switch to the virtual clock before anything reads it
bool Enabled();
void Advance(std::int64_t milliseconds);
void SetFramePeriod(std::int32_t milliseconds);  // added at each window Refresh; 16 by default
std::int32_t FramePeriod();
}  // namespace virtualclock

}  // namespace platform
