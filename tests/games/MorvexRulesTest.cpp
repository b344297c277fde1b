// The rules of Morvex on a headless window: the ship's turns, thrust, clamps and shots by every
// input, the flow between the game's states, the rock pools, scores and splits by mode, the wrap at
// the edges, the gap between shots, a ship hit against a shot, the speed-up at each wrap back to
// level 1, and a playing pass that allocates nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Common.h"
#include "games/morvex/MorvexForm.h"
#include "platform/Clock.h"
#include "platform/Joystick.h"
#include "platform/Settings.h"
#include "shell/HighScoreForm.h"
#include "tests/support/AllocationCounter.h"
#include "tests/support/GameWindowFixture.h"
#include "toolkit/GameUtil.h"

namespace {

using Mode = morvex::GameMode;

constexpr std::uint32_t Centre = 32768; // of the joystick's axes, 0 .. 65535
constexpr float Pi = 3.14159265F;

// What the player does for one stretch of play: keys held, a mouse button held, the joystick
// pushed or its button held, one-button mode on.
struct Input {
    std::int16_t key = 0;
    std::int16_t key2 = 0;
    std::int16_t mouse = 0;
    std::uint32_t stickX = Centre;
    std::uint32_t stickY = Centre;
    std::uint32_t stickButtons = 0;
    bool oneButton = false;
};

class MorvexRulesTest : public testsupport::GameWindowFixture<MorvexForm> {
protected:
    // The window shown over a level 1 of its own, playing, with effects off and slow rocks, and a
    // joystick at rest.
    void Play(const std::string& map, const std::string& mode = "easy")
    {
        Save("Morvex", "Mode", mode);
        Save("Morvex", "FxOn", "0");
        Save("Morvex", "RockSpeed", "1");
        WriteMap("Morvex", 1, map, mode);
        platform::headless::SetJoysticks(
            {{{"pad", 0, 65535, 0, 65535, 0, 0, 4, 2}, {Centre, Centre, 0, 0}, false, false}});
        ShowWindow();
        Pass(0);
        form.StartGame();
    }

    // Presses what the input holds (down) or lets it go again.
    void Hold(const Input& input, bool down)
    {
        for (const std::int16_t key : {input.key, input.key2}) {
            if (key != 0) {
                down ? KeyDown(key) : KeyUp(key);
            }
        }
        if (input.mouse != 0) {
            const platform::Point at = OnScreen(600, 300);
            auto script = platform::headless::After(0);
            down ? script.MouseDown(input.mouse, at.x, at.y)
                 : script.MouseUp(input.mouse, at.x, at.y);
            platform::DoEvents();
        }
        platform::headless::Joystick(0).reading = {down ? input.stickX : Centre,
                                                   down ? input.stickY : Centre, 0,
                                                   down ? input.stickButtons : 0};
        Common::gOneButton = down && input.oneButton;
    }

    // Passes of ms each from now, with the input held throughout.
    void PlayFor(const Input& input, int passes, std::int32_t ms)
    {
        form.ResetTimers();
        form.NowTime = GameUtil::GetTickMs();
        Hold(input, true);
        for (int i = 0; i < passes; ++i) {
            Pass(ms);
        }
        Hold(input, false);
    }

    // A shot standing on the middle of a rock.
    void ShootAt(const SpriteClass& rock, std::size_t shot = 0)
    {
        SpriteClass& s = form.Shots[shot];
        s.StopSprite();
        s.X = rock.MiddleX() - s.width / 2;
        s.Y = rock.MiddleY() - s.Height / 2;
        s.visible = true;
    }

