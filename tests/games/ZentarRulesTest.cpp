// The rules of Zentar on the headless backend: shots and their gap, the march of each alien, hits
// and score, the fly-out, lives lost by landing or touching, and the game over with its curtain and
// the high-score hand-off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "games/zentar/ZentarCommon.h"
#include "games/zentar/ZentarForm.h"
#include "platform/Headless.h"
#include "platform/Media.h"
#include "shell/HighScoreForm.h"
#include "tests/games/ZentarWindowFixture.h"

namespace {

namespace zc = ZentarCommon;
using Mode = zentar::GameMode;
using Phase = zentar::MarchPhase;

// The ship is 60 x 40 and stands 5 pixels above the panel at y 480, centred on x 400; aliens are
// 60 pixels square in mode "easy".
constexpr double ShipX = 370;
constexpr double ShipY = 435;
constexpr double AlienSize = 60;

class ZentarRulesTest : public ZentarWindowFixture {
protected:
    void SetUp() override
    {
        ZentarWindowFixture::SetUp();
        Save("Zentar", "FxOn", "0");
        LoadWindow();
    }

    // Puts a shot, moving up, with its middle on the given point.
    void ShotAt(std::size_t index, double middleX, double middleY)
    {
        SpriteClass& shot = form.Shots[index];
        shot.Reset();
        shot.X = middleX - shot.width / 2.0;
        shot.Y = middleY - shot.Height / 2.0;
        shot.yMov = -200;
        shot.visible = true;
        shot.Update(SpriteClass::RestartClock);
    }

