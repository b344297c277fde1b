// Quadrel played through: from the launcher (the sixth icon) with keys that move, turn and drop a
// piece and Esc back; and a replay of scripted input that clears three rows of bars, wins the level
// and wraps back to level 1 with faster pieces.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/Common.h"
#include "games/quadrel/QuadrelForm.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/HeadlessDevices.h"
#include "platform/Input.h"
#include "platform/Media.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "shell/MenuForm.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/ScriptedProgram.h"
#include "toolkit/GameUtil.h"

namespace {

using platform::headless::After;
using Mode = quadrel::GameMode;

std::size_t Occupied(const QuadrelForm& form)
{
    return static_cast<std::size_t>(std::count_if(form.FieldCells.begin(), form.FieldCells.end(),
                                                  [](const SpriteClass& c) { return c.id >= 0; }));
}

TEST(QuadrelEndToEndTest, TheLauncherStartsQuadrelWhichPlaysAPieceAndReturnsOnEsc)
{
    platform::headless::Install();
    testsupport::ResetSharedState();
    platform::headless::UseDevices(true);
    platform::headless::ClearMediaLog();
    std::filesystem::remove(platform::settings::FilePath("Vandrel"));
    platform::SetProgramFolderAsCurrent();
    Common::gFullScreen = false;
    GameUtil::SetRandomState(11);
    MenuForm& launcher = TheMenuForm();
    QuadrelForm& game = TheQuadrelForm();
    std::deque<std::function<void()>> steps = {
        [&] {
            // The first Space selects the first icon, the sixth the sixth; Enter launches it.
            for (int i = 0; i < 6; ++i) {
                After(0).KeyPress(platform::vbKeySpace);
            }
            After(100).KeyPress(platform::vbKeyReturn);
            // In the game: a key starts it, then left, a turn and the drop; Esc leaves.
            After(500).KeyPress(platform::vbKeyLeft);
            After(700).KeyPress(platform::vbKeyLeft);
            After(900).KeyPress(platform::vbKeyUp);
            After(1100).KeyPress(platform::vbKeyDown);
            After(3000).KeyPress(platform::vbKeyEscape);
        },
        [&] {
            EXPECT_TRUE(launcher.Visible());
            EXPECT_FALSE(game.IsLoaded());
            After(0).KeyPress(platform::vbKeyEscape);
        },
    };
    testsupport::RunProgramSteps(launcher, steps);
    EXPECT_EQ(Common::gGameName, "Quadrel");
    EXPECT_EQ(game.GameMode, Mode::Playing);
    // One piece lies on the floor, its pivot a cell left of where it came in.
    const std::size_t locked = Occupied(game);
    EXPECT_GE(locked, 1U);
    EXPECT_LE(locked, 5U);
    EXPECT_TRUE(std::any_of(game.FieldCells.begin(), game.FieldCells.end(),
                            [](const auto& c) { return c.id >= 0 && c.X == 360; }));
}

using QuadrelReplayTest = testsupport::GameWindowFixture<QuadrelForm>;

TEST_F(QuadrelReplayTest, FifteenBarsClearThreeRowsWinTheLevelAndWrapToAFasterLevelOne)
{
    // Every template is a bar of two blocks: it comes in over columns 5 and 6.
    std::string map;
    for (int t = 0; t < 6; ++t) {
        for (int i = 0; i < 25; ++i) {
            map += std::to_string(i % 5 * 40) + "," + std::to_string(i / 5 * 40) + "," +
                   (i < 2 ? std::to_string(t) : "-1") + "\n";
        }
    }
    WriteMap("Quadrel", 1, map);
    Save("Quadrel", "FallSpeed", "100");
    ShowWindow();
    KeyPress(platform::vbKeyF3);
    // Columns 0-1, 2-3, 4-5, 6-7, 8-9 fill a row.
    const int moves[] = {-5, -3, -1, 1, 3};
    for (int piece = 0; piece < 15; ++piece) {
        SCOPED_TRACE(piece);
        const std::size_t before = Occupied(form) + 10 * static_cast<std::size_t>(form.RowsCleared);
        const int move = moves[piece % 5];
        for (int step = 0; step < std::abs(move); ++step) {
            KeyPress(move < 0 ? platform::vbKeyLeft : platform::vbKeyRight);
            RunPass();
        }
        KeyPress(platform::vbKeyDown);
        ASSERT_TRUE(PassUntil([&] {
            return Occupied(form) + 10 * static_cast<std::size_t>(form.RowsCleared) == before + 2;
        }));
        EXPECT_EQ(form.RowsCleared, (piece + 1) / 5);
    }
    EXPECT_EQ(form.GameMode, Mode::LevelCleared);
    ASSERT_TRUE(PassUntil([&] { return form.GameMode == Mode::Waiting; }));
    EXPECT_EQ(form.Level, 1);
    EXPECT_EQ(form.LevelFallSpeed, 120);
    EXPECT_EQ(form.RowsCleared, 3);
    EXPECT_EQ(form.LevelRows, 0);
    EXPECT_EQ(Occupied(form), 0U);
    ASSERT_GE(form.PieceBlocks.size(), 2U);
    EXPECT_EQ(form.PieceBlocks[1].X, 440);
    EXPECT_EQ(form.PieceBlocks[1].Y, 0);
}

} // namespace
