// The virtual clock moves only when told and keeps millisecond readings far from 0.
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/Numbers.h"

namespace {

TEST(ClockTest, VirtualClockAdvancesOnlyWhenToldAndBySleep)
{
    const auto start = platform::NowMs();
    EXPECT_GE(start, 1'000'000);
    EXPECT_EQ(platform::NowMs(), start);
    platform::virtualclock::Advance(250);
    EXPECT_EQ(platform::NowMs(), start + 250);
    platform::Sleep(5000);
    EXPECT_EQ(platform::NowMs(), start + 5250);
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

}  // namespace