    // Alien 0 on its way down at 1000 px/s, as if it had just turned at the left side.
    static void MakeFall(SpriteClass& alien)
    {
        alien.xMov = 0;
        alien.yMov = 1000;
        alien.mYdest = 1000;
        alien.id = static_cast<std::int32_t>(Phase::DownAfterLeft);
    }
};

TEST_F(ZentarRulesTest, ShotsNeedMoreThan250MsBetweenThemAndAFreeSlot)
{
    PlaceAliens({{0, 0, 0}});
    Start();
    const SpriteClass& ship = form.Ship;
    ASSERT_EQ(ship.X, ShipX);
    ASSERT_EQ(ship.Y, ShipY);

    struct Step {
        std::int32_t after;
        bool first, second; // visible shots after the attempt
    };
    const Step steps[] = {
        {0, true, false},   // the first shot of a game
        {250, true, false}, // exactly 250 ms later: too soon
        {1, true, true},    // 251 ms: the second slot
        {300, true, true},  // both slots taken: nothing
    };
    for (const Step& step : steps) {
        platform::virtualclock::Advance(step.after);
        form.FireShot();
        EXPECT_EQ(form.Shots[0].visible, step.first) << "after " << step.after;
        EXPECT_EQ(form.Shots[1].visible, step.second) << "after " << step.after;
    }
    // The shot leaves from the ship's middle, its bottom on the ship's top, at 200 px/s.
    const SpriteClass& shot = form.Shots[0];
    EXPECT_EQ(shot.X, ShipX + 30 - shot.width / 2);
    EXPECT_EQ(shot.Y, ShipY - shot.Height);
    EXPECT_EQ(shot.yMov, -200);

    // A slot freed by a shot leaving the top is taken by the next attempt.
    form.Shots[0].Y = -form.Shots[0].Height - 1;
    Pass(16);
    EXPECT_FALSE(form.Shots[0].visible);
    form.FireShot();
    EXPECT_TRUE(form.Shots[0].visible);
    EXPECT_EQ(form.Shots[0].Y, ShipY - form.Shots[0].Height);
}

TEST_F(ZentarRulesTest, ShotsAreFiredOnlyWhilePlaying)
{
    PlaceAliens({{0, 0, 0}});
    for (const Mode mode : {Mode::Waiting, Mode::Paused, Mode::LevelCleared, Mode::GameOver}) {
        form.GameMode = mode;
        form.FireShot();
        EXPECT_FALSE(form.Shots[0].visible) << static_cast<int>(mode);
    }
}

TEST_F(ZentarRulesTest, AnAlienAtASideDescendsByItsOwnHeightThenTurns)
{
    // One alien 10 px from the right side, one 10 px from the left side already moving left.
    PlaceAliens({{0, 730, 100}, {1, 10, 200}});
    SpriteClass& right = zc::MapAliens[0];
    SpriteClass& left = zc::MapAliens[1];
    left.xMov = -50;
    left.id = static_cast<std::int32_t>(Phase::Left);
    Start();
    ASSERT_EQ(form.MarchSpeed, 50);

    struct Step {
        std::int32_t after;
        double rightX, rightY;
        Phase rightPhase;
        double leftX, leftY;
        Phase leftPhase;
    };
    const Step steps[] = {
        {100, 735, 100, Phase::Right, 5, 200, Phase::Left},
        // At the sides: each stops there and starts down.
        {100, 740, 100, Phase::DownAfterRight, 0, 200, Phase::DownAfterLeft},
        {600, 740, 130, Phase::DownAfterRight, 0, 230, Phase::DownAfterLeft},
        // One alien height down: each turns the other way.
        {600, 740, 160, Phase::Left, 0, 260, Phase::Right},
        {200, 730, 160, Phase::Left, 10, 260, Phase::Right},
    };
    for (const Step& step : steps) {
        Pass(step.after);
        EXPECT_EQ(right.X, step.rightX);
        EXPECT_EQ(right.Y, step.rightY);
        EXPECT_EQ(right.id, static_cast<std::int32_t>(step.rightPhase));
        EXPECT_EQ(left.X, step.leftX);
        EXPECT_EQ(left.Y, step.leftY);
        EXPECT_EQ(left.id, static_cast<std::int32_t>(step.leftPhase));
    }
    EXPECT_EQ(form.GameMode, Mode::Playing);
}

TEST_F(ZentarRulesTest, AHitScoresTenHidesTheAlienAndShowsOneExplosionFor250Ms)
{
    // Two aliens on top of each other and a third apart: one shot takes both of the pair.
    PlaceAliens({{0, 100, 100}, {1, 100, 100}, {2, 400, 100}});
    Start();
    ShotAt(0, 130, 130);
    Pass(1);
    EXPECT_EQ(Common::gScore, 20);
    EXPECT_FALSE(zc::MapAliens[0].visible);
    EXPECT_FALSE(zc::MapAliens[1].visible);
    EXPECT_TRUE(zc::MapAliens[2].visible);
    EXPECT_FALSE(form.Shots[0].visible);
    EXPECT_EQ(std::count_if(form.HitExplosions.begin(), form.HitExplosions.end(),
                            [](const SpriteClass& e) { return e.visible; }),
              1);
    // Where the aliens were hit; hidden, they march on unseen.
    for (const SpriteClass& explosion : form.HitExplosions) {
        EXPECT_EQ(explosion.X, 100);
        EXPECT_EQ(explosion.Y, 100);
    }
    EXPECT_EQ(form.HitExplosionUntil, GameUtil::GetTickMs() + 250);
    EXPECT_EQ(form.GameMode, Mode::Playing);
}

TEST_F(ZentarRulesTest, ClearingTheLastAlienFliesTheShipOutToTheNextLevel)
{
    PlaceAliens({{0, 100, 100}});
    Start();
    ShotAt(0, 130, 130);
    Pass(1);
    EXPECT_EQ(form.GameMode, Mode::LevelCleared);

    // At 50 px/s the ship's left passes 850 after 9.6 s; the flowers rise meanwhile.
    Pass(100);
    EXPECT_EQ(form.Ship.X, ShipX + 5);
    // Each flower rises at 100 to 300 px/s and drifts at most 50 px/s either way.
    for (const SpriteClass& flower : form.Flowers) {
        EXPECT_TRUE(flower.visible);
        EXPECT_TRUE(flower.yMov <= -100 && flower.yMov >= -300 && std::abs(flower.xMov) <= 50);
    }
    for (int pass = 0; pass < 94; ++pass) {
        Pass(100);
    }
    EXPECT_EQ(form.GameMode, Mode::LevelCleared);
    EXPECT_EQ(form.Level, 1);
    Pass(100);
    Pass(100);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    EXPECT_EQ(form.Level, 2);
    EXPECT_FALSE(form.WonPlayed);
    // The ship is back in the middle and level 2 of the shipped maps is read.
    EXPECT_EQ(form.Ship.X, ShipX);
    EXPECT_EQ(zc::MapAliens.size(), 14U);
    EXPECT_EQ(Common::gScore, 10);
}

TEST_F(ZentarRulesTest, AnAlienPassingTheBottomOrTouchingTheShipCostsALife)
{
    struct Case {
        const char* name;
        double x, y;
    };
    const Case cases[] = {
        {"below 480", 0, 421}, // 60 ms after the start its top is at 481
        {"on the ship", ShipX, ShipY - AlienSize + 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.InitLevel(true, true);
        // The first alien falls (it is on its way down); the second was destroyed before.
        PlaceAliens({{0, c.x, c.y}, {1, 600, 50, false}});
        SpriteClass& alien = zc::MapAliens[0];
        MakeFall(alien);
        Start();
        Pass(60);
        EXPECT_EQ(form.GameMode, Mode::LifeLost);
        Pass(16);
        EXPECT_EQ(form.Lives, 2);
        EXPECT_EQ(form.GameMode, Mode::Waiting);
        EXPECT_EQ(form.ShipExplosion.X, ShipX) << "the explosion 20 pixels above the ship";
        EXPECT_EQ(form.ShipExplosion.Y, ShipY - 20);
        // The survivor is back at its start, marching right; the destroyed alien stays so.
        EXPECT_EQ(alien.X, c.x);
        EXPECT_EQ(alien.Y, c.y);
        EXPECT_EQ(alien.id, static_cast<std::int32_t>(Phase::Right));
        EXPECT_EQ(alien.xMov, 50);
        EXPECT_TRUE(alien.visible);
        EXPECT_FALSE(zc::MapAliens[1].visible);
    }
}

TEST_F(ZentarRulesTest, TheShipStopsInsideEitherSideAndAutomaticMotionTurnsBack)
{
    // One pass moves the ship; the next finds it at a side (its left at 0 or below, its right
    // beyond 800), puts it back inside, clears the held flags and turns automatic motion round.
    struct Case {
        const char* name;
        double startX;
        bool left, right, autoMove;
        double x; // after the second pass
        bool stopped;
    };
    const Case cases[] = {
        {"left held", 5, true, false, false, 1, true},
        {"left edge reaching 0", 10, true, false, false, 1, true},
        {"right held", 735, false, true, false, 800 - 60 - 1, true},
        {"right edge exactly at 800", 730, false, true, false, 741.6, false},
        {"automatic to the left", 5, false, false, true, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.InitLevel(true, true);
        PlaceAliens({{0, 0, 0}});
        form.Ship.X = c.startX;
        form.LeftHeld = c.left;
        form.RightHeld = c.right;
        form.AutoMove = c.autoMove;
        form.AutoLeft = true;
        Start();
        Pass(100);
        Pass(16);
        EXPECT_NEAR(form.Ship.X, c.x, 1e-9);
        EXPECT_EQ(form.Ship.xMov == 0, c.stopped);
        EXPECT_EQ(form.LeftHeld || form.RightHeld, !c.stopped && (c.left || c.right));
        EXPECT_EQ(form.AutoLeft, !c.stopped);
    }
}

TEST_F(ZentarRulesTest, EachInputSteersTheShipAtItsSpeedAndLaterInputsOverrideEarlierOnes)
{
    PlugInStick();
    form.Stick.Init(form);
    // In order: arrows, automatic motion, the stick; 100 ms at 100 px/s from x 370.
    struct Case {
        const char* name;
        bool left, right, autoMove, autoLeft;
        std::uint32_t stickX, stickY, buttons;
        double x;
        bool fired;
    };
    const Case cases[] = {
        {"left arrow", true, false, false, false, 32768, 32768, 0, 360, false},
        {"right arrow", false, true, false, false, 32768, 32768, 0, 380, false},
        {"left and right", true, true, false, false, 32768, 32768, 0, 380, false},
        {"automatic right", false, false, true, false, 32768, 32768, 0, 380, false},
        {"automatic left", false, false, true, true, 32768, 32768, 0, 360, false},
        {"automatic over an arrow", true, false, true, false, 32768, 32768, 0, 380, false},
        {"stick left", false, false, false, false, 0, 32768, 0, 360, false},
        {"stick right", false, false, false, false, 65535, 32768, 0, 380, false},
        {"stick over automatic", false, false, true, false, 0, 32768, 0, 360, false},
        {"stick up and down", false, false, false, false, 32768, 0, 0, 370, false},
        {"stick button fires", false, false, false, false, 32768, 65535, 1, 370, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlaceAliens({{0, 0, 0}});
        form.LeftHeld = c.left;
        form.RightHeld = c.right;
        form.AutoMove = c.autoMove;
        form.AutoLeft = c.autoLeft;
        SetStick(c.stickX, c.stickY, c.buttons);
        platform::virtualclock::Advance(300); // the shot gap
        Start();
        Pass(100);
        EXPECT_DOUBLE_EQ(form.Ship.X, c.x);
        EXPECT_EQ(form.Shots[0].visible, c.fired);
    }
}

TEST_F(ZentarRulesTest, AnAlienLandsOnlyWhenItsTopPasses480)
{
    const struct {
        double startY; // 60 ms at 1000 px/s later its top is 60 pixels lower
        bool lands;
    } cases[] = {{400, false}, {420, false}, {421, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.startY);
        form.InitLevel(true, true);
        PlaceAliens({{0, 0, c.startY}});
        MakeFall(zc::MapAliens[0]);
        Start();
        Pass(60);
        EXPECT_EQ(form.GameMode, c.lands ? Mode::LifeLost : Mode::Playing);
    }
}

TEST_F(ZentarRulesTest, TheLastLifeDropsTheCurtainAndHandsAQualifyingScoreToTheHighScoreWindow)
{
    Save("Menu", "HighScore", "1");
    form.ReadSettings();
    PlaceAliens({{0, 0, 421}});
    MakeFall(zc::MapAliens[0]);
    form.Lives = 1;
    Common::gScore = 100; // above the default table's 10 .. 60
    Start();
    Pass(60);
    ASSERT_EQ(form.GameMode, Mode::LifeLost);
    Pass(16);
    EXPECT_EQ(form.Lives, 0);
    ASSERT_EQ(form.GameMode, Mode::GameOver);

    // The curtain starts from rest at 10 px/s: the pass that starts it counts no time before it.
    Pass(0);
    EXPECT_TRUE(form.Curtain.visible);
    EXPECT_EQ(form.Curtain.Y, -form.Curtain.Height);
    EXPECT_EQ(form.Curtain.yMov, 10);
    // After 1 s: 10 px/s plus 125 px/s per second gained over the pass.
    Pass(1000);
    EXPECT_EQ(form.Curtain.yMov, 135);
    EXPECT_EQ(form.Curtain.Y, -form.Curtain.Height + 135);

    bool shown = false;
    platform::headless::OnIdle([&] {
        if (TheHighScoreForm().Visible()) {
            shown = true;
            TheHighScoreForm().Unload();
        }
    });
    // Once down, the game stands still for 5000 ms before the high-score window.
    std::int64_t lastPass = 0;
    for (int pass = 0; pass < 100 && form.GameMode == Mode::GameOver; ++pass) {
        const std::int64_t before = platform::headless::Elapsed();
        Pass(100);
        lastPass = platform::headless::Elapsed() - before;
    }
    platform::headless::OnIdle(nullptr);
    EXPECT_GE(lastPass, 5100);
    EXPECT_TRUE(shown);
    // Then a new game waits at level 1.
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    EXPECT_EQ(form.Level, 1);
    EXPECT_EQ(form.Lives, 3);
    EXPECT_EQ(Common::gScore, 0);
    EXPECT_FALSE(form.Curtain.visible);
}

TEST_F(ZentarRulesTest, EveryClearedLevelPlaysTheJingleEvenAfterAFlyOutWasLeftEarly)
{
    Save("Zentar", "FxOn", "1");
    form.ReadSettings();
    const auto jingles = [] {
        const auto& log = platform::headless::MediaLog();
        return std::count(log.begin(), log.end(), std::string("Play Sfx\\Zentar\\won.mid"));
    };
    PlaceAliens({{0, 100, 100}});
    Start();
    ShotAt(0, 130, 130);
    Pass(1);
    Pass(16);
    ASSERT_EQ(form.GameMode, Mode::LevelCleared);
    EXPECT_EQ(jingles(), 1);
    // F3 during the fly-out plays on; numpad + then sets the next level up before the fly-out ends.
    form.GameMode = Mode::Playing;
    form.Level = 5;
    form.InitLevel(false, true);
    PlaceAliens({{0, 100, 100}});
    Start();
    ShotAt(0, 130, 130);
    Pass(1);
    Pass(16);
    ASSERT_EQ(form.GameMode, Mode::LevelCleared);
    EXPECT_EQ(jingles(), 2);
}

} // namespace
