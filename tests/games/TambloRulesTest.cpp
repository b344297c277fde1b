// The rules of Tamblo on the headless backend: level set-up, the figure's moves, dots, clearing,
// ghosts and catches, the fall, game over and the wrap back to level 1.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/Common.h"
#include "games/tamblo/TambloCommon.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Settings.h"
#include "shell/HighScoreForm.h"
#include "tests/games/TambloTestGame.h"

namespace tamblotest {
namespace {

namespace tc = TambloCommon;
using platform::headless::SetKeyState;

class TambloRulesTest : public TambloGame {};

std::int32_t IdAt(int row, int column)
{
    return tc::Tiles[static_cast<std::size_t>(row * 13 + column)].id;
}

TEST_F(TambloRulesTest, LevelSetUpPlacesTheFigureAndTheGhosts)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        const char* maxGhosts;
        int playerRow, playerColumn;
        std::vector<std::pair<int, int>> ghosts; // cells of the ghosts that take part
        std::size_t entries;                     // entries of Ghosts, taking part or not
    };
    const Case cases[] = {
        {"starts become floor", {"P..G", "", "", "G"}, "20", 0, 0, {{0, 3}, {3, 0}}, 2},
        // Without a ghost start one ghost stands on the first dot or floor cell, which keeps its
        // dot.
        {"no ghost start", {"##.P"}, "20", 0, 3, {{0, 2}}, 1},
        {"no ghosts allowed", {"P..G"}, "0", 0, 0, {}, 1},
        // With more starts than ghosts allowed, the first starts get them; all become floor.
        {"more starts than ghosts", {"P.G.G.G"}, "2", 0, 0, {{0, 2}, {0, 4}}, 3},
        // Without a player start, the last floor cell, never a dot.
        {"no player start",
         {"G", "", "", "", "", "", "", "..........._."},
         "1",
         7,
         11,
         {{0, 0}},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLevel(1, c.rows);
        Setting("Tamblo", "MaxNumGhosts", c.maxGhosts);
        form.Unload();
        Start();
        EXPECT_EQ(form.GameMode, Mode::Waiting);
        EXPECT_TRUE(AtCell(form.Player, c.playerRow, c.playerColumn));
        EXPECT_EQ(form.Facing, tamblo::DirRight);
        ASSERT_EQ(form.Ghosts.size(), c.entries);
        std::size_t taking = 0;
        for (const SpriteClass& ghost : form.Ghosts) {
            if (!ghost.visible) {
                continue;
            }
            ASSERT_LT(taking, c.ghosts.size());
            EXPECT_TRUE(AtCell(ghost, c.ghosts[taking].first, c.ghosts[taking].second))
                << "ghost " << taking;
            EXPECT_EQ(ghost.width, Cell) << "a ghost has a picture";
            ++taking;
        }
        EXPECT_EQ(taking, c.ghosts.size());
        for (const SpriteClass& cell : tc::Tiles) {
            EXPECT_NE(cell.id, tamblo::GhostStartTile);
        }
        form.FreeGraphics();
        form.CloseSounds();
    }
    // The dot under the ghost of the "no ghost start" case stayed: checked here on its own map.
    WriteLevel(1, {"##.P"});
    Setting("Tamblo", "MaxNumGhosts", "1");
    form.Unload();
    Start();
    EXPECT_EQ(IdAt(0, 2), tamblo::DotTile);
    EXPECT_EQ(IdAt(0, 3), tamblo::FloorTile);
}

TEST_F(TambloRulesTest, ASecondPlayerStartStaysAWalkableStartTile)
{
    WriteLevel(1, {"P.P", "", "", "", "", "", "", "."});
    Start();
    EXPECT_EQ(IdAt(0, 0), tamblo::FloorTile);
    EXPECT_EQ(IdAt(0, 2), tamblo::PlayerStartTile);
    form.GameMode = Mode::Playing;
    SetKeyState(platform::vbKeyRight, true);
    ASSERT_TRUE(PassUntil([&] { return form.Player.X >= CellX(3); }));
}

TEST_F(TambloRulesTest, CellsUnderAndBesideASprite)
{
    WriteLevel(1, {"P."});
    Start();
    SpriteClass probe;
    probe.width = Cell;
    probe.Height = Cell;
    struct Case {
        double x, y;
        std::int16_t under, right, down, left, up;
    };
    const Case cases[] = {
        {CellX(0), CellY(0), 0, 1, 13, -1, -1},
        {CellX(5), CellY(3), 44, 45, 57, 43, 31},
        // No wrap from the end of a row to the start of the next, nor back.
        {CellX(12), CellY(1), 25, -1, 38, 24, 12},
        {CellX(0), CellY(2), 26, 27, 39, -1, 13},
        {CellX(12), CellY(7), 103, -1, -1, 102, 90},
        // The middle point on a shared edge belongs to the lower index.
        {CellX(2) + 30, CellY(0), 2, 3, 15, 1, -1},
        {CellX(2) + 29, CellY(0), 2, 3, 15, 1, -1},
        // Over no cell: no neighbour either.
        {-200, 0, -1, -1, -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        probe.X = c.x;
        probe.Y = c.y;
        EXPECT_EQ(form.FindTileUnder(probe), c.under);
        const std::int16_t expected[] = {c.right, c.down, c.left, c.up};
        for (std::int16_t d = 0; d < 4; ++d) {
            const tamblo::Neighbour n = form.GetNeighbourTile(probe, d);
            EXPECT_EQ(n.index, expected[d]) << "direction " << d;
            const std::int32_t id =
                n.index < 0 ? -1 : tc::Tiles[static_cast<std::size_t>(n.index)].id;
            EXPECT_EQ(n.id, id);
        }
        EXPECT_EQ(form.GetNeighbourTile(probe, 4).index, -1);
    }
}

TEST_F(TambloRulesTest, MovingIntoAWallOrOffTheFieldDoesNothing)
{
    struct Case {
        std::vector<std::string> rows;
        std::int16_t key;
        int row, column;
    };
    const Case cases[] = {
        {{"_P#", "__#", "", "", "", "", "", "."}, platform::vbKeyRight, 0, 1},
        {{"_P#", "__#", "", "", "", "", "", "."}, platform::vbKeyUp, 0, 1},
        {{"", "P", "", "", "", "", "", "."}, platform::vbKeyLeft, 1, 0},
        {{"", "____________P", "", "", "", "", "", "."}, platform::vbKeyRight, 1, 12},
        {{".", "", "", "", "", "", "", "_____P"}, platform::vbKeyDown, 7, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        WriteLevel(1, c.rows);
        form.Unload();
        Start();
        form.GameMode = Mode::Playing;
        SetKeyState(c.key, true);
        RunPass(30);
        SetKeyState(c.key, false);
        EXPECT_TRUE(AtCell(form.Player, c.row, c.column));
        EXPECT_EQ(form.GameMode, Mode::Playing);
        EXPECT_EQ(form.Facing, tamblo::DirRight) << "a blocked way keeps the facing";
        form.FreeGraphics();
        form.CloseSounds();
    }
}

TEST_F(TambloRulesTest, ADotScoresTenOnce)
{
    WriteLevel(1, {"P.#", "__#", "", "", "", "", "", "____________."});
    Start();
    form.GameMode = Mode::Playing;
    SetKeyState(platform::vbKeyRight, true);
    ASSERT_TRUE(PassUntil([&] { return AtCell(form.Player, 0, 1); }));
    RunPass(30);
    EXPECT_EQ(Common::gScore, 10);
    EXPECT_EQ(IdAt(0, 1), tamblo::FloorTile);
    SetKeyState(platform::vbKeyRight, false);
    SetKeyState(platform::vbKeyLeft, true);
    ASSERT_TRUE(PassUntil([&] { return AtCell(form.Player, 0, 0); }));
    SetKeyState(platform::vbKeyLeft, false);
    SetKeyState(platform::vbKeyRight, true);
    ASSERT_TRUE(PassUntil([&] { return AtCell(form.Player, 0, 1); }));
    RunPass(5);
    EXPECT_EQ(Common::gScore, 10);
    EXPECT_EQ(form.GameMode, Mode::Playing);
}

TEST_F(TambloRulesTest, TheLastDotClearsTheLevelAndPlayWrapsToLevelOneAfterTheLastMap)
{
    WriteLevel(1, {"P.#", "__#"});
    WriteLevel(2, {"", "", "P.#", "__#"});
    Start();
    for (int level = 1; level <= 2; ++level) {
        SCOPED_TRACE(level);
        form.GameMode = Mode::Playing;
        SetKeyState(platform::vbKeyRight, true);
        ASSERT_TRUE(PassUntil([&] { return form.GameMode == Mode::LevelCleared; }));
        SetKeyState(platform::vbKeyRight, false);
        EXPECT_EQ(form.CountDots(), 0);
        EXPECT_EQ(Common::gScore, 10 * level);
        const std::int64_t before = platform::headless::Elapsed();
        RunPass();
        // The cleared screen stays 4000 ms (no effects), then the next level waits.
        EXPECT_GE(platform::headless::Elapsed() - before, 4000);
        EXPECT_EQ(form.GameMode, Mode::Waiting);
        EXPECT_FALSE(form.SmileFace.visible);
        EXPECT_EQ(form.Lives, 3);
    }
    // Level 3 has no map: level 1 again, its dot back, score and lives kept.
    EXPECT_EQ(form.Level, 1);
    EXPECT_EQ(form.CountDots(), 1);
    EXPECT_EQ(Common::gScore, 20);
    EXPECT_TRUE(AtCell(form.Player, 0, 0));
    EXPECT_FALSE(form.QuitGame);
}

TEST_F(TambloRulesTest, AMapWithoutDotsIsClearedInTheFirstPassOfPlay)
{
    WriteLevel(1, {"P"});
    Start();
    RunPass(3);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    form.GameMode = Mode::Playing;
    RunPass();
    EXPECT_EQ(form.GameMode, Mode::LevelCleared);
}

TEST_F(TambloRulesTest, CatchesArePixelExact)
{
    // Squares 10..49 in 60-pixel pictures: 39 pixels apart they share a column or row, 40 apart
    // not, though their rectangles overlap.
    WriteLevel(1, {"P_____G", "", "", "", "", "", "", "."});
    Setting("Tamblo", "MaxNumGhosts", "1");
    Start();
    struct Case {
        double dx, dy;
        bool caught;
    };
    const Case cases[] = {{40, 0, false},  {39, 0, true},  {0, 40, false}, {0, 39, true},
                          {-40, 0, false}, {-39, 0, true}, {39, 39, true}, {40, 39, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dx) + ", " + std::to_string(c.dy));
        form.InitLevel(false, false);
        form.GameMode = Mode::Playing;
        form.Player.X = CellX(4);
        form.Player.Y = CellY(3);
        SpriteClass& ghost = form.Ghosts[0];
        ghost.X = form.Player.X + c.dx;
        ghost.Y = form.Player.Y + c.dy;
        form.UpdateGame(form.NowTime, form.LastTime);
        EXPECT_EQ(form.GameMode, c.caught ? Mode::LifeLost : Mode::Playing);
    }
}

TEST_F(TambloRulesTest, ACatchCostsALifeAfterTheFigureHasFallenFromRestOffTheField)
{
    // A corridor: the new ghost may not go right first, so it comes left towards the figure.
    WriteLevel(1, {"P.....__G", "#############"});
    Setting("Tamblo", "MaxNumGhosts", "1");
    Start();
    form.GameMode = Mode::Playing;
    SetKeyState(platform::vbKeyRight, true);
    ASSERT_TRUE(PassUntil([&] { return form.GameMode == Mode::LifeLost; }));
    SetKeyState(platform::vbKeyRight, false);
    const std::int16_t dotsLeft = form.CountDots();
    const double ghostX = form.Ghosts[0].X;
    EXPECT_LT(dotsLeft, 5);

    RunPass();
    EXPECT_FALSE(form.Player.active);
    const bool right = form.Player.id != 0;
    EXPECT_EQ(form.Facing, right ? tamblo::DirRight : tamblo::DirDown);
    EXPECT_EQ(form.Player.xMov, 0) << "the fall starts from rest";
    EXPECT_EQ(form.Player.yMov, 0);
    const double x = form.Player.X;
    const double y = form.Player.Y;
    RunPass();
    // 175 pixels per second more each second: one 16 ms pass adds 2.8.
    EXPECT_DOUBLE_EQ(right ? form.Player.xMov : form.Player.yMov, 175 * 0.016);
    EXPECT_EQ(right ? form.Player.yMov : form.Player.xMov, 0);
    RunPass(20);
    EXPECT_EQ(right ? form.Player.Y : form.Player.X, right ? y : x);
    EXPECT_GT(right ? form.Player.X : form.Player.Y, right ? x : y);
    EXPECT_EQ(form.Ghosts[0].X, ghostX) << "the ghosts stand still during the fall";
    EXPECT_EQ(form.Lives, 3);

    // The life goes in the pass in which the figure leaves the field, after a 3000 ms wait.
    std::int64_t longest = 0;
    for (int i = 0; i < 500 && form.GameMode == Mode::LifeLost; ++i) {
        EXPECT_EQ(form.Lives, 3);
        const std::int64_t before = platform::headless::Elapsed();
        RunPass();
        longest = std::max(longest, platform::headless::Elapsed() - before);
    }
    EXPECT_GE(longest, 3000);
    EXPECT_EQ(form.Lives, 2);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    EXPECT_TRUE(AtCell(form.Player, 0, 0));
    EXPECT_TRUE(form.Player.visible);
    EXPECT_TRUE(AtCell(form.Ghosts[0], 0, 8));
    EXPECT_EQ(form.CountDots(), dotsLeft) << "eaten dots stay eaten";
}

TEST_F(TambloRulesTest, TheThirdCatchEndsTheGameAndANewOneWaitsAtLevelOne)
{
    WriteLevel(1, {"P_______G", "#############", "", "", "", "", "", "."});
    Setting("Tamblo", "MaxNumGhosts", "1");
    Start();
    for (int catchNumber = 1; catchNumber <= 3; ++catchNumber) {
        SCOPED_TRACE(catchNumber);
        form.GameMode = Mode::Playing;
        SetKeyState(platform::vbKeyRight, true);
        ASSERT_TRUE(PassUntil([&] { return form.GameMode == Mode::LifeLost; }));
        SetKeyState(platform::vbKeyRight, false);
        ASSERT_TRUE(PassUntil([&] { return form.GameMode != Mode::LifeLost; }, 500));
        EXPECT_EQ(form.Lives, 3 - catchNumber);
    }
    EXPECT_EQ(form.GameMode, Mode::GameOver);
    Common::gScore = 100;
    const std::int64_t before = platform::headless::Elapsed();
    RunPass();
    EXPECT_GE(platform::headless::Elapsed() - before, 4000);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    EXPECT_EQ(form.Level, 1);
    EXPECT_EQ(form.Lives, 3);
    EXPECT_EQ(Common::gScore, 0);
    EXPECT_FALSE(form.SadFace.visible);
}

TEST_F(TambloRulesTest, GameOverHandsAQualifyingScoreToTheHighScoreWindow)
{
    // The stored table is 10 ... 60: an equal score does not qualify, a greater one does, and only
    // with the global "HighScore" option on.
    struct Case {
        const char* option;
        std::int32_t score;
        bool shown;
    };
    const Case cases[] = {{"1", 100, true}, {"1", 10, false}, {"0", 100, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.score) + " with HighScore " + c.option);
        WriteLevel(1, {"P", "", "", "", "", "", "", "."});
        Setting("Menu", "HighScore", c.option);
        form.Unload();
        Start();
        form.GameMode = Mode::GameOver;
        Common::gScore = c.score;
        bool shown = false;
        platform::headless::OnIdle([&] {
            if (shown) {
                ADD_FAILURE() << "the high-score window is still open";
                TheHighScoreForm().Unload();
                return;
            }
            shown = true;
            EXPECT_TRUE(TheHighScoreForm().Visible());
            platform::headless::After(0).Type("Ada");
            platform::headless::After(0).KeyPress(platform::vbKeyReturn);
            platform::headless::After(0).KeyPress(platform::vbKeyEscape);
        });
        RunPass();
        platform::headless::OnIdle(nullptr);
        EXPECT_EQ(shown, c.shown);
        EXPECT_FALSE(TheHighScoreForm().IsLoaded());
        EXPECT_EQ(form.GameMode, Mode::Waiting);
        EXPECT_EQ(Common::gScore, 0);
        EXPECT_EQ(platform::GetSetting("Vandrel", "Tamblo", "HighscoreName5", ""),
                  c.shown ? "Ada" : "");
        EXPECT_EQ(platform::GetSetting("Vandrel", "Tamblo", "Highscore5", ""),
                  c.shown ? "100" : "60");
        Setting("Tamblo", "Highscore5", "60");
        Setting("Tamblo", "HighscoreName5", "");
        form.FreeGraphics();
        form.CloseSounds();
    }
}

TEST_F(TambloRulesTest, HeldArrowsOverrideEachOtherInOrderAndTheJoystickOverridesThem)
{
    WriteLevel(1, {"", "", "", "______P", "", "", "", "."});
    PlugInStick();
    struct Case {
        const char* name;
        std::vector<std::int16_t> keys;
        bool go;
        std::uint32_t stickX, stickY;
        std::int16_t direction;
    };
    const Case cases[] = {
        {"left and right",
         {platform::vbKeyLeft, platform::vbKeyRight},
         false,
         32768,
         32768,
         tamblo::DirRight},
        {"up and down",
         {platform::vbKeyUp, platform::vbKeyDown},
         false,
         32768,
         32768,
         tamblo::DirDown},
        {"enter goes on ahead", {}, true, 32768, 32768, tamblo::DirRight},
        {"an arrow overrides enter", {platform::vbKeyUp}, true, 32768, 32768, tamblo::DirUp},
        {"the stick overrides arrows", {platform::vbKeyRight}, false, 0, 32768, tamblo::DirLeft},
        {"stick down over stick left", {}, false, 0, 65535, tamblo::DirDown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.Unload();
        Start();
        SetStick(c.stickX, c.stickY);
        form.GameMode = Mode::Playing;
        form.GoHeld = c.go;
        for (std::int16_t key : c.keys) {
            SetKeyState(key, true);
        }
        RunPass();
        for (std::int16_t key : c.keys) {
            SetKeyState(key, false);
        }
        EXPECT_EQ(form.Facing, c.direction);
        const double dx[] = {60, 0, -60, 0};
        const double dy[] = {0, 60, 0, -60};
        EXPECT_EQ(form.Player.mXdest, CellX(6) + dx[c.direction]);
        EXPECT_EQ(form.Player.mYdest, CellY(3) + dy[c.direction]);
        SetStick(32768, 32768);
        form.FreeGraphics();
        form.CloseSounds();
    }
}

TEST_F(TambloRulesTest, EveryInputMovesTheFigureCellByCellAndEveryWallStopsFigureAndGhosts)
{
    // The figure at 300 px/s, the ghost at 150 px/s, in passes of 20 ms: the first pass at rest
    // sets off, each one after moves 6 (or 3) pixels.
    Setting("Tamblo", "GhostSpeed", "150");
    Setting("Tamblo", "MaxNumGhosts", "1");
    PlugInStick();
    static const std::vector<std::string> open = {
        "", "", "", "______P___###", "__________#G#", "__________###", "", "."};
    static const std::vector<std::string> corridor = {
        "###", "#P#", "###", "#############", "______G", "#############", "", "."};
    static const std::vector<std::string> deadEnd = {"###", "#P#",           "###", "#############",
                                                     "G",   "#############", "",    "."};
    static const std::vector<std::string> shutIn = {
        "###_____###", "#P#_____#G#", "###_____###", "", "", "", "", "."};
    constexpr double Onward = 1e9; // any distance in that direction
    struct Case {
        std::string name;
        std::vector<std::string> rows = open;
        int wall = -1; // every wall cell this id; -1: the drawn pieces
        std::int16_t key = 0;
        std::int16_t button = 0;
        std::uint32_t stickX = 32768, stickY = 32768;
        bool oneButton = false;
        std::int32_t ms = 320;
        double dx = 0, dy = 0;                  // the figure's way from its start
        std::int16_t facing = tamblo::DirRight; // -1: not looked at
        double gx = 0, gy = 0;                  // the ghost's
    };
    std::vector<Case> cases = {
        {.name = "right arrow", .key = platform::vbKeyRight, .dx = 90},
        {.name = "left arrow", .key = platform::vbKeyLeft, .dx = -90, .facing = 2},
        {.name = "up arrow", .key = platform::vbKeyUp, .dy = -90, .facing = 3},
        {.name = "down arrow", .key = platform::vbKeyDown, .dy = 90, .facing = 1},
        {.name = "Enter goes ahead", .key = platform::vbKeyReturn, .dx = 90},
        {.name = "left button goes ahead", .button = platform::vbLeftButton, .dx = 90},
        {.name = "Space turns at once", .key = platform::vbKeySpace, .ms = 1020, .facing = 1},
        {.name = "and after 1000 ms", .key = platform::vbKeySpace, .ms = 1040, .facing = 2},
        {.name = "right button turns", .button = platform::vbRightButton, .ms = 1040, .facing = 2},
        {.name = "one-button mode turns", .oneButton = true, .ms = 1040, .facing = 2},
        {.name = "stick left", .stickX = 0, .dx = -90, .facing = 2},
        {.name = "stick right", .stickX = 65535, .dx = 90},
        {.name = "stick up", .stickY = 0, .dy = -90, .facing = 3},
        {.name = "stick down", .stickY = 65535, .dy = 90, .facing = 1},
        // A new ghost may not go right; then never back the way it came.
        {.name = "ghost runs on", .rows = corridor, .ms = 820, .gx = -120},
        {.name = "ghost turns back at a dead end", .rows = deadEnd, .ms = 2000, .gx = Onward},
    };
    // Enter in one-button mode tries every way within two seconds; the ghost draws every way.
    for (int id = 0; id < tamblo::WallPieceCount; ++id) {
        cases.push_back({.name = "wall " + std::to_string(id),
                         .rows = shutIn,
                         .wall = id,
                         .key = platform::vbKeyReturn,
                         .oneButton = true,
                         .ms = 2100,
                         .facing = -1});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLevel(1, c.rows, c.wall);
        form.Unload();
        Start();
        form.GameMode = Mode::Playing;
        Common::gOneButton = c.oneButton;
        SetStick(c.stickX, c.stickY);
        const platform::Point field = OnScreen(400, 450);
        if (c.key != 0) {
            KeyDown(c.key);
        }
        if (c.button != 0) {
            platform::headless::After(0).MouseDown(c.button, field.x, field.y);
            platform::DoEvents();
        }
        const double x = form.Player.X, y = form.Player.Y;
        const double ghostX = form.Ghosts[0].X, ghostY = form.Ghosts[0].Y;
        for (std::int32_t t = 0; t < c.ms; t += 20) {
            Pass(20);
        }
        EXPECT_NEAR(form.Player.X - x, c.dx, 1e-9);
        EXPECT_NEAR(form.Player.Y - y, c.dy, 1e-9);
        if (c.facing >= 0) {
            EXPECT_EQ(form.Facing, c.facing);
        }
        if (c.gx == Onward) {
            EXPECT_GT(form.Ghosts[0].X, ghostX);
        } else {
            EXPECT_NEAR(form.Ghosts[0].X - ghostX, c.gx, 1e-9);
        }
        EXPECT_NEAR(form.Ghosts[0].Y - ghostY, c.gy, 1e-9);
        EXPECT_EQ(form.GameMode, Mode::Playing);
        if (c.key != 0) {
            KeyUp(c.key);
        }
        if (c.button != 0) {
            platform::headless::After(0).MouseUp(c.button, field.x, field.y);
            platform::DoEvents();
        }
        form.FreeGraphics();
        form.CloseSounds();
    }
}

TEST_F(TambloRulesTest, InOneButtonModeTheFigureTurnsEverySecondAndGoesOnWhereItCan)
{
    // Right along the top row to the wall, then it turns down into the open column.
    WriteLevel(1, {"P..#", "##.#", "_#.#", "", "", "", "", "."});
    Setting("Menu", "OneButton", "1");
    Start();
    form.GameMode = Mode::Playing;
    std::vector<std::int64_t> turns;
    std::int16_t facing = form.Facing;
    for (int i = 0; i < 200; ++i) {
        RunPass();
        if (form.Facing != facing) {
            EXPECT_EQ(form.Facing, (facing + 1) % 4) << "clockwise";
            facing = form.Facing;
            turns.push_back(platform::headless::Elapsed());
        }
    }
    ASSERT_GE(turns.size(), 3U);
    for (std::size_t i = 1; i < turns.size(); ++i) {
        EXPECT_GT(turns[i] - turns[i - 1], 1000);
        EXPECT_LE(turns[i] - turns[i - 1], 1016);
    }
    EXPECT_TRUE(AtCell(form.Player, 0, 0)) << "without Enter it only turns";

    form.Unload();
    Start();
    form.GameMode = Mode::Playing;
    form.GoHeld = true;
    ASSERT_TRUE(
        PassUntil([&] { return form.Player.X == CellX(2) && form.Player.Y >= CellY(2); }, 600));
}

TEST_F(TambloRulesTest, ANewGhostFirstGoesAnyWayButRight)
{
    // Open to the left and to the right: without the fallback it always goes left first.
    WriteLevel(1, {"P___.", "#############", "", "", "#############", "_____G", "#############"});
    Setting("Tamblo", "MaxNumGhosts", "1");
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        GameUtil::SetRandomState(seed);
        form.Unload();
        Start();
        form.GameMode = Mode::Playing;
        RunPass();
        EXPECT_EQ(form.Ghosts[0].mXdest, CellX(4)) << "seed " << seed;
        EXPECT_EQ(form.Ghosts[0].id, tamblo::DirRight) << "it may not turn straight back";
        form.FreeGraphics();
        form.CloseSounds();
    }
}

TEST_F(TambloRulesTest, WithoutLevelOneTheGameAsksToLeave)
{
    Start();
    EXPECT_TRUE(form.QuitGame);
}

} // namespace
} // namespace tamblotest
