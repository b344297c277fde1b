// The rules of Krevin on a fresh window: the serve, the pad's bounce angles, the brick side chosen
// by the shallower entry and one brick a pass, the ball speed at every wrap, the fly-away after
// the last brick, and the curtain with the high-score hand-off after the last ball.
#include <gtest/gtest.h>

#include <string>

#include "common/Common.h"
#include "games/krevin/KrevinCommon.h"
#include "games/krevin/KrevinForm.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "shell/HighScoreForm.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace kc = KrevinCommon;
using Mode = krevin::GameMode;

class KrevinRulesTest : public testsupport::GameWindowFixture<KrevinForm> {
protected:
    // Level 1 of these bricks (easy: 60 x 30), loaded and served; the ball is then put where a
    // test wants it.
    void PlayOn(const std::string& bricks)
    {
        WriteMap("Krevin", 1, "\"background\",1\r\n" + bricks);
        ShowWindow();
        form.StartGame();
    }
    void PutBall(double x, double y, double xMov, double yMov)
    {
        ball.X = x;
        ball.Y = y;
        ball.xMov = xMov;
        ball.yMov = yMov;
    }
    SpriteClass& ball = form.Balls[0];
};

TEST_F(KrevinRulesTest, TheBallRestsOnTheCentredPadAndIsServedAsFastRightAsUp)
{
    PlayOn("\"brick\",40,20,0\r\n");
    // The 100 x 20 pad stands 5 pixels above the panel; the 16-pixel ball's left edge on its
    // middle.
    EXPECT_EQ(form.Pad.X, 350);
    EXPECT_EQ(form.Pad.Y, 455);
    EXPECT_EQ(ball.X, 400);
    EXPECT_EQ(ball.Y, 439);
    EXPECT_EQ(ball.xMov, 50);
    EXPECT_EQ(ball.yMov, -50);
    EXPECT_EQ(form.GameMode, Mode::Playing);
}

TEST_F(KrevinRulesTest, ThePadSendsTheBallSidewaysByHowFarFromItsMiddleItMeetsIt)
{
    PlayOn("\"brick\",40,20,0\r\n");
    // The pad's middle is at 400 and its half 50 wide; the ball's middle lies 8 right of its X.
    const struct {
        double middle, yMov, xMov, yMovAfter;
    } cases[] = {
        {400, 50, 0, -50},                          // straight up from the middle
        {425, 50, 50, -50},                         // a quarter out: the ball speed sideways
        {450, 50, 100, -50},                        // the right end: twice the ball speed
        {350, 50, -100, -50}, {345, 50, -110, -50}, // beyond the end, more still
        {375, -70, -50, -70}, // a ball already rising keeps its vertical speed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.middle);
        PutBall(c.middle - 8, 450, 20, c.yMov);
        Pass(0);
        EXPECT_DOUBLE_EQ(ball.xMov, c.xMov);
        EXPECT_EQ(ball.yMov, c.yMovAfter);
    }
}

// The first brick covers x 220..280 and the second 280..340, both y 110..140; the ball is 16
// square. A ball over both hits only the first in a pass.
TEST_F(KrevinRulesTest, ABrickBouncesTheBallOffTheSideItEnteredLeastDeeply)
{
    const struct {
        const char* name;
        double x, y, xMov, yMov;
        double xAfter, yAfter, xMovAfter, yMovAfter;
    } cases[] = {
        {"down right, 3 in from the left, 5 from the top", 207, 99, 50, 50, 203, 99, -50, 50},
        {"down right, 5 and 5: a tie bounces vertically", 209, 99, 50, 50, 209, 93, 50, -50},
        {"up left, 3 in from the right, 5 from the bottom", 277, 135, -50, -50, 281, 135, 50, -50},
        {"up left, 5 and 3", 275, 137, -50, -50, 275, 141, -50, 50},
        {"straight down", 240, 100, 0, 50, 240, 93, 0, -50},
        {"straight left", 270, 120, -50, 0, 281, 120, 50, 0},
    };
    PlayOn("\"brick\",220,110,4\r\n\"brick\",280,110,5\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kc::MapBricks[1].visible = true;
        Common::gScore = 0;
        PutBall(c.x, c.y, c.xMov, c.yMov);
        Pass(0);
        EXPECT_FALSE(kc::MapBricks[1].visible);
        EXPECT_TRUE(kc::MapBricks[2].visible);
        EXPECT_EQ(Common::gScore, 10);
        EXPECT_EQ(ball.X, c.xAfter);
        EXPECT_EQ(ball.Y, c.yAfter);
        EXPECT_EQ(ball.xMov, c.xMovAfter);
        EXPECT_EQ(ball.yMov, c.yMovAfter);
    }
}

