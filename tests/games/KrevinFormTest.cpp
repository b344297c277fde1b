// The Krevin window: its settings, the keys and clicks that serve, steer, pause and change level,
// the stop hint, and a level 1 that cannot be read.
#include <gtest/gtest.h>

#include <string>

#include "common/Common.h"
#include "games/krevin/KrevinCommon.h"
#include "games/krevin/KrevinForm.h"
#include "platform/Input.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace kc = KrevinCommon;
using Mode = krevin::GameMode;

class KrevinFormTest : public testsupport::GameWindowFixture<KrevinForm> {
protected:
    void ShowLevel()
    {
        WriteMap("Krevin", 1, "\"background\",1\r\n\"brick\",40,20,0\r\n");
        ShowWindow();
    }
};

TEST_F(KrevinFormTest, AnEmptySectionPlaysEasyWithTheDefaultSpeedsMusicAndEffects)
{
    ShowLevel();
    EXPECT_EQ(Common::gGameName, "Krevin");
    EXPECT_EQ(Common::gMode, "easy");
    EXPECT_EQ(form.PadSpeed, 110);
    EXPECT_EQ(form.StartBallSpeed, 50);
    EXPECT_EQ(form.BackgroundChoice, 3);
    EXPECT_TRUE(form.MusicOn);
    EXPECT_TRUE(form.FxOn);
    EXPECT_EQ(kc::MapBricks[1].width, 60);
}

TEST_F(KrevinFormTest, WhileWaitingEveryKeyButNumpadPlusMinusAndF3Serves)
{
    const struct {
        std::int16_t key;
        bool serves;
    } cases[] = {
        {platform::vbKeyA, true},   {platform::vbKeyReturn, true}, {platform::vbKeyLeft, true},
        {platform::vbKeyF3, false}, {platform::vbKeyAdd, false},   {platform::vbKeySubtract, false},
    };
    ShowLevel();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        form.InitLevel(true, true);
        KeyDown(c.key);
        EXPECT_EQ(form.GameMode, c.serves ? Mode::Playing : Mode::Waiting);
        // Numpad minus on level 1 stays there; plus past the last level wraps back to it.
        EXPECT_EQ(form.Level, 1);
        KeyUp(c.key);
    }
    // F3 pauses play and resumes it, nothing else.
    KeyDown(platform::vbKeyA);
    KeyDown(platform::vbKeyF3);
    EXPECT_EQ(form.GameMode, Mode::Paused);
    KeyDown(platform::vbKeyF3);
    EXPECT_EQ(form.GameMode, Mode::Playing);
}

TEST_F(KrevinFormTest, KeysAndButtonsSteerThePadUntilAnyIsReleased)
{
    const struct {
        bool oneButton;
        double ballX; // the pad's middle is at 400
        std::int16_t key;
        bool left, right;
    } cases[] = {
        {false, 400, platform::vbKeyRight, false, true},
        {false, 400, platform::vbKeySpace, true, false},
        {true, 400, platform::vbKeyReturn, false, true}, // exactly above the middle: right
        {true, 380, platform::vbKeyReturn, true, false},
        {true, 500, platform::vbKeyRight, false, true},
    };
    ShowLevel();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ballX);
        Common::gOneButton = c.oneButton;
        form.Balls[0].X = c.ballX - 8;
        KeyDown(c.key);
        EXPECT_EQ(form.LeftHeld, c.left);
        EXPECT_EQ(form.RightHeld, c.right);
        // A second press while a direction is held keeps it.
        form.Balls[0].X = 800 - c.ballX;
        KeyDown(c.key);
        EXPECT_EQ(form.LeftHeld, c.left);
        KeyUp(platform::vbKeyA);
        EXPECT_FALSE(form.LeftHeld || form.RightHeld);
    }
    // A press in the field serves, then steers: the left button left, any other right, until
    // released.
    form.InitLevel(true, true);
    for (const std::int16_t button : {platform::vbLeftButton, platform::vbMiddleButton}) {
        const platform::Point at = OnScreen(300, 300);
        platform::headless::After(0).MouseDown(button, at.x, at.y);
        platform::DoEvents();
        EXPECT_EQ(form.GameMode, Mode::Playing);
        EXPECT_EQ(form.LeftHeld, button == platform::vbLeftButton);
        EXPECT_EQ(form.RightHeld, button != platform::vbLeftButton);
        platform::headless::After(0).MouseUp(button, at.x, at.y);
        platform::DoEvents();
        EXPECT_FALSE(form.LeftHeld || form.RightHeld);
    }
}

TEST_F(KrevinFormTest, EnterDuringTheStopHintLeavesAWaitingGame)
{
    Save("Menu", "PauseOnStop", "1");
    ShowLevel();
    form.InitLevel(false, false);
    ASSERT_TRUE(Common::gStopHint);
    KeyDown(platform::vbKeyReturn);
    EXPECT_TRUE(form.QuitGame);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
}

TEST_F(KrevinFormTest, WithoutAReadableLevelOneTheLoopEndsBeforeItsFirstPassWithNoBrick)
{
    WriteMap("Krevin", 1, "\"brick\",40,20,0\r\n\"brick\",100,20,11\r\n");
    ShowWindow();
    EXPECT_TRUE(form.QuitGame);
    ASSERT_EQ(kc::MapBricks.size(), 1U);
    EXPECT_FALSE(kc::MapBricks[0].visible);
    EXPECT_EQ(kc::MapBricks[0].id, -1);
}

} // namespace
