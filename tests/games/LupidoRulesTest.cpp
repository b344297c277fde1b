// The rules of Lupido on a real window, headless: the hop lock, cars, logs and rivers, home, the
// last life, the stop hint, the level speed, and a replay of a scripted run.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "games/lupido/LupidoCommon.h"
#include "games/lupido/LupidoForm.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "shell/HighScoreForm.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace lc = LupidoCommon;
using Mode = lupido::GameMode;

// Mode easy: rows of 60 pixels; the 60-pixel rabbit starts at (360, 420) and is home at y 60.
// A road on the row above the start with a car far to the left driving right, grass above it, a
// river at y 240 with a log (x 200 to 380) drifting right, and grass up to home.
constexpr const char* Map = "road,0,360\ncar,0,-200,366,1\nriver,0,240\nlog,0,200,246,1\n";

class LupidoRulesTest : public testsupport::GameWindowFixture<LupidoForm> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        Save("Lupido", "FxOn", "0");
        WriteMap("Lupido", 1, Map);
        WriteMap("Lupido", 2, Map);
        ShowWindow();
    }

    void Place(double x, double y)
    {
        form.Rabbit.X = x;
        form.Rabbit.Y = y;
    }
    std::pair<double, double> Rabbit() const { return {form.Rabbit.X, form.Rabbit.Y}; }
};

TEST_F(LupidoRulesTest, EveryMoveLocksInputForASecondUntilAKeyIsReleased)
{
    KeyDown(platform::vbKeyUp);
    EXPECT_EQ(Rabbit(), std::make_pair(360.0, 360.0));
    Pass(1000);
    KeyDown(platform::vbKeyUp);
    EXPECT_EQ(Rabbit(), std::make_pair(360.0, 360.0));
    Pass(1);
    KeyDown(platform::vbKeyUp);
    EXPECT_EQ(Rabbit(), std::make_pair(360.0, 300.0));
    KeyUp(platform::vbKeyA);
    KeyDown(platform::vbKeyLeft);
    EXPECT_EQ(Rabbit(), std::make_pair(300.0, 300.0));
    // A refused hop off the bottom locks too; a left click frees the lock and hops facing.
    KeyUp(platform::vbKeyLeft);
    Place(300, 420);
    KeyDown(platform::vbKeyDown);
    KeyDown(platform::vbKeyRight);
    EXPECT_EQ(Rabbit(), std::make_pair(300.0, 420.0));
    Click(platform::vbLeftButton, 400, 100);
    EXPECT_EQ(Rabbit(), std::make_pair(240.0, 420.0));
    EXPECT_EQ(form.Facing, lupido::FacingLeft);
}

TEST_F(LupidoRulesTest, ACarSendsTheRabbitSpinningAwayFromItAndALifeGoes)
{
    for (const double carSpeed : {40.0, -40.0}) {
        form.InitLevel(true, false);
        lc::MapCars[0].X = 330;
        lc::MapCars[0].xMov = carSpeed;
        KeyPress(platform::vbKeyUp);
        Pass(10);
        ASSERT_EQ(form.GameMode, Mode::HitByCar);
        Pass(10);
        EXPECT_TRUE(form.Flying);
        EXPECT_EQ(form.Rabbit.xMov, carSpeed > 0 ? 200 : -200);
        EXPECT_EQ(std::abs(form.Rabbit.yMov), 50);
        // Off the screen after about two seconds at 200 px/s: back at the start, a life less.
        for (int pass = 0; pass < 200 && form.GameMode == Mode::HitByCar; ++pass) {
            Pass(20);
        }
        EXPECT_EQ(form.GameMode, Mode::Playing);
        EXPECT_EQ(form.Lives, 2);
        EXPECT_EQ(Rabbit(), std::make_pair(360.0, 420.0));
    }
}

TEST_F(LupidoRulesTest, ALogCarriesTheRabbitAndARiverWithoutOneDrownsItInSevenFrames)
{
    for (const bool pictures : {true, false}) {
        form.InitLevel(true, false);
        if (!pictures) {
            form.DrownAnimation.CleanUp();
        }
        lc::MapLogs[0].X = 300;
        Place(360, 240);
        Pass(100);
        EXPECT_EQ(form.Rabbit.xMov, 40);
        Pass(500);
        EXPECT_EQ(form.Rabbit.X, 380);
        EXPECT_EQ(form.GameMode, Mode::Playing);
        lc::MapLogs[0].X = 600;
        Pass(10);
        ASSERT_EQ(form.GameMode, Mode::Drowning);
        Pass(10);
        // Six frames of 350 ms, then the seventh passes at once.
        for (int frame = 0; frame < 6; ++frame) {
            Pass(351);
        }
        EXPECT_EQ(form.GameMode, Mode::Drowning);
        Pass(1);
        EXPECT_EQ(form.GameMode, Mode::Playing);
        EXPECT_EQ(form.Lives, 2);
        EXPECT_TRUE(form.Rabbit.visible);
    }
}

