// The shipped Tamblo levels: numbered without gaps, the right size, wall pieces that join their
// neighbours, one player start, ghosts not beside it, every dot reachable, difficulty growing, and
// each map what the maze tool makes of its drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/Common.h"
#include "games/tamblo/TambloCommon.h"
#include "games/tamblo/TambloTiles.h"
#include "platform/ListFile.h"
#include "tests/support/ShippedMaps.h"
#include "tools/TambloMazeDrawing.h"

namespace {

namespace tc = TambloCommon;

struct Level {
    int number = 0;
    std::vector<int> ids;
    int ghosts = 0;
    int walls = 0;
};

int CountValues(const std::string& path)
{
    platform::ListReader reader;
    EXPECT_TRUE(reader.Open(path));
    int count = 0;
    std::int16_t value = 0;
    while (!reader.Eof() && reader.Input(value)) {
        ++count;
    }
    return count;
}

void CheckLevel(const std::string& mode, Level& level)
{
    const std::string path = "Maps/Tamblo/" + mode + "/" + std::to_string(level.number) + ".map";
    SCOPED_TRACE(path);
    const int cols = tc::Cols;
    const int rows = tc::Rows;
    EXPECT_EQ(CountValues(path), cols * rows);
    tc::BuildGrid();
    ASSERT_TRUE(tc::LoadMap(path));
    for (const SpriteClass& cell : tc::Tiles) {
        level.ids.push_back(cell.id);
    }
    const auto at = [&](int row, int column) {
        return level.ids[static_cast<std::size_t>(row * cols + column)];
    };
    const auto walkableAt = [&](int row, int column) {
        return row >= 0 && row < rows && column >= 0 && column < cols &&
               !tamblo::IsWall(at(row, column));
    };
    const int steps[4][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}}; // right, down, left, up

    std::vector<int> playerStarts;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < cols; ++column) {
            const int id = at(row, column);
            if (tamblo::IsWall(id)) {
                ++level.walls;
                int joins = 0;
                for (int d = 0; d < 4; ++d) {
                    const int r = row + steps[d][0];
                    const int c = column + steps[d][1];
                    if (r >= 0 && r < rows && c >= 0 && c < cols && tamblo::IsWall(at(r, c))) {
                        joins |= 1 << d;
                    }
                }
                EXPECT_EQ(tamblo::WallJoins[static_cast<std::size_t>(id)], joins)
                    << "wall piece " << id << " at row " << row << ", column " << column;
            }
            if (id == tamblo::PlayerStartTile) {
                playerStarts.push_back(row * cols + column);
            }
            level.ghosts += id == tamblo::GhostStartTile ? 1 : 0;
        }
    }
    ASSERT_EQ(playerStarts.size(), 1U);
    const int startRow = playerStarts[0] / cols;
    const int startColumn = playerStarts[0] % cols;

    std::vector<bool> reached(level.ids.size(), false);
    std::vector<int> open{playerStarts[0]};
    reached[static_cast<std::size_t>(playerStarts[0])] = true;
    while (!open.empty()) {
        const int cell = open.back();
        open.pop_back();
        for (const auto& step : steps) {
            const int r = cell / cols + step[0];
            const int c = cell % cols + step[1];
            if (walkableAt(r, c) && !reached[static_cast<std::size_t>(r * cols + c)]) {
                reached[static_cast<std::size_t>(r * cols + c)] = true;
                open.push_back(r * cols + c);
            }
        }
    }
    for (int cell = 0; cell < rows * cols; ++cell) {
        const int id = level.ids[static_cast<std::size_t>(cell)];
        if (!tamblo::IsWall(id)) {
            EXPECT_TRUE(reached[static_cast<std::size_t>(cell)])
                << "cell " << cell << " cannot be reached from the player start";
        }
        if (id == tamblo::GhostStartTile) {
            EXPECT_GT(
                std::max(std::abs(cell / cols - startRow), std::abs(cell % cols - startColumn)), 1)
                << "ghost start " << cell << " beside the player start";
        }
    }
    EXPECT_GT(std::count(level.ids.begin(), level.ids.end(), tamblo::DotTile), 0);
    EXPECT_GT(level.ghosts, 0);
}

TEST(TambloMapsTest, EveryShippedLevelIsPlayableAndDrawnWithJoiningWallPieces)
{
    for (const std::string mode : {"easy", "normal"}) {
        SCOPED_TRACE(mode);
        Common::gMode = mode;
        tc::BuildGrid();
        const std::set<int> numbers = testsupport::LevelNumbers("Tamblo", mode);
        ASSERT_GE(numbers.size(), 6U);
        // Numbered from 1 without a gap: a gap would send play back to level 1 early.
        EXPECT_EQ(*numbers.begin(), 1);
        EXPECT_EQ(*numbers.rbegin(), static_cast<int>(numbers.size()));

        std::vector<Level> levels;
        for (const int number : numbers) {
            Level level;
            level.number = number;
            CheckLevel(mode, level);
            levels.push_back(level);
        }
        // Later levels never have fewer ghosts or walls, and the last has more ghosts than the
        // first.
        for (std::size_t i = 1; i < levels.size(); ++i) {
            EXPECT_GE(levels[i].ghosts, levels[i - 1].ghosts) << "level " << levels[i].number;
            EXPECT_GE(levels[i].walls, levels[i - 1].walls) << "level " << levels[i].number;
        }
        const int firstGhosts = levels.empty() ? 0 : levels.front().ghosts;
        const int lastGhosts = levels.empty() ? 0 : levels.back().ghosts;
        EXPECT_GT(lastGhosts, firstGhosts);

        for (const Level& level : levels) {
            const auto drawing = std::filesystem::path(VANDREL_SOURCE_DIR) / "tools/mazes/tamblo" /
                                 mode / (std::to_string(level.number) + ".txt");
            std::string error;
            const auto maze = tamblo::ReadMazeDrawing(testsupport::ReadText(drawing), error);
            ASSERT_TRUE(maze) << drawing << ": " << error;
            EXPECT_TRUE(std::equal(maze->tiles.begin(), maze->tiles.end(), level.ids.begin(),
                                   level.ids.end()))
                << drawing << " and its map differ: run the maze tool again";
        }
    }
}

TEST(TambloMapsTest, EveryShippedMapIsWhatTheMapWriterMakesOfIt)
{
    testsupport::ExpectShippedMapsRoundTrip(
        "Tamblo",
        [](std::string_view path) {
            tc::BuildGrid();
            return tc::LoadMap(path);
        },
        tc::SaveMap);
}

} // namespace
