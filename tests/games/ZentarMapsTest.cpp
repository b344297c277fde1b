// The shipped Zentar levels: numbered without gaps, each with a background, every alien inside the
// play field above the ship and clear of the others, difficulty growing, and each map what the
// formation tool makes of its drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "games/zentar/ZentarCommon.h"
#include "tests/support/ShippedMaps.h"
#include "tools/ZentarFormationDrawing.h"

namespace {

namespace zc = ZentarCommon;

// The play field is 800 x 480; the 40-pixel ship stands 5 pixels above the panel, so its top is at
// y 435. Aliens are 60 pixels square in "easy" and 40 in "normal".
constexpr double FieldWidth = 800;
constexpr double ShipTop = 435;

struct Level {
    int number = 0;
    std::size_t aliens = 0;
    std::size_t rows = 0;
    double lowestStart = 0;
};

Level CheckLevel(const std::string& mode, int number, double size)
{
    const std::string path = "Maps/Zentar/" + mode + "/" + std::to_string(number) + ".map";
    SCOPED_TRACE(path);
    Level level;
    level.number = number;
    zc::MapBackground.id = -1;
    EXPECT_TRUE(zc::LoadMap(path));
    EXPECT_GE(zc::MapBackground.id, 0) << "no background record";
    EXPECT_LT(zc::MapBackground.id, 27);

    std::set<double> rows;
    for (std::size_t i = 0; i < zc::MapAliens.size(); ++i) {
        const SpriteClass& alien = zc::MapAliens[i];
        EXPECT_TRUE(alien.visible) << "alien " << i;
        EXPECT_GE(alien.X, 0) << "alien " << i;
        EXPECT_LE(alien.X + size, FieldWidth) << "alien " << i;
        EXPECT_GE(alien.Y, 0) << "alien " << i;
        EXPECT_LE(alien.Y + size, ShipTop) << "alien " << i;
        for (std::size_t j = 0; j < i; ++j) {
            const SpriteClass& other = zc::MapAliens[j];
            const bool apart = alien.X >= other.X + size || other.X >= alien.X + size ||
                               alien.Y >= other.Y + size || other.Y >= alien.Y + size;
            EXPECT_TRUE(apart) << "aliens " << j << " and " << i << " overlap";
        }
        rows.insert(alien.Y);
        level.lowestStart = std::max(level.lowestStart, alien.Y);
    }
    level.aliens = zc::MapAliens.size();
    level.rows = rows.size();
    return level;
}

TEST(ZentarMapsTest, EveryShippedLevelStartsInsideThePlayFieldAndGrowsInDifficulty)
{
    struct Mode {
        const char* name;
        double alienSize;
    };
    for (const Mode mode : {Mode{"easy", 60}, Mode{"normal", 40}}) {
        SCOPED_TRACE(mode.name);
        const std::set<int> numbers = testsupport::LevelNumbers("Zentar", mode.name);
        ASSERT_GE(numbers.size(), 6U);
        // Numbered from 1 without a gap: a gap would send play back to level 1 early.
        EXPECT_EQ(*numbers.begin(), 1);
        EXPECT_EQ(*numbers.rbegin(), static_cast<int>(numbers.size()));

        std::vector<Level> levels;
        for (const int number : numbers) {
            levels.push_back(CheckLevel(mode.name, number, mode.alienSize));
        }
        // More aliens, more rows and lower starts never get easier from one level to the next.
        for (std::size_t i = 1; i < levels.size(); ++i) {
            SCOPED_TRACE("level " + std::to_string(levels[i].number));
            EXPECT_GE(levels[i].aliens, levels[i - 1].aliens);
            EXPECT_GE(levels[i].rows, levels[i - 1].rows);
            EXPECT_GE(levels[i].lowestStart, levels[i - 1].lowestStart);
        }
        // The last level is harder than the first in all three.
        const Level first = levels.empty() ? Level{} : levels.front();
        const Level last = levels.empty() ? Level{} : levels.back();
        EXPECT_GT(last.aliens, first.aliens);
        EXPECT_GT(last.rows, first.rows);
        EXPECT_GT(last.lowestStart, first.lowestStart);
    }
}

TEST(ZentarMapsTest, EveryShippedMapIsWhatTheFormationToolMakesOfItsDrawing)
{
    for (const std::string mode : {"easy", "normal"}) {
        for (const int number : testsupport::LevelNumbers("Zentar", mode)) {
            const auto drawing = std::filesystem::path(VANDREL_SOURCE_DIR) /
                                 "tools/formations/zentar" / mode /
                                 (std::to_string(number) + ".txt");
            SCOPED_TRACE(drawing);
            std::string error;
            const auto formation =
                zentar::ReadFormationDrawing(testsupport::ReadText(drawing), error);
            ASSERT_TRUE(formation) << error;
            ASSERT_TRUE(zc::LoadMap("Maps/Zentar/" + mode + "/" + std::to_string(number) + ".map"));
            EXPECT_EQ(zc::MapBackground.id, formation->background);
            ASSERT_EQ(zc::MapAliens.size(), formation->aliens.size())
                << "the map differs from its drawing: run the formation tool again";
            for (std::size_t i = 0; i < formation->aliens.size(); ++i) {
                const zentar::FormationAlien& alien = formation->aliens[i];
                EXPECT_EQ(zc::MapAliens[i].id, alien.type) << "alien " << i;
                EXPECT_EQ(zc::MapAliens[i].X, alien.x) << "alien " << i;
                EXPECT_EQ(zc::MapAliens[i].Y, alien.y) << "alien " << i;
            }
        }
    }
}

TEST(ZentarMapsTest, EveryShippedMapIsWhatTheMapWriterMakesOfIt)
{
    testsupport::ExpectShippedMapsRoundTrip("Zentar", zc::LoadMap, zc::SaveMap);
}

} // namespace