TEST_F(LupidoRulesTest, HomeScoresTenOnceAndTheNextLevelStartsAfterSixAndAHalfSeconds)
{
    Place(360, 120);
    KeyDown(platform::vbKeyUp);
    Pass(10);
    ASSERT_EQ(form.GameMode, Mode::HomeReached);
    Pass(10);
    EXPECT_EQ(Common::gScore, 10);
    EXPECT_EQ(Rabbit(), std::make_pair(370.0, 60.0));
    Pass(6500);
    EXPECT_EQ(form.GameMode, Mode::HomeReached);
    Pass(1);
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_EQ(form.Level, 2);
    EXPECT_EQ(form.LevelSpeed, 45);
    EXPECT_EQ(Common::gScore, 10);
}

TEST_F(LupidoRulesTest, TheLastLifeRollsTheScrollDownAndHandsAQualifyingScoreOn)
{
    Save("Menu", "HighScore", "1");
    form.ReadSettings();
    form.Lives = 1;
    Common::gScore = 100; // above the default table
    Place(0, 240);
    Pass(10);
    ASSERT_EQ(form.GameMode, Mode::Drowning);
    for (int pass = 0; pass < 20 && form.GameMode == Mode::Drowning; ++pass) {
        Pass(400);
    }
    ASSERT_EQ(form.GameMode, Mode::GameOver);
    bool shown = false;
    platform::headless::OnIdle([&] {
        shown = shown || TheHighScoreForm().Visible();
        TheHighScoreForm().Unload();
    });
    std::int64_t lastPass = 0;
    for (int pass = 0; pass < 200 && form.GameMode == Mode::GameOver; ++pass) {
        const std::int64_t before = platform::headless::Elapsed();
        Pass(50);
        lastPass = platform::headless::Elapsed() - before;
    }
    EXPECT_TRUE(shown);
    // The scroll stands for 2000 ms once down.
    EXPECT_GE(lastPass, 2050);
    EXPECT_LT(lastPass, 5000);
    EXPECT_EQ(form.Lives, 3);
    EXPECT_EQ(Common::gScore, 0);
}

TEST_F(LupidoRulesTest, EnterDuringTheStopHintHopsAndThenLeaves)
{
    Save("Menu", "PauseOnStop", "1");
    form.ReadSettings();
    KeyDown(platform::vbKeyAdd); // level 2 starts within the game: the hint shows
    ASSERT_TRUE(Common::gStopHint);
    KeyDown(platform::vbKeyReturn);
    EXPECT_EQ(Rabbit(), std::make_pair(360.0, 360.0));
    EXPECT_TRUE(form.QuitGame);
}

TEST_F(LupidoRulesTest, TheLevelSpeedStaysForwardsAndF3OnlyPausesPlay)
{
    Save("Lupido", "CarSpeed", "280");
    form.ReadSettings();
    form.Level = 6;
    form.InitLevel(false, false);
    EXPECT_EQ(form.LevelSpeed, 305);
    Save("Lupido", "CarSpeed", "-500");
    form.ReadSettings();
    form.InitLevel(true, true);
    EXPECT_EQ(form.LevelSpeed, 1);
    // Level 0 has no map: level 1 plays at the speed level 0 gives.
    Save("Lupido", "CarSpeed", "fast");
    form.ReadSettings();
    KeyDown(platform::vbKeySubtract);
    EXPECT_EQ(form.Level, 1);
    EXPECT_EQ(form.LevelSpeed, 35);
    KeyDown(platform::vbKeyF3);
    EXPECT_EQ(form.GameMode, Mode::Paused);
    KeyDown(platform::vbKeyF3);
    form.GameMode = Mode::HitByCar;
    KeyDown(platform::vbKeyF3);
    EXPECT_EQ(form.GameMode, Mode::HitByCar);
}

TEST_F(LupidoRulesTest, ALevelOneThatCannotBeReadLeavesAnEmptyFieldAndEndsTheLoop)
{
    WriteMap("Lupido", 1, "road,1,360\nroad,9,300\n");
    form.InitLevel(true, true);
    EXPECT_TRUE(form.QuitGame);
    EXPECT_FALSE(lc::MapRoads[0].visible);
}

// Level 1 crossed on the log, then on level 2 two hops left and up into the river beside the
// log: 1100 passes of 20 ms end on level 2 with two lives, ten points, the rabbit at the start.
TEST_F(LupidoRulesTest, AReplayOfAScriptedRunEndsInItsStatedState)
{
    const std::vector<std::pair<int, std::int16_t>> script = {
        {5, platform::vbKeyUp},     {60, platform::vbKeyUp},    {115, platform::vbKeyUp},
        {170, platform::vbKeyUp},   {225, platform::vbKeyUp},   {280, platform::vbKeyUp},
        {650, platform::vbKeyLeft}, {705, platform::vbKeyLeft}, {760, platform::vbKeyUp},
        {815, platform::vbKeyUp},   {870, platform::vbKeyUp}};
    std::size_t next = 0;
    for (int pass = 0; pass < 1100; ++pass) {
        if (next < script.size() && script[next].first == pass) {
            KeyPress(script[next++].second);
        }
        Pass(20);
    }
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_EQ(form.Level, 2);
    EXPECT_EQ(form.Lives, 2);
    EXPECT_EQ(Common::gScore, 10);
    EXPECT_EQ(Rabbit(), std::make_pair(360.0, 420.0));
}

} // namespace
