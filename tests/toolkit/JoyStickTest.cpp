// Tests of JoyStick: the probe order, the quarter and three-quarter thresholds with their rounding,
// button numbering, and readings that fail.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Joystick.h"
#include "platform/Surface.h"
#include "toolkit/JoyStick.h"

namespace {

using platform::headless::ScriptedJoystick;

ScriptedJoystick Stick(std::uint32_t xMax, std::uint32_t yMax, std::uint32_t x, std::uint32_t y,
                       std::uint32_t buttons = 0)
{
    ScriptedJoystick stick;
    stick.caps.wXmax = xMax;
    stick.caps.wYmax = yMax;
    stick.caps.wNumButtons = 4;
    stick.reading = {x, y, 0, buttons};
    return stick;
}

class JoyStickTest : public ::testing::Test {
protected:
    void SetUp() override { platform::headless::UseJoystick(true); }
    void TearDown() override { platform::headless::UseJoystick(true); }

    platform::Surface form;
};

} // namespace

TEST_F(JoyStickTest, WithoutAJoystickNothingIsEverPressed)
{
    JoyStick stick;
    EXPECT_FALSE(stick.IsLeft()); // before Init as well
    stick.Init(form);
    EXPECT_FALSE(stick.IsLeft());
    EXPECT_FALSE(stick.IsRight());
    EXPECT_FALSE(stick.IsUp());
    EXPECT_FALSE(stick.IsDown());
    EXPECT_EQ(stick.IsButtonDown(), -1);
}

TEST_F(JoyStickTest, TheLowestIdWhoseCapabilitiesReadIsUsed)
{
    ScriptedJoystick unplugged = Stick(65535, 65535, 0, 0, 1);
    unplugged.capsFail = true;
    platform::headless::SetJoysticks(
        {unplugged, Stick(65535, 65535, 65535, 32768, 2), Stick(65535, 65535, 0, 0, 4)});
    JoyStick stick;
    stick.Init(form);
    EXPECT_TRUE(stick.IsRight());
    EXPECT_FALSE(stick.IsLeft());
    EXPECT_EQ(stick.IsButtonDown(), 2);
}

TEST_F(JoyStickTest, DirectionsNeedTheOuterQuarterOfAnAxis)
{
    struct Case {
        std::uint32_t max, position;
        bool low, high; // left/up, right/down
    };
    const Case cases[] = {
        {65535, 16383, true, false}, // round(16383.75) = 16384
        {65535, 16384, false, false},
        {65535, 32768, false, false},
        {65535, 49151, false, false}, // round(49151.25) = 49151
        {65535, 49152, false, true},
        {1000, 249, true, false},
        {1000, 250, false, false},
        {1000, 750, false, false},
        {1000, 751, false, true},
        {2, 0, false, false}, // 0.5 and 1.5 round to 0 and 2: ties to even
        {2, 2, false, false},
        {10, 2, false, false}, // 2.5 and 7.5 round to 2 and 8
        {10, 8, false, false},
        {10, 9, false, true},
    };
    for (const Case& c : cases) {
        platform::headless::SetJoysticks({Stick(c.max, c.max, c.position, c.position)});
        JoyStick stick;
        stick.Init(form);
        EXPECT_EQ(stick.IsLeft(), c.low) << c.max << " " << c.position;
        EXPECT_EQ(stick.IsUp(), c.low) << c.max << " " << c.position;
        EXPECT_EQ(stick.IsRight(), c.high) << c.max << " " << c.position;
        EXPECT_EQ(stick.IsDown(), c.high) << c.max << " " << c.position;
    }
}

TEST_F(JoyStickTest, TheLowestNumberedButtonHeldWins)
{
    struct Case {
        std::uint32_t bits;
        std::int16_t button;
    };
    const Case cases[] = {{0, -1}, {1, 1},     {2, 2},     {4, 3},
                          {8, 4},  {2 | 4, 2}, {1 | 8, 1}, {16, -1}};
    platform::headless::SetJoysticks({Stick(65535, 65535, 32768, 32768)});
    JoyStick stick;
    stick.Init(form);
    for (const Case& c : cases) {
        platform::headless::Joystick(0).reading.wButtons = c.bits;
        EXPECT_EQ(stick.IsButtonDown(), c.button) << c.bits;
    }
}

TEST_F(JoyStickTest, ReadingsThatFailFromTheStartReportTheCentreAndLaterOnesTheLastReading)
{
    ScriptedJoystick failing = Stick(65535, 65535, 0, 0, 1);
    failing.readingFails = true;
    platform::headless::SetJoysticks({failing});
    JoyStick stick;
    stick.Init(form);
    EXPECT_FALSE(stick.IsLeft());
    EXPECT_FALSE(stick.IsUp());
    EXPECT_FALSE(stick.IsRight());
    EXPECT_FALSE(stick.IsDown());
    EXPECT_EQ(stick.IsButtonDown(), -1);

    platform::headless::Joystick(0).readingFails = false;
    EXPECT_TRUE(stick.IsLeft());
    platform::headless::Joystick(0).readingFails = true;
    platform::headless::Joystick(0).reading = {65535, 65535, 0, 0};
    EXPECT_TRUE(stick.IsLeft());
    EXPECT_TRUE(stick.IsUp());
    EXPECT_EQ(stick.IsButtonDown(), 1);
}
