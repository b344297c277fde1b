// The virtual clock moves only when told, and millisecond readings start far from 0 and stay within
// 32 bits for more than 24 days.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/Clock.h"
#include "platform/Numbers.h"

namespace {

TEST(ClockTest, VirtualClockAdvancesOnlyWhenToldAndBySleep)
{
    const auto start = platform::NowMs();
    EXPECT_EQ(platform::NowMs(), start);
    platform::virtualclock::Advance(250);
    EXPECT_EQ(platform::NowMs(), start + 250);
    platform::Sleep(5000);
    EXPECT_EQ(platform::NowMs(), start + 5250);
    platform::Sleep(-10);
    EXPECT_EQ(platform::NowMs(), start + 5250);
}

TEST(ClockTest, MillisecondsFromTheCounterStartNearAMillionAndFit32BitsFor24Days)
{
    std::int64_t count = 0;
    std::int64_t frequency = 0;
    ASSERT_TRUE(platform::QueryPerformanceCounter(&count));
    ASSERT_TRUE(platform::QueryPerformanceFrequency(&frequency));
    ASSERT_GT(frequency, 0);
    // Milliseconds as the game clock takes them from the counter.
    const double ms = static_cast<double>(count) / static_cast<double>(frequency) * 1000.0;
    EXPECT_NEAR(ms, static_cast<double>(platform::NowMs()), 1.0);
    EXPECT_GE(ms, 1'000'000.0);
    constexpr double days24 = 24.0 * 24 * 60 * 60 * 1000;
    EXPECT_LE(ms + days24, static_cast<double>(std::numeric_limits<std::int32_t>::max()));
    EXPECT_FALSE(platform::QueryPerformanceCounter(nullptr));
    EXPECT_FALSE(platform::QueryPerformanceFrequency(nullptr));
}

TEST(NumbersTest, RoundsHalfToEvenAndDividesTruncating)
{
    EXPECT_EQ(platform::CLng(10.5), 10);
    EXPECT_EQ(platform::CLng(11.5), 12);
    EXPECT_EQ(platform::CLng(-2.5), -2);
    EXPECT_EQ(platform::CInt(40000.0), 32767);
    EXPECT_EQ(platform::IntDiv(-7, 2), -3);
    EXPECT_EQ(platform::IntDiv(7, 0), 0);
}

} // namespace
