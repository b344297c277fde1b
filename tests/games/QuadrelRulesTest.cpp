// The rules of Quadrel on a shown window, with templates made in the test: where a piece spawns and
// how it turns, landing and snapping, rows cleared and the level won, a piece with no room to fall,
// held keys, and a long frame that must not carry the piece into the stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"
#include "games/quadrel/QuadrelForm.h"
#include "platform/Input.h"
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

    std::vector<Position> Piece() const
    {
        std::vector<Position> positions;
        for (const SpriteClass& block : form.PieceBlocks) {
            positions.emplace_back(block.X, block.Y);
        }
        return positions;
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
        form.PieceBlocks[0].Y = c.y;
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

TEST_F(QuadrelRulesTest, APieceWithNoRoomToFallEndsTheGameWithoutLocking)
{
    struct Case {
        const char* name;
        int templateCell;
        std::size_t lockedCell;
    };
    const Case cases[] = {
        // Block 12 spawns at (480, 80), row 2 column 7; block 2 at (480, 0).
        {"spawned into a block", 12, 27},
        {"spawned on a block below the top", 12, 37},
        {"spawned on a block at the top", 2, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LevelOf({c.templateCell});
        form.FieldCells[c.lockedCell].id = 0;
        form.StartGame();
        Pass(16);
        Pass(16);
        EXPECT_EQ(form.GameMode, Mode::GameOver);
        EXPECT_EQ(std::count_if(form.FieldCells.begin(), form.FieldCells.end(),
                                [](const SpriteClass& cell) { return cell.id >= 0; }),
                  1);
    }
}

TEST_F(QuadrelRulesTest, AHeldKeyActsOnceUntilAKeyIsReleased)
{
    LevelOf({0});
    KeyPress(platform::vbKeyF3); // from waiting straight to playing
    KeyDown(platform::vbKeyLeft);
    KeyDown(platform::vbKeyLeft);
    EXPECT_EQ(form.PieceBlocks[0].X, 360);
    KeyUp(platform::vbKeyLeft);
    KeyDown(platform::vbKeyLeft);
    EXPECT_EQ(form.PieceBlocks[0].X, 320);
}

TEST_F(QuadrelRulesTest, ALongFrameStillStopsThePieceOnTheStack)
{
    LevelOf({0});
    FillRows({11}, 0);
    form.PieceBlocks[0].Y = 380;
    form.StartGame();
    Pass(16); // the piece's clock starts
    form.SetPieceSpeed(QuadrelForm::DropSpeed);
    Pass(200); // 100 px in one pass
    EXPECT_EQ(form.FieldCells[105].id, 2);
    EXPECT_EQ(form.FieldCells[115].id, 1);
}

} // namespace
