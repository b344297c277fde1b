// The rules of Lupido on a real window, headless: hops, turns and the traffic's wrap under every
// input, the hop lock, what each state does with each input, cars, logs and rivers, home, the last
// life, the stop hint, the level speed, and a replay of a scripted run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "games/lupido/LupidoCommon.h"
#include "games/lupido/LupidoForm.h"
#include "platform/Clock.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Joystick.h"
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
        PlugInStick();
        ShowWindow();
    }

    void Place(double x, double y)
    {
        form.Rabbit.X = x;
        form.Rabbit.Y = y;
    }
    std::pair<double, double> Rabbit() const { return {form.Rabbit.X, form.Rabbit.Y}; }

    using Input = std::function<void()>;
    static constexpr std::uint32_t M = 32768; // a joystick axis at rest
    static Input Key(std::int16_t key)
    {
        return [key] { KeyPress(key); };
    }
    // The input after ms milliseconds of no pass.
    static Input Later(std::int32_t ms, const Input& input)
    {
        return [=] {
            platform::virtualclock::Advance(ms);
            input();
        };
    }
    static Input Stick(std::uint32_t x, std::uint32_t y, std::uint32_t buttons = 0)
    {
        return [=] { SetStick(x, y, buttons); };
    }
};

// An input at the rabbit's start (360, 420, facing up) or elsewhere, then a pass: hops of one
// 60-pixel row or column (the next test has more), the rabbit held inside both side edges, turns
// clockwise; in one-button mode, which changes nothing else, a turn every 1500 ms that a hop's lock
// skips and Enter postpones. Cars (110 wide) and logs (180) that leave one edge come back at the
// other.
TEST_F(LupidoRulesTest, TheRabbitHopsInsideTheFieldAndTheTrafficWrapsAtBothEdges)
{
    SpriteClass* rabbit = &form.Rabbit;
    SpriteClass* car = &lc::MapCars[0];
    SpriteClass* log = &lc::MapLogs[0];
    const auto click = [this](std::int16_t button) -> Input {
        return [this, button] { Click(button, 400, 100); };
    };
    const Input stickHop = [this] {
        Stick(M, 0)();
        Pass(600);
        Stick(M, M)();
    };
    const Input turnThenHop = [this] {
        Pass(1501);
        KeyPress(platform::vbKeyUp);
    };
    const struct {
        const char* name;
        SpriteClass* mover;
        double x, y;
        double heading; // the rabbit's facing; a car's or log's speed
        Input input;
        std::int32_t ms;
        double xAfter, yAfter;
        std::int16_t facing;
    } cases[] = {
        {"right", rabbit, 360, 420, 0, Key(platform::vbKeyRight), 10, 420, 420, 1},
        {"down", rabbit, 360, 360, 0, Key(platform::vbKeyDown), 10, 360, 420, 2},
        {"left off the edge", rabbit, 20, 420, 0, Key(platform::vbKeyLeft), 10, 0, 420, 3},
        {"right off the edge", rabbit, 720, 420, 0, Key(platform::vbKeyRight), 10, 740, 420, 1},
        {"space turns", rabbit, 360, 420, 3, Key(platform::vbKeySpace), 10, 360, 420, 0},
        {"enter hops ahead", rabbit, 360, 420, 1, Key(platform::vbKeyReturn), 10, 420, 420, 1},
        {"right click turns", rabbit, 360, 420, 1, click(platform::vbRightButton), 10, 360, 420, 2},
        {"middle click", rabbit, 360, 420, 1, click(platform::vbMiddleButton), 10, 360, 420, 1},
        {"stick left", rabbit, 360, 420, 0, Stick(0, M), 10, 300, 420, 3},
        {"stick right", rabbit, 360, 420, 0, Stick(65535, M), 10, 420, 420, 1},
        {"stick up", rabbit, 360, 420, 0, Stick(M, 0), 10, 360, 360, 0},
        {"stick down", rabbit, 360, 360, 0, Stick(M, 65535), 10, 360, 420, 2},
        {"stick button", rabbit, 360, 420, 0, Stick(M, M, platform::JOY_BUTTON1), 10, 360, 420, 0},
        {"a turn by itself", rabbit, 360, 420, 0, [] {}, 1501, 360, 420, 1},
        {"no turn yet", rabbit, 360, 420, 0, [] {}, 1500, 360, 420, 0},
        {"the turn leaves no lock", rabbit, 360, 420, 0, turnThenHop, 0, 360, 360, 0},
        {"a hop's lock skips the turn", rabbit, 360, 420, 0, stickHop, 901, 360, 360, 0},
        {"enter postpones the turn", rabbit, 360, 420, 0, Later(600, Key(platform::vbKeyReturn)),
         901, 360, 360, 0},
        {"car right at 800", car, 796, 366, 40, [] {}, 100, 800, 366, 0},
        {"car right past 800", car, 799, 366, 40, [] {}, 100, -111, 366, 0},
        {"car left at 0", car, -106, 366, -40, [] {}, 100, -110, 366, 0},
        {"car left past 0", car, -107, 366, -40, [] {}, 100, 801, 366, 0},
        {"log right past 800", log, 799, 246, 40, [] {}, 100, -181, 246, 0},
        {"log left past 0", log, -177, 246, -40, [] {}, 100, 801, 246, 0},
    };
    Common::gOneButton = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KeyUp(platform::vbKeyA);
        form.InitLevel(false, false);
        car->X = -500;
        car->xMov = 40;
        form.ResetTimers();
        c.mover->X = c.x;
        c.mover->Y = c.y;
        if (c.mover == rabbit) {
            form.Facing = static_cast<std::int16_t>(c.heading);
        } else {
            c.mover->xMov = c.heading;
        }
        c.input();
        Pass(c.ms);
        Stick(M, M)();
        EXPECT_EQ(form.GameMode, Mode::Playing);
        EXPECT_EQ(std::tie(c.mover->X, c.mover->Y, form.Facing),
                  std::tie(c.xAfter, c.yAfter, c.facing));
    }
}

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

