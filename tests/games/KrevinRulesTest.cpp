// The rules of Krevin on a fresh window: the serve, the pad between the walls and the ball off
// them, the pad's bounce angles, the brick side chosen by the shallower entry and one brick a
// pass, what each state does with each input, the ball speed at every wrap, the fly-away after the
// last brick, and the curtain with the high-score hand-off after the last ball.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <tuple>

#include "common/Common.h"
#include "games/krevin/KrevinCommon.h"
#include "games/krevin/KrevinForm.h"
#include "platform/Clock.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Joystick.h"
#include "shell/HighScoreForm.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace kc = KrevinCommon;
using Mode = krevin::GameMode;

class KrevinRulesTest : public testsupport::GameWindowFixture<KrevinForm> {
protected:
    static constexpr std::uint32_t M = 32768; // a joystick axis at rest
    // Level 1 of these bricks (easy: 60 x 30), with a joystick at rest, loaded and served; the ball
    // is then put where a test wants it.
    void PlayOn(const std::string& bricks)
    {
        PlugInStick();
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

// One pass of 100 ms in play. The 100-pixel pad moves at 110 px/s by the held keys and buttons
// (both: right), then by the stick, which overrides them, and stays between the walls at x 20 and
// 780; the 16-pixel ball turns back off the left, right and top walls, only across the wall.
TEST_F(KrevinRulesTest, ThePadStopsAtBothWallsAndTheBallTurnsBackOffThreeWalls)
{
    PlayOn("\"brick\",700,300,0\r\n");
    constexpr std::uint32_t L = 0, R = 65535; // the stick's X
    const struct {
        const char* name;
        double padX;
        bool left, right;
        std::uint32_t stick;
        double x, y, xMov, yMov; // the ball
        double padAfter, xAfter, yAfter, xMovAfter, yMovAfter;
    } cases[] = {
        {"right held", 300, false, true, M, 400, 200, 0, 0, 311, 400, 200, 0, 0},
        {"left held", 300, true, false, M, 400, 200, 0, 0, 289, 400, 200, 0, 0},
        {"both held go right", 300, true, true, M, 400, 200, 0, 0, 311, 400, 200, 0, 0},
        {"stick left over right held", 300, false, true, L, 400, 200, 0, 0, 289, 400, 200, 0, 0},
        {"stick right over left held", 300, true, false, R, 400, 200, 0, 0, 311, 400, 200, 0, 0},
        {"pad at x 20: put to 21", 31, true, false, M, 400, 200, 0, 0, 21, 400, 200, 0, 0},
        {"pad at x 22 stays", 33, true, false, M, 400, 200, 0, 0, 22, 400, 200, 0, 0},
        {"pad's right edge at 780 stays", 669, false, true, M, 400, 200, 0, 0, 680, 400, 200, 0, 0},
        {"pad past the right wall", 670, false, true, M, 400, 200, 0, 0, 679, 400, 200, 0, 0},
        {"ball in flight", 350, false, false, M, 300, 200, 100, -100, 350, 310, 190, 100, -100},
        {"ball at x 20", 350, false, false, M, 30, 200, -100, -50, 350, 21, 195, 100, -50},
        {"ball at x 21 flies on", 350, false, false, M, 31, 200, -100, 50, 350, 21, 205, -100, 50},
        {"ball's right at 780", 350, false, false, M, 754, 200, 100, -5, 350, 763, 199.5, -100, -5},
        {"ball's right at 779", 350, false, false, M, 753, 200, 100, -5, 350, 763, 199.5, 100, -5},
        {"ball at y 20", 350, false, false, M, 400, 30, 50, -100, 350, 405, 21, 50, 100},
        {"ball at y 21 flies on", 350, false, false, M, 400, 31, 50, -100, 350, 405, 21, 50, -100},
        {"ball into the corner", 350, false, false, M, 25, 25, -100, -100, 350, 21, 21, 100, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form.Pad.X = c.padX;
        form.LeftHeld = c.left;
        form.RightHeld = c.right;
        SetStick(c.stick, M);
        PutBall(c.x, c.y, c.xMov, c.yMov);
        Pass(100);
        EXPECT_EQ(form.Pad.X, c.padAfter);
        EXPECT_EQ(std::tie(ball.X, ball.Y, ball.xMov, ball.yMov),
                  std::tie(c.xAfter, c.yAfter, c.xMovAfter, c.yMovAfter));
    }
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

// An input in a state, then a pass of 100 ms: what moves the game on, and no time passing for the
// ball (50 px/s sideways in play) across a pause or an options dialog open for a second. Every
// case starts level 1 anew with 2 lives and 30 points; a new game has 3 and none.
TEST_F(KrevinRulesTest, EachStateTakesItsOwnInputsAndAPauseOrADialogCostsNoTime)
{
    PlayOn("\"brick\",700,300,0\r\n");
    using Input = std::function<void()>;
    using enum krevin::GameMode;
    const auto key = [](std::int16_t k) -> Input { return [k] { KeyPress(k); }; };
    const auto stick = [](std::uint32_t x, std::uint32_t y, std::uint32_t buttons) -> Input {
        return [=] { SetStick(x, y, buttons); };
    };
    const auto options = [this](bool ok) -> Input {
        return [this, ok] { AnswerOptions(1000, ok); };
    };
    const Input resume = [] {
        platform::virtualclock::Advance(1000);
        KeyPress(platform::vbKeyF3);
    };
    const Input hintOver = [this] {
        Common::gPauseOnStop = true;
        form.InitLevel(false, false);
        Pass(5001);
        KeyPress(platform::vbKeyReturn);
    };
    const struct {
        const char* name;
        krevin::GameMode from;
        Input input;
        krevin::GameMode to;
        double moved; // by the ball, sideways
        bool newGame;
    } cases[] = {
        {"waiting, nothing pressed", Waiting, [] {}, Waiting, 0, false},
        {"stick left serves", Waiting, stick(0, M, 0), Playing, 0, false},
        {"stick right serves", Waiting, stick(65535, M, 0), Playing, 0, false},
        {"stick up serves", Waiting, stick(M, 0, 0), Playing, 0, false},
        {"stick down serves", Waiting, stick(M, 65535, 0), Playing, 0, false},
        {"its button serves", Waiting, stick(M, M, platform::JOY_BUTTON1), Playing, 0, false},
        {"Enter after the stop hint serves", Waiting, hintOver, Playing, 5, false},
        {"playing", Playing, [] {}, Playing, 5, false},
        {"F3 pauses", Playing, key(platform::vbKeyF3), Paused, 0, false},
        {"F3 a second later resumes", Paused, resume, Playing, 5, false},
        {"numpad plus while paused", Paused, key(platform::vbKeyAdd), Paused, 0, false},
        {"numpad plus in the fly-away", LevelCleared, key(platform::vbKeyAdd), LevelCleared, 0,
         false},
        {"numpad minus at game over", GameOver, key(platform::vbKeySubtract), GameOver, 0, false},
        {"no brick left", Playing, [] { kc::MapBricks[1].visible = false; }, LevelCleared, 5,
         false},
        {"options cancelled", Playing, options(false), Playing, 5, false},
        // A new game, served by the F1 that opened the dialog.
        {"options with OK", Playing, options(true), Playing, 5, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Common::gPauseOnStop = false;
        form.InitLevel(true, true);
        form.Lives = 2;
        Common::gScore = 30;
        if (c.from != Waiting) {
            form.StartGame();
            form.GameMode = c.from;
        }
        const double x = ball.X;
        c.input();
        Pass(100);
        SetStick(M, M);
        EXPECT_EQ(form.GameMode, c.to);
        EXPECT_EQ(ball.X - x, c.moved);
        EXPECT_EQ(form.Level, 1);
        EXPECT_EQ(form.Lives, c.newGame ? 3 : 2);
        EXPECT_EQ(Common::gScore, c.newGame ? 0 : 30);
        EXPECT_FALSE(form.QuitGame);
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