TEST_F(KrevinRulesTest, EveryWrapToLevelOneMakesTheBallHalfAgainAsFastUpTo32767)
{
    PlayOn("\"brick\",40,20,0\r\n");
    // Numpad plus past the last level wraps; ties to even from 112.5 on.
    for (const std::int16_t speed : {75, 112, 168, 252, 378, 567}) {
        KeyDown(platform::vbKeyAdd);
        EXPECT_EQ(form.Level, 1);
        EXPECT_EQ(form.CurrentBallSpeed, speed);
    }
    form.CurrentBallSpeed = 30000;
    for (int wrap = 0; wrap < 2; ++wrap) {
        KeyDown(platform::vbKeyAdd);
        EXPECT_EQ(form.CurrentBallSpeed, 32767);
    }
}

TEST_F(KrevinRulesTest, TheLastBrickSendsThePadAwayOnItsFlameToTheNextLevel)
{
    WriteMap("Krevin", 2, "\"background\",2\r\n\"brick\",40,20,0\r\n\"brick\",100,20,0\r\n");
    PlayOn("\"brick\",220,110,4\r\n");
    PutBall(240, 100, 0, 50);
    Pass(0);
    Pass(0);
    ASSERT_EQ(form.GameMode, Mode::LevelCleared);
    // From rest, 125 px/s gained per second: after one second 125 px/s up, 125 px higher.
    Pass(1000);
    EXPECT_EQ(form.Pad.yMov, -125);
    EXPECT_EQ(form.Pad.Y, 330);
    EXPECT_EQ(form.Flame.Y, form.Pad.Bottom() - 2);
    EXPECT_EQ(form.Flame.X, 400 - 20);
    // Once the pad's bottom is above -100, two seconds' stand-still and level 2.
    const std::int64_t before = platform::headless::Elapsed();
    for (int pass = 0; pass < 20 && form.GameMode == Mode::LevelCleared; ++pass) {
        Pass(500);
    }
    EXPECT_GE(platform::headless::Elapsed() - before, 2000);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    EXPECT_EQ(form.Level, 2);
    EXPECT_EQ(kc::MapBricks.size(), 3U);
    EXPECT_EQ(form.CurrentBallSpeed, 50);
}

TEST_F(KrevinRulesTest, TheLastBallLostDropsTheCurtainAndHandsAQualifyingScoreOn)
{
    Save("Menu", "HighScore", "1");
    PlayOn("\"brick\",40,20,0\r\n");
    // With a second life the ball comes back to the pad and the bricks stay as they were.
    kc::MapBricks[1].visible = false;
    PutBall(300, 480, 0, 50);
    Pass(0);
    EXPECT_EQ(form.GameMode, Mode::LifeLost);
    Pass(0);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    EXPECT_EQ(form.Lives, 2);
    EXPECT_EQ(ball.X, 400);
    EXPECT_FALSE(kc::MapBricks[1].visible);

    form.Lives = 1;
    Common::gScore = 100; // above the default table's 10 .. 60
    form.StartGame();
    PutBall(300, 480, 0, 50);
    Pass(0);
    EXPECT_EQ(form.Lives, 0);
    ASSERT_EQ(form.GameMode, Mode::GameOver);
    bool shown = false;
    platform::headless::OnIdle([&] {
        if (TheHighScoreForm().Visible()) {
            shown = true;
            TheHighScoreForm().Unload();
        }
    });
    for (int pass = 0; pass < 100 && form.GameMode == Mode::GameOver; ++pass) {
        Pass(100);
    }
    platform::headless::OnIdle(nullptr);
    EXPECT_TRUE(shown);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    EXPECT_EQ(form.Lives, 3);
    EXPECT_EQ(Common::gScore, 0);
}

} // namespace