// An input in a state, then a pass of 100 ms: what moves the game on, and no time passing for the
// traffic (the car drives right at the level's speed, 40 px/s on level 1) across a pause or an
// options dialog open for a second. Every case starts level 1 anew with 2 lives and 30 points; a
// new game has 3 and none.
TEST_F(LupidoRulesTest, EachStateTakesItsOwnInputsAndAPauseOrADialogCostsNoTime)
{
    using enum lupido::GameMode;
    const auto options = [this](bool ok) -> Input {
        return [this, ok] { AnswerOptions(1000, ok); };
    };
    const Input hintEnter = [this] {
        Common::gPauseOnStop = true;
        form.InitLevel(false, false);
        form.GameMode = Paused;
        KeyPress(platform::vbKeyReturn);
    };
    const struct {
        const char* name;
        lupido::GameMode from;
        Input input;
        lupido::GameMode to;
        std::int16_t level;
        double moved; // by the car
        bool newGame;
    } cases[] = {
        {"playing", Playing, [] {}, Playing, 1, 4, false},
        {"F3 pauses", Playing, Key(platform::vbKeyF3), Paused, 1, 0, false},
        {"no hop while paused", Paused, Key(platform::vbKeyUp), Paused, 1, 0, false},
        {"F3 a second later resumes", Paused, Later(1000, Key(platform::vbKeyF3)), Playing, 1, 4,
         false},
        {"F3 while drowning", Drowning, Key(platform::vbKeyF3), Drowning, 1, 0, false},
        {"F3 at game over", GameOver, Key(platform::vbKeyF3), GameOver, 1, 0, false},
        {"numpad plus: level 2", Playing, Key(platform::vbKeyAdd), Playing, 2, 0, false},
        {"numpad plus while paused", Paused, Key(platform::vbKeyAdd), Paused, 1, 0, false},
        {"enter in the stop hint, paused", Paused, hintEnter, Paused, 1, 0, false},
        {"options cancelled", Playing, options(false), Playing, 1, 4, false},
        {"options with OK: a new game", Playing, options(true), Playing, 1, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Common::gPauseOnStop = false;
        form.InitLevel(true, true);
        form.ResetTimers();
        form.Lives = 2;
        Common::gScore = 30;
        form.GameMode = c.from;
        const double x = lc::MapCars[0].X;
        c.input();
        Pass(100);
        EXPECT_EQ(form.GameMode, c.to);
        EXPECT_EQ(lc::MapCars[0].X - x, c.moved);
        EXPECT_EQ(form.Level, c.level);
        EXPECT_EQ(form.Lives, c.newGame ? 3 : 2);
        EXPECT_EQ(Common::gScore, c.newGame ? 0 : 30);
        EXPECT_EQ(form.Rabbit.Y, 420);
        EXPECT_FALSE(form.QuitGame);
    }
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
