// Joystick calls on the headless backend: no device, scripted devices, and devices that fail.
#include <gtest/gtest.h>

#include "platform/Joystick.h"

namespace {

using platform::JOYCAPSA;
using platform::JOYINFO;

class JoystickTest : public ::testing::Test {
protected:
    void TearDown() override { platform::headless::UseJoystick(true); }
};

TEST_F(JoystickTest, NoJoystickIsANormalCase)
{
    EXPECT_EQ(platform::joyGetNumDevs(), 0U);
    JOYCAPSA caps;
    JOYINFO info{1, 2, 3, 4};
    EXPECT_EQ(platform::joyGetDevCapsA(0, &caps), platform::JOYERR_PARMS);
    EXPECT_EQ(platform::joyGetPos(0, &info), platform::JOYERR_PARMS);
    EXPECT_EQ(info.wXpos, 1U);
    EXPECT_EQ(info.wButtons, 4U);
}

TEST_F(JoystickTest, AnswersScriptedCapabilitiesAndReadings)
{
    platform::headless::ScriptedJoystick unplugged;
    unplugged.capsFail = true;
    unplugged.readingFails = true;
    platform::headless::ScriptedJoystick pad;
    pad.caps.szPname = "Pad";
    pad.caps.wXmax = 65535;
    pad.caps.wYmax = 65535;
    pad.caps.wNumButtons = 4;
    pad.reading = {16383, 49152, 32768, platform::JOY_BUTTON2 | platform::JOY_BUTTON3};
    platform::headless::SetJoysticks({unplugged, pad});

    EXPECT_EQ(platform::joyGetNumDevs(), 2U);
    JOYCAPSA caps;
    EXPECT_EQ(platform::joyGetDevCapsA(0, &caps), platform::JOYERR_UNPLUGGED);
    ASSERT_EQ(platform::joyGetDevCapsA(1, &caps), platform::JOYERR_NOERROR);
    EXPECT_EQ(caps.wXmax, 65535U);
    EXPECT_EQ(caps.wYmax, 65535U);
    EXPECT_EQ(platform::joyGetDevCapsA(2, &caps), platform::JOYERR_PARMS);

    JOYINFO info;
    ASSERT_EQ(platform::joyGetPos(1, &info), platform::JOYERR_NOERROR);
    EXPECT_EQ(info.wXpos, 16383U);
    EXPECT_EQ(info.wYpos, 49152U);
    EXPECT_EQ(info.wButtons, 6U);

    // A reading that fails leaves the last one in place.
    platform::headless::Joystick(1).readingFails = true;
    platform::headless::Joystick(1).reading.wXpos = 0;
    EXPECT_EQ(platform::joyGetPos(1, &info), platform::JOYERR_UNPLUGGED);
    EXPECT_EQ(info.wXpos, 16383U);
    EXPECT_EQ(platform::joyGetPos(0, &info), platform::JOYERR_UNPLUGGED);
    EXPECT_EQ(platform::joyGetPos(1, nullptr), platform::JOYERR_PARMS);
}

} // namespace
