// The rules of Quadrel on a shown window, with templates made in the test: where a piece spawns and
// how it turns, landing and snapping, full rows, rows cleared and the level won, when a landing
// ends the game, held keys, a long frame that must not carry the piece into the stack, the piece's
// motion under every input, the flow of the game's states, the score on the panel and the grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"
#include "games/quadrel/QuadrelForm.h"
#include "platform/Gdi.h"
#include "platform/Input.h"
#include "platform/Joystick.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace qc = QuadrelCommon;
using Mode = quadrel::GameMode;
using Position = std::pair<double, double>;

class QuadrelRulesTest : public testsupport::GameWindowFixture<QuadrelForm> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        UseShippedMaps();
        Save("Quadrel", "FxOn", "0");
        // A joystick at rest: the rows of a table move it.
        platform::headless::SetJoysticks(
            {{{"pad", 0, 65535, 0, 65535, 0, 0, 4, 2}, {32768, 32768, 0, 0}, false, false}});
        ShowWindow();
    }

    // A new level of the mode whose every template holds just these cells (block 2), waiting.
    void LevelOf(std::initializer_list<int> cells, const std::string& mode = "easy")
    {
        form.SetMode(mode);
        qc::MapTemplates.assign(qc::TemplateCount(), {});
        for (std::size_t t = 0; t < qc::MapTemplates.size(); ++t) {
            qc::MapTemplates[t] = qc::LaidOutTemplate(t);
            for (int i : cells) {
                qc::MapTemplates[t][static_cast<std::size_t>(i)].id = 2;
            }
        }
        form.InitLevel(true, false, true);
    }

    // To a thousandth of a pixel: a pass's fall is gone in equal parts.
    std::vector<Position> Piece() const
    {
        std::vector<Position> positions;
        for (const SpriteClass& block : form.PieceBlocks) {
            positions.emplace_back(std::round(block.X * 1000) / 1000,
                                   std::round(block.Y * 1000) / 1000);
        }
        return positions;
    }

    // A new easy level of these template cells with these field cells locked, a pass of waiting
    // (the piece's clock starts), then the state.
    void Start(std::initializer_list<int> cells, std::initializer_list<int> stack, Mode from)
    {
        LevelOf(cells);
        for (int cell : stack) {
            form.FieldCells[static_cast<std::size_t>(cell)].id = 0;
        }
        form.NextPollTime = 0;
        Pass(100);
        form.GameMode = from;
    }

    // The inputs, then passes of 100 ms; the stick goes back to rest and one-button mode off.
    void Run(std::string_view inputs, int ms)
    {
        for (char input : inputs) {
            Give(input);
        }
        for (int t = 0; t < ms; t += 100) {
            Pass(100);
        }
        platform::headless::Joystick(0).reading = {32768, 32768, 0, 0};
        Common::gOneButton = false;
    }

    // One input: a key pressed and released (L R U D E S 3 + -: Left, Right, Up, Down, Enter,
    // Space, F3, numpad + and -), the stick held to the end (< > ^ v, * its button), a click in
    // the field (l r), a pass of 1000 ms (w), one-button mode on (1), or F1 with the dialog
    // cancelled or OK 3 s later (o O); a dialog still open then fails the test.
    void Give(char input)
    {
        static const std::string keys = "LRUDES3+-";
        static const std::int16_t codes[] = {
            platform::vbKeyLeft, platform::vbKeyRight,  platform::vbKeyUp,
            platform::vbKeyDown, platform::vbKeyReturn, platform::vbKeySpace,
            platform::vbKeyF3,   platform::vbKeyAdd,    platform::vbKeySubtract};
        static const std::map<char, platform::JOYINFO> sticks = {
            {'<', {0, 32768, 0, 0}},
            {'>', {65535, 32768, 0, 0}},
            {'^', {32768, 0, 0, 0}},
            {'v', {32768, 65535, 0, 0}},
            {'*', {32768, 32768, 0, platform::JOY_BUTTON1}}};
        if (keys.find(input) != std::string::npos) {
            KeyPress(codes[keys.find(input)]);
        } else if (sticks.contains(input)) {
            platform::headless::Joystick(0).reading = sticks.at(input);
        } else if (input == 'l' || input == 'r') {
            Click(input == 'l' ? platform::vbLeftButton : platform::vbRightButton, 300, 300);
        } else if (input == 'w') {
            Pass(1000);
        } else if (input == '1') {
            Common::gOneButton = true;
        } else {
            platform::headless::OnIdle([this, ok = input == 'O', answered = false]() mutable {
                if (answered) {
                    ADD_FAILURE() << "the options dialog is still open";
                    form.Options.Unload();
                    return;
                }
                answered = true;
                platform::virtualclock::Advance(3000);
                platform::Point at{platform::CLng(form.Options.OkSprite.X) + 5,
                                   platform::CLng(form.Options.OkSprite.Y) + 5};
                platform::ClientToScreen(form.Options, &at);
                ok ? platform::headless::After(0).Click(platform::vbLeftButton, at.x, at.y)
                   : platform::headless::After(0).KeyPress(platform::vbKeyEscape);
            });
            KeyPress(platform::vbKeyF1);
            platform::headless::OnIdle(nullptr);
        }
    }

    // Occupies rows of the field, all but the given column (-1: none left out).
    void FillRows(std::initializer_list<int> rows, int gap = -1)
    {
        const int columns = Common::gMode == "easy" ? 10 : 20;
        for (int row : rows) {
            for (int column = 0; column < columns; ++column) {
                form.FieldCells[static_cast<std::size_t>(row * columns + column)].id =
                    column == gap ? -1 : 1;
            }
        }
    }
};