    // The first visible rock, smallest pool last.
    SpriteClass* FirstRock()
    {
        for (auto* pool : {&form.LargeRocks, &form.MediumRocks, &form.SmallRocks}) {
            for (SpriteClass& rock : *pool) {
                if (rock.visible) {
                    return &rock;
                }
            }
        }
        return nullptr;
    }
};

// The ship (86 x 86 pixels, starting at (357, 197)) turns at 2 radians a second, flies at
// 100 px/s along its shown heading only while thrust is held, stays inside the field and fires
// 200 px/s shots from half-way to its nose; the flame shows while it turns or thrusts.
TEST_F(MorvexRulesTest, TheShipTurnsThrustsStaysInTheFieldAndFiresByEveryInput)
{
    using namespace platform;
    Play("large,0,20,20\n");
    ASSERT_EQ(form.Ship.width, 86);
    const auto start = [this](double x, double y, float angle) {
        form.Ship.X = x;
        form.Ship.Y = y;
        form.ShipAngle = angle;
        form.SetShipFrame();
        for (SpriteClass& shot : form.Shots) {
            shot.visible = false;
        }
        form.LastShotTime = GameUtil::GetTickMs() - 1000;
    };
    const struct {
        const char* name;
        float angle;
        Input input;
        std::int32_t ms;
        float toAngle;
        std::int16_t frame;
    } turns[] = {
        {"right", 0, {.key = vbKeyRight}, 500, 1, 6},
        {"left", 1, {.key = vbKeyLeft}, 250, 0.5, 3},
        {"space", 0, {.key = vbKeySpace}, 500, 1, 6},
        {"right button", 0, {.mouse = vbRightButton}, 500, 1, 6},
        {"stick right", 0, {.stickX = 65535}, 500, 1, 6},
        {"stick left", 1, {.stickX = 0}, 250, 0.5, 3},
        {"one button", 0, {.oneButton = true}, 500, 1, 6},
        {"one button and left", 1, {.key = vbKeyLeft, .oneButton = true}, 500, 1, 6},
        {"left and right", 1, {.key = vbKeyLeft, .key2 = vbKeyRight}, 500, 1, 6},
        {"right past a full turn", 6.2F, {.key = vbKeyRight}, 100, 0, 0},
        {"left below 0", 0.1F, {.key = vbKeyLeft}, 100, 2 * Pi, 36},
    };
    for (const auto& row : turns) {
        SCOPED_TRACE(row.name);
        start(357, 197, row.angle);
        PlayFor(row.input, 1, row.ms);
        EXPECT_FLOAT_EQ(form.ShipAngle, row.toAngle);
        EXPECT_EQ(form.ShipFrame, row.frame);
        EXPECT_TRUE(form.Afterburner.visible);
    }
    const struct {
        const char* name;
        double x, y;
        float angle;
        Input input;
        double toX, toY; // after 500 ms
    } moves[] = {
        {"up", 357, 197, 0, {.key = vbKeyUp}, 407, 197},
        {"nothing: no drift", 357, 197, 0, {}, 357, 197},
        {"up at 90 degrees", 357, 197, Pi / 2, {.key = vbKeyUp}, 357, 247},
        {"down", 357, 197, 0, {.key = vbKeyDown}, 307, 197},
        {"up and down", 357, 197, 0, {.key = vbKeyUp, .key2 = vbKeyDown}, 307, 197},
        {"stick up", 357, 197, 0, {.stickY = 0}, 407, 197},
        {"stick down", 357, 197, 0, {.stickY = 65535}, 307, 197},
        {"up at 355 degrees goes along 0", 357, 197, 6.2F, {.key = vbKeyUp}, 407, 197},
        {"top edge", 357, 10, 3 * Pi / 2, {.key = vbKeyUp}, 357, 1},
        {"bottom edge, above the panel", 357, 384, Pi / 2, {.key = vbKeyUp}, 357, 393},
        {"right edge", 704, 197, 0, {.key = vbKeyUp}, 713, 197},
        {"left edge", 10, 197, Pi, {.key = vbKeyUp}, 1, 197},
    };
    for (const auto& row : moves) {
        SCOPED_TRACE(row.name);
        start(row.x, row.y, row.angle);
        PlayFor(row.input, 1, 500);
        EXPECT_NEAR(form.Ship.X, row.toX, 1e-3);
        EXPECT_NEAR(form.Ship.Y, row.toY, 1e-3);
        EXPECT_EQ(form.Afterburner.visible, row.toX != row.x || row.toY != row.y);
    }
    const struct {
        const char* name;
        float angle;
        Input input;
        double shotX, shotY; // the middle of the shot after 100 ms
    } shots[] = {
        {"enter at 355 degrees, along 0", 6.2F, {.key = vbKeyReturn}, 463, 240},
        {"left button", Pi / 2, {.mouse = vbLeftButton}, 400, 303},
        {"stick button", 3 * Pi / 2, {.stickButtons = JOY_BUTTON1}, 400, 177},
    };
    for (const auto& row : shots) {
        SCOPED_TRACE(row.name);
        start(357, 197, row.angle);
        PlayFor(row.input, 1, 100);
        const SpriteClass& shot = form.Shots[0];
        ASSERT_TRUE(shot.visible);
        EXPECT_NEAR(shot.X + shot.width / 2, row.shotX, 1e-3);
        EXPECT_NEAR(shot.Y + shot.Height / 2, row.shotY, 1e-3);
        EXPECT_FALSE(form.Afterburner.visible);
    }
    // A shot (10 x 10 pixels) is gone in the first pass in which it lies wholly beyond an edge.
    const struct {
        double x, y;
        bool inPlay;
    } edges[] = {{800.4, 240, true}, {800.6, 240, false}, {-10, 240, true},   {-10.1, 240, false},
                 {400, 480.4, true}, {400, 480.6, false}, {400, -10.4, true}, {400, -10.6, false}};
    for (const auto& at : edges) {
        SpriteClass& shot = form.Shots[0];
        shot.StopSprite();
        shot.X = at.x;
        shot.Y = at.y;
        shot.visible = true;
        Pass(0);
        EXPECT_EQ(shot.visible, at.inPlay) << at.x << ", " << at.y;
    }
}

// A waiting game starts on any key, click or joystick input but the level keys, and leaves on
// Enter during the stop hint. The fly-out at 100 px/s ends at the next level once the ship is
// wholly off the field; the explosion takes 3000 ms and costs a life; the last one ends the game,
// whose score goes to the high-score window before a new game. Waiting and pausing freeze the
// rocks.
TEST_F(MorvexRulesTest, EachStateGoesOnByItsInputOrTime)
{
    using namespace platform;
    using M = Mode;
    WriteMap("Morvex", 2, "large,0,40,40\n");
    Save("Menu", "HighScore", "1");
    Play("large,0,40,40\n");
    const auto begin = [this](Mode from, std::int16_t level, std::int16_t lives) -> SpriteClass& {
        form.InitLevel(true, true);
        form.Level = level;
        form.InitLevel(false, true);
        form.Lives = lives;
        form.GameMode = from;
        Common::gScore = 100; // above the default table's 10 .. 60
        form.LargeRocks[0].xMov = 50;
        return form.LargeRocks[0];
    };
    const struct {
        const char* name;
        Mode from;
        std::int16_t level;
        Input input; // for one pass of 16 ms
        Mode to;
        std::int16_t toLevel;
        bool hint = false;
    } inputs[] = {
        {"a key", M::Waiting, 1, {.key = vbKeyUp}, M::Playing, 1},
        {"enter", M::Waiting, 1, {.key = vbKeyReturn}, M::Playing, 1},
        {"enter in the stop hint", M::Waiting, 2, {.key = vbKeyReturn}, M::Waiting, 2, true},
        {"left button", M::Waiting, 1, {.mouse = vbLeftButton}, M::Playing, 1},
        {"right button", M::Waiting, 1, {.mouse = vbRightButton}, M::Playing, 1},
        {"stick left", M::Waiting, 1, {.stickX = 0}, M::Playing, 1},
        {"stick right", M::Waiting, 1, {.stickX = 65535}, M::Playing, 1},
        {"stick up", M::Waiting, 1, {.stickY = 0}, M::Playing, 1},
        {"stick down", M::Waiting, 1, {.stickY = 65535}, M::Playing, 1},
        {"stick button", M::Waiting, 1, {.stickButtons = JOY_BUTTON1}, M::Playing, 1},
        {"F1 cancelled", M::Waiting, 1, {.key = vbKeyF1}, M::Playing, 1},
        {"numpad +", M::Waiting, 1, {.key = vbKeyAdd}, M::Waiting, 2},
        {"numpad + in play", M::Playing, 1, {.key = vbKeyAdd}, M::Waiting, 2},
        {"numpad - at level 1", M::Waiting, 1, {.key = vbKeySubtract}, M::Waiting, 1},
        {"numpad - in play", M::Playing, 2, {.key = vbKeySubtract}, M::Waiting, 1},
        {"numpad + in a fly-out", M::LevelCleared, 1, {.key = vbKeyAdd}, M::LevelCleared, 1},
    };
    for (const auto& row : inputs) {
        SCOPED_TRACE(row.name);
        begin(row.from, row.level, 3);
        Common::gPauseOnStop = row.hint;
        Common::gStopHint = row.hint;
        Common::gStopHintUntil = GameUtil::GetTickMs() + 5000;
        if (row.input.key == vbKeyF1) {
            headless::After(1000).KeyPress(vbKeyEscape);
        }
        PlayFor(row.input, 1, 16);
        EXPECT_EQ(form.GameMode, row.to);
        EXPECT_EQ(form.Level, row.toLevel);
        EXPECT_EQ(form.QuitGame, row.hint);
        EXPECT_EQ(form.LevelRockSpeed, 1) << "no wrap back to level 1";
        form.QuitGame = false;
    }
    enum class Rock { InPlay, Gone, OnShip };
    const struct {
        const char* name;
        Mode from;
        std::int16_t level, lives;
        Rock rock;
        int passes;
        std::int32_t ms;
        Mode to;
        std::int16_t toLevel, toLives;
        bool still = false; // the rock stood still
    } times[] = {
        {"waiting", M::Waiting, 1, 3, Rock::InPlay, 50, 100, M::Waiting, 1, 3, true},
        {"paused", M::Paused, 1, 3, Rock::InPlay, 50, 100, M::Paused, 1, 3, true},
        {"no rock left", M::Playing, 1, 3, Rock::Gone, 1, 16, M::LevelCleared, 1, 3},
        {"flying out", M::LevelCleared, 1, 3, Rock::Gone, 45, 100, M::LevelCleared, 1, 3},
        {"wholly off the field", M::LevelCleared, 1, 3, Rock::Gone, 46, 100, M::Waiting, 2, 3},
        {"a rock on the ship", M::Playing, 1, 3, Rock::OnShip, 1, 16, M::LifeLost, 1, 3},
        {"exploding", M::LifeLost, 2, 3, Rock::InPlay, 31, 100, M::LifeLost, 2, 3, true},
        {"the level again", M::LifeLost, 2, 3, Rock::InPlay, 32, 100, M::Waiting, 2, 2},
        {"the last ship", M::LifeLost, 2, 1, Rock::InPlay, 32, 100, M::GameOver, 2, 0},
        {"the curtain", M::GameOver, 2, 0, Rock::InPlay, 100, 100, M::Waiting, 1, 3},
    };
    headless::OnIdle([] {
        EXPECT_TRUE(TheHighScoreForm().Visible());
        headless::After(0).Type("Ada");
        headless::After(0).KeyPress(vbKeyReturn);
        headless::After(0).KeyPress(vbKeyEscape);
    });
    for (const auto& row : times) {
        SCOPED_TRACE(row.name);
        SpriteClass& rock = begin(row.from, row.level, row.lives);
        rock.visible = row.rock != Rock::Gone;
        if (row.rock == Rock::OnShip) {
            rock.X = form.Ship.MiddleX() - rock.width / 2;
            rock.Y = form.Ship.MiddleY() - rock.Height / 2;
        }
        const double rockX = rock.X;
        PlayFor({}, row.passes, row.ms);
        EXPECT_EQ(form.GameMode, row.to);
        EXPECT_EQ(form.Level, row.toLevel);
        EXPECT_EQ(form.Lives, row.toLives);
        if (row.still) {
            EXPECT_EQ(rock.X, rockX) << "moved";
            // Waiting and pausing owe the rocks no time either.
            if (row.to != M::LifeLost) {
                form.GameMode = M::Playing;
                Pass(0);
                EXPECT_EQ(rock.X, rockX) << "jumped";
            }
        }
    }
    headless::OnIdle(nullptr);
    EXPECT_EQ(Common::gScore, 0);
    EXPECT_EQ(Stored("Morvex", "Highscore5"), "100");
    EXPECT_EQ(Stored("Morvex", "HighscoreName5"), "Ada");
}

TEST_F(MorvexRulesTest, PoolsHoldTheVisibleMapRocksAndASpareForEveryFragment)
{
    const struct {
        const char* map;
        std::size_t large, medium, small;
        int shown[3];
    } cases[] = {
        {"large,0,10,10\nlarge,0,100,10\nmedium,1,10,300\nsmall,2,600,10\nsmall,2,600,100\n"
         "small,2,600,300\n",
         2,
         5,
         13,
         {2, 1, 3}},
        // No rock at all, and kinds the game does not know, start with nothing in play.
        {"background,1\n", 1, 2, 4, {0, 0, 0}},
        {"large,7,10,10\nsmall,-1,10,10\nsmall,2,10,10\n", 1, 2, 5, {0, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.map);
        Play(c.map);
        EXPECT_EQ(form.LargeRocks.size(), c.large);
        EXPECT_EQ(form.MediumRocks.size(), c.medium);
        EXPECT_EQ(form.SmallRocks.size(), c.small);
        EXPECT_EQ(GameUtil::CountVisible(form.LargeRocks), c.shown[0]);
        EXPECT_EQ(GameUtil::CountVisible(form.MediumRocks), c.shown[1]);
        EXPECT_EQ(GameUtil::CountVisible(form.SmallRocks), c.shown[2]);
        Pass(16);
        EXPECT_EQ(form.GameMode,
                  c.shown[0] + c.shown[1] + c.shown[2] == 0 ? Mode::LevelCleared : Mode::Playing);
        form.FreeGraphics();
        form.CloseSounds();
        form.Unload();
    }
}

// A large rock is worth 10, a medium one 20, a small one 40; in "easy" a large rock leaves two
// medium ones, in "normal" each of those leaves two small ones too.
TEST_F(MorvexRulesTest, ClearingOneLargeRockTakesThreeHitsInEasyAndSevenInNormal)
{
    const struct {
        const char* mode;
        int hits;
        std::int32_t score;
    } cases[] = {{"easy", 3, 10 + 2 * 20}, {"normal", 7, 10 + 2 * 20 + 4 * 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Play("large,0,40,40\n", c.mode);
        int hits = 0;
        while (SpriteClass* rock = FirstRock()) {
            ASSERT_LT(hits, 10);
            ShootAt(*rock);
            Pass(1);
            ++hits;
        }
        EXPECT_EQ(hits, c.hits);
        EXPECT_EQ(Common::gScore, c.score);
        EXPECT_EQ(form.GameMode, Mode::LevelCleared);
        form.Unload();
    }
}

TEST_F(MorvexRulesTest, RocksLeaveAnEdgeWhollyAndComeBackWhollyOutsideTheOpposite)
{
    Play("large,0,40,40\n");
    constexpr double Outside = -1; // the rock's own size before the left or top edge
    const struct {
        double x, y, expectedX, expectedY;
    } cases[] = {
        {800.5, 100, Outside, 100}, // past the right edge
        {-80.6, 100, 800, 100},     // its right edge past the left edge
        {100, 480.5, 100, Outside}, // past the bottom
        {100, -80.6, 100, 480},     // its bottom past the top
    };
    // A hidden spare wraps as a rock in play does.
    for (auto* pool : {&form.LargeRocks, &form.MediumRocks}) {
        SpriteClass& rock = pool->front();
        for (const auto& c : cases) {
            rock.StopSprite();
            rock.X = c.x;
            rock.Y = c.y;
            form.MoveRocks(*pool);
            EXPECT_EQ(rock.X, c.expectedX == Outside ? -rock.width : c.expectedX);
            EXPECT_EQ(rock.Y, c.expectedY == Outside ? -rock.Height : c.expectedY);
        }
    }
}

TEST_F(MorvexRulesTest, ShotsLeaveMoreThan250MsApartAndOnlyWhileOneIsFree)
{
    Play("large,0,40,40\n");
    const struct {
        std::int32_t wait;
        int inFlight;
    } steps[] = {{0, 1}, {250, 1}, {1, 2}, {251, 3}, {251, 4}, {251, 4}};
    for (const auto& step : steps) {
        platform::virtualclock::Advance(step.wait);
        form.FireShot();
        EXPECT_EQ(GameUtil::CountVisible(form.Shots), step.inFlight) << "after " << step.wait;
    }
}

TEST_F(MorvexRulesTest, ARockOnTheShipCostsTheLifeEvenWhenAShotHitsItInTheSamePass)
{
    Play("large,0,360,200\n");
    ShootAt(form.LargeRocks[0]);
    Pass(1);
    EXPECT_EQ(form.GameMode, Mode::LifeLost);
    EXPECT_TRUE(form.LargeRocks[0].visible);
    EXPECT_TRUE(form.Shots[0].visible);
    EXPECT_EQ(Common::gScore, 0);
}

// Every wrap from the last level back to level 1 multiplies the rock speed by 1.5, halves going to
// the even neighbour, up to the largest speed whose random span fits 16 bits.
TEST_F(MorvexRulesTest, RocksSpeedUpHalfAgainAtEveryWrapBackToLevelOne)
{
    Save("Morvex", "RockSpeed", "50");
    WriteMap("Morvex", 1, "large,0,40,40\n");
    LoadWindow();
    EXPECT_EQ(form.LevelRockSpeed, 50);
    for (std::int16_t expected : {75, 112, 168}) {
        form.Level = 2;
        form.InitLevel(false, true);
        EXPECT_EQ(form.Level, 1);
        EXPECT_EQ(form.LevelRockSpeed, expected);
    }
    form.Level = 2;
    form.LevelRockSpeed = 16000;
    form.InitLevel(false, true);
    EXPECT_EQ(form.LevelRockSpeed, 16383);
}

// Splits only show spares: a hundred passes of the rules with rocks breaking up allocate nothing.
TEST_F(MorvexRulesTest, PlayingPassesWithRocksSplittingAllocateNothing)
{
    std::string map;
    for (int i = 0; i < 8; ++i) {
        map += "large,0," + std::to_string(i * 90) + ",20\n";
    }
    Play(map, "normal");
    const allocations::Scope scope;
    for (int pass = 0; pass < 100; ++pass) {
        if (SpriteClass* rock = FirstRock()) {
            ShootAt(*rock);
        }
        Pass(16);
    }
    EXPECT_EQ(scope.Made(), 0U);
    EXPECT_EQ(Common::gScore, 8 * (10 + 2 * 20 + 4 * 40));
    EXPECT_EQ(form.GameMode, Mode::LevelCleared);
}

} // namespace
