// Clock and waiting: the high-resolution counter and Sleep. The real clock is the steady clock; the
// virtual clock (tests) moves only when told, when Sleep runs or when a window refreshes.
#pragma once

#include <cstdint>

namespace platform {

// The counter reads 1,000,000 ms at process start (the virtual clock starts there too), so a 32-bit
// millisecond count derived from it is never near 0 and stays within its range for over 24 days.
bool QueryPerformanceCounter(std::int64_t* count);
bool QueryPerformanceFrequency(std::int64_t* frequency);
void Sleep(std::int32_t milliseconds);

// Milliseconds on the counter, for code inside the platform.
std::int64_t NowMs();

namespace virtualclock {
void Enable(bool on); // tests switch to the virtual clock before anything reads it
bool Enabled();
void Advance(std::int64_t milliseconds);
void SetFramePeriod(std::int32_t milliseconds); // added at each window Refresh; 16 by default
std::int32_t FramePeriod();
} // namespace virtualclock

} // namespace platform