TEST_F(QuadrelRulesTest, APieceSpawnsFromItsTemplatesCellZeroAndTurnsClockwiseAboutItsFirstBlock)
{
    struct Case {
        const char* mode;
        std::initializer_list<int> cells;
        int occupied; // a field cell in the way of the turn, or -1
        std::vector<Position> spawned;
        std::vector<Position> turned;
    };
    const Case cases[] = {
        // Cell 0 empty: the square keeps its place, the block lies two cells right and down.
        {"easy", {12}, -1, {{480, 80}}, {{480, 80}}},
        {"normal", {12}, -1, {{440, 40}}, {{440, 40}}},
        // Right of the pivot becomes below it.
        {"easy",
         {5, 6, 7},
         -1,
         {{400, 40}, {440, 40}, {480, 40}},
         {{400, 40}, {400, 80}, {400, 120}}},
        {"normal",
         {1, 6, 7},
         -1,
         {{420, 0}, {420, 20}, {440, 20}},
         {{420, 0}, {400, 0}, {400, 20}}},
        // A turn onto a locked block, (400, 120), is refused.
        {"easy",
         {5, 6, 7},
         35,
         {{400, 40}, {440, 40}, {480, 40}},
         {{400, 40}, {440, 40}, {480, 40}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(*c.cells.begin()));
        LevelOf(c.cells, c.mode);
        if (c.occupied >= 0) {
            form.FieldCells[static_cast<std::size_t>(c.occupied)].id = 0;
        }
        EXPECT_EQ(Piece(), c.spawned);
        form.RotatePiece();
        EXPECT_EQ(Piece(), c.turned);
    }
}

TEST_F(QuadrelRulesTest, LandingSnapsToTheNearestRowTheUpperOneOnATie)
{
    struct Case {
        const char* name;
        double y;
        bool stack; // row 11 (Y 440) occupied
        bool landed;
        std::size_t lockedCell;
    };
    const Case cases[] = {
        {"bottom at 479", 439, false, false, 0},
        {"bottom at 480", 440, false, true, 115},
        {"on the floor at 439.6", 439.6, false, true, 115},
        {"halfway into the stack", 420, true, true, 105},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LevelOf({0});
        if (c.stack) {
            FillRows({11}, 0);
        }
        form.PieceBlocks.at(0).Y = c.y;
        ASSERT_EQ(form.HasLanded(form.PieceBlocks), c.landed);
        if (c.landed) {
            form.LockPiece();
            EXPECT_EQ(form.FieldCells[c.lockedCell].id, 2);
        }
    }
}

TEST_F(QuadrelRulesTest, FullRowsGoLowestFirstAndTheRowsAboveDropByAsManyAsWereCleared)
{
    struct Case {
        const char* mode;
        std::int32_t levelRowsBefore;
        Mode after;
    };
    const Case cases[] = {
        {"easy", 0, Mode::Playing},
        {"easy", 2, Mode::LevelCleared}, // the third row wins; the fourth still counts
        {"normal", 4, Mode::LevelCleared},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.levelRowsBefore));
        // A vertical bar of two into the gap of the two bottom rows, a lone block above them.
        LevelOf({0, 5}, c.mode);
        const std::size_t columns = c.mode[0] == 'e' ? 10 : 20;
        const int rows = c.mode[0] == 'e' ? 12 : 24;
        FillRows({rows - 2, rows - 1}, static_cast<int>(columns / 2));
        form.FieldCells[(rows - 3) * columns].id = 4;
        EXPECT_EQ(form.FindFullRow(), -1);
        form.LevelRows = c.levelRowsBefore;
        form.StartGame();
        form.SetPieceSpeed(QuadrelForm::DropSpeed);
        ASSERT_TRUE(PassUntil([&] { return form.RowsCleared > 0; }));
        EXPECT_EQ(form.RowsCleared, 2);
        EXPECT_EQ(form.GameMode, c.after);
        EXPECT_EQ(form.FieldCells[(rows - 1) * columns].id, 4);
        EXPECT_EQ(form.FieldCells[(rows - 3) * columns].id, -1);
        EXPECT_EQ(form.FindFullRow(), -1);
    }
}

TEST_F(QuadrelRulesTest, ALandingEndsTheGameAtTheTopOrWhenThePieceCameInOverTheStack)
{
    const Mode over = Mode::GameOver;
    struct Case {
        const char* name;
        std::initializer_list<int> cells; // of the template
        int stack;                        // the locked field cell
        const char* inputs;
        int ms;
        bool highScore;
        Mode after;
        int locked;
        std::int32_t score; // gScore: ten per row at game over, with "HighScore" on
    };
    const Case cases[] = {
        // Block 12 comes in at (480, 80), row 2 column 7; block 2 at (480, 0).
        {"came in over a block", {12}, 27, "", 100, true, over, 1, 40},
        {"came in on a block: locks", {12}, 37, "", 100, true, Mode::Playing, 2, 0},
        {"on a block at the top: the next comes in over it", {2}, 17, "", 200, false, over, 2, 0},
        // Block 5 turns about block 1 (440, 0) to (400, -40), above the field.
        {"turned above the top", {1, 5}, 16, "U", 100, true, over, 1, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Common::gScore = 0;
        form.HighScoreOn = c.highScore;
        Start(c.cells, {c.stack}, Mode::Playing);
        form.RowsCleared = 4;
        Run(c.inputs, c.ms);
        EXPECT_EQ(form.GameMode, c.after);
        EXPECT_EQ(std::count_if(form.FieldCells.begin(), form.FieldCells.end(),
                                [](const SpriteClass& cell) { return cell.id >= 0; }),
                  c.locked);
        EXPECT_EQ(Common::gScore, c.score);
    }
}

TEST_F(QuadrelRulesTest, AHeldKeyActsOnceUntilAKeyIsReleased)
{
    LevelOf({0});
    KeyPress(platform::vbKeyF3); // from waiting straight to playing
    KeyDown(platform::vbKeyLeft);
    KeyDown(platform::vbKeyLeft);
    EXPECT_EQ(form.PieceBlocks.at(0).X, 360);
    KeyUp(platform::vbKeyLeft);
    KeyDown(platform::vbKeyLeft);
    EXPECT_EQ(form.PieceBlocks.at(0).X, 320);
}

TEST_F(QuadrelRulesTest, ALongFrameStillStopsThePieceOnTheStack)
{
    LevelOf({0});
    FillRows({11}, 0);
    form.PieceBlocks.at(0).Y = 380;
    form.StartGame();
    Pass(16); // the piece's clock starts
    form.SetPieceSpeed(QuadrelForm::DropSpeed);
    Pass(200); // 100 px in one pass
    EXPECT_EQ(form.FieldCells[105].id, 2);
    EXPECT_EQ(form.FieldCells[115].id, 1);
}

TEST_F(QuadrelRulesTest, ThePieceFallsMovesAndTurnsAsEachInputSays)
{
    const Mode play = Mode::Playing;
    const Mode pause = Mode::Paused;
    struct Case {
        const char* name;
        std::initializer_list<int> cells, stack; // of the template; locked in the field
        Position at;                             // block 0 before the input
        Mode from;
        const char* inputs;
        int ms;
        Position last; // the piece's last block afterwards
    };
    const Case cases[] = {
        // Easy: cells of 40 px, pieces at 40 px/s, MoveSpeed 500 ms.
        {"falls at 40 px/s", {0}, {}, {400, 0}, play, "", 1000, {400, 40}},
        {"stands while paused", {0}, {}, {400, 0}, pause, "", 1000, {400, 0}},
        {"Down drops at 500 px/s", {0}, {}, {400, 0}, play, "D", 200, {400, 100}},
        {"Enter drops too", {0}, {}, {400, 0}, play, "E", 200, {400, 100}},
        {"no move or turn while dropping", {0, 1}, {}, {400, 0}, play, "DLRUS", 200, {440, 100}},
        {"Left", {0}, {}, {400, 0}, play, "L", 0, {360, 0}},
        {"Right", {0}, {}, {400, 0}, play, "R", 0, {440, 0}},
        {"moves while paused", {0}, {}, {400, 0}, pause, "L", 0, {360, 0}},
        {"Left at the wall", {0}, {}, {200, 0}, play, "L", 0, {200, 0}},
        {"Right at the wall", {0}, {}, {560, 0}, play, "R", 0, {560, 0}},
        {"Left into the stack", {0}, {4}, {400, 0}, play, "L", 0, {400, 0}},
        {"Up turns clockwise", {0, 1}, {}, {400, 0}, play, "U", 0, {400, 40}},
        {"no turn through the left wall", {0, 1}, {}, {200, 200}, play, "UU", 0, {200, 240}},
        {"no turn through the right wall", {0, 5}, {}, {560, 200}, play, "UUU", 0, {560, 160}},
        {"no turn through the floor", {0, 1}, {}, {400, 400}, play, "U", 0, {440, 400}},
        {"Space sweeps right", {0}, {}, {400, 0}, play, "S", 0, {440, 0}},
        {"the sweep turns at the right wall", {0}, {}, {560, 0}, play, "SS", 0, {480, 0}},
        {"and at the left wall", {0}, {}, {560, 0}, play, "SLLLLLLLLSS", 0, {280, 0}},
        {"and at the stack", {0}, {6}, {400, 0}, play, "S", 0, {360, 0}},
        {"a left click sweeps", {0}, {}, {400, 0}, play, "l", 0, {440, 0}},
        {"and holds the keys until one is up", {0}, {}, {400, 0}, play, "lLL", 0, {400, 0}},
        {"a right click turns, dropping too", {0, 1}, {}, {400, 0}, play, "Dr", 0, {400, 40}},
        {"stick left", {0}, {}, {400, 0}, play, "<", 100, {360, 4}},
        {"stick right", {0}, {}, {400, 0}, play, ">", 100, {440, 4}},
        {"stick up turns", {0, 1}, {}, {400, 0}, play, "^", 100, {400, 44}},
        {"stick down does nothing", {0}, {}, {400, 0}, play, "v", 100, {400, 4}},
        {"the stick's button drops", {0}, {}, {400, 0}, play, "*", 200, {400, 54}},
        {"the stick moves every 500 ms", {0}, {}, {400, 0}, play, "<", 1000, {320, 40}},
        {"the stick moves a dropping piece", {0}, {}, {400, 0}, play, "D<", 100, {360, 50}},
        {"the stick rests while paused", {0}, {}, {400, 0}, pause, "<", 1000, {400, 0}},
        {"one button sweeps every 500 ms", {0}, {}, {400, 0}, play, "1", 1000, {480, 40}},
        {"one button: Enter drops, no sweep", {0}, {}, {400, 0}, play, "1E", 200, {400, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.cells, c.stack, c.from);
        const Position from = Piece()[0];
        for (SpriteClass& block : form.PieceBlocks) {
            block.X += c.at.first - from.first;
            block.Y += c.at.second - from.second;
        }
        Run(c.inputs, c.ms);
        EXPECT_EQ(Piece().back(), c.last);
    }
}

TEST_F(QuadrelRulesTest, TheGameGoesFromStateToStateAsEachInputSays)
{
    const Mode wait = Mode::Waiting;
    const Mode play = Mode::Playing;
    const Mode pause = Mode::Paused;
    struct Case {
        const char* name;
        Mode from;
        const char* inputs;
        int ms;
        Mode after;
        std::int16_t level;
        std::optional<Position> pivot; // none: a new level's piece
    };
    const Case cases[] = {
        {"a key only starts a waiting game", wait, "L", 0, play, 1, Position{400, 0}},
        {"F3 starts it", wait, "3", 0, play, 1, Position{400, 0}},
        {"numpad + only starts it", wait, "+", 0, play, 1, Position{400, 0}},
        {"a click starts it and sweeps", wait, "l", 0, play, 1, Position{440, 0}},
        {"stick left starts it", wait, "<", 100, play, 1, Position{400, 0}},
        {"stick right starts it", wait, ">", 100, play, 1, Position{400, 0}},
        {"stick up starts it", wait, "^", 100, play, 1, Position{400, 0}},
        {"stick down starts it", wait, "v", 100, play, 1, Position{400, 0}},
        {"the stick's button starts it", wait, "*", 100, play, 1, Position{400, 0}},
        {"a cancelled dialog starts it", wait, "o", 0, play, 1, Position{400, 0}},
        {"F3 pauses", play, "3", 1000, pause, 1, Position{400, 0}},
        {"F3 resumes, the pause not counted", play, "3w3", 1000, play, 1, Position{400, 40}},
        {"F3 leaves the flowers to fall", Mode::LevelCleared, "3", 8000, wait, 2, {}},
        {"F3 leaves the curtain to fall", Mode::GameOver, "3", 4000, wait, 1, {}},
        {"no time passes in a cancelled dialog", play, "o", 100, play, 1, Position{400, 4}},
        {"numpad + sets up the next level", play, "+", 0, wait, 2, {}},
        {"numpad - the level before", play, "+3-", 0, wait, 1, {}},
        {"numpad - stays at level 1", play, "-", 0, wait, 1, {}},
        {"numpad + waits while paused", pause, "+", 0, pause, 1, Position{400, 0}},
        {"OK in the dialog: a new game, playing", play, "+3O", 0, play, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start({0}, {}, c.from);
        Run(c.inputs, c.ms);
        EXPECT_EQ(form.GameMode, c.after);
        EXPECT_EQ(form.Level, c.level);
        if (c.pivot) {
            EXPECT_EQ(Piece()[0], *c.pivot);
        }
    }
}

TEST_F(QuadrelRulesTest, ARowIsFullOnlyWhenEveryCellOfItIsTakenTheLowestFirst)
{
    struct Case {
        const char* mode;
        std::initializer_list<int> rows;
        int gap; // the column left empty, -1 none
        std::int16_t full;
    };
    const Case cases[] = {
        {"easy", {11}, -1, 110},  {"easy", {11}, 9, -1},     {"easy", {11}, 0, -1},
        {"easy", {3, 7}, -1, 70}, {"normal", {23}, -1, 460}, {"normal", {23}, 19, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.gap));
        LevelOf({0}, c.mode);
        FillRows(c.rows, c.gap);
        EXPECT_EQ(form.FindFullRow(), c.full);
    }
}

// Level 10 and one row: the panel prints "10" at the left and "10" at the right, in black ink. G
// outlines every cell in black: a cell's left edge at x 440 in row 5.
TEST_F(QuadrelRulesTest, TheFrameShowsTheScoreTenPerRowAndGTheCellOutlines)
{
    form.Level = 10;
    form.RowsCleared = 1;
    form.DrawFrame();
    const platform::Color black = platform::Rgb(0, 0, 0);
    const auto ink = [&](int left) {
        int count = 0;
        for (int y = 480; y < 600; ++y) {
            for (int x = left; x < left + 400; ++x) {
                count += platform::GetPixel(form.hDC(), x, y) == black ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(ink(0), 0);
    EXPECT_EQ(ink(400), ink(0));
    EXPECT_NE(platform::GetPixel(form.hDC(), 440, 220), black);
    KeyPress(platform::vbKeyG);
    form.DrawFrame();
    EXPECT_EQ(platform::GetPixel(form.hDC(), 440, 220), black);
}

} // namespace
