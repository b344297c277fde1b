// The shipped Krevin levels: numbered without gaps, at least six a mode, each a background record
// and then bricks of a known type inside the walls, above the pad, on the mode's grid and clear of
// each other, no level with fewer bricks than the one before, and each what the wall tool makes
// of its drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/Common.h"
#include "games/krevin/KrevinCommon.h"
#include "platform/Numbers.h"
#include "tests/support/ShippedMaps.h"
#include "tests/support/TextFiles.h"
#include "tools/KrevinWallDrawing.h"

namespace {

namespace kc = KrevinCommon;

// The walls stand at x 20 and 780 and y 20; the pad's top is 5 above the panel less its height
// (20 in easy, 16 in normal). Bricks lie on the editor's grid of the mode.
struct Mode {
    const char* name;
    double width, height, gridLeft, padTop;
};
constexpr Mode Modes[] = {{"easy", 60, 30, 40, 455}, {"normal", 40, 20, 20, 459}};

std::string MapPath(const Mode& mode, int number)
{
    return std::string("Maps/Krevin/") + mode.name + "/" + std::to_string(number) + ".map";
}

TEST(KrevinMapsTest, EveryShippedLevelLiesOnItsGridInsideTheWallsAndNoneHasFewerBricks)
{
    for (const Mode& mode : Modes) {
        SCOPED_TRACE(mode.name);
        Common::gMode = mode.name;
        const std::set<int> numbers = testsupport::LevelNumbers("Krevin", mode.name);
        ASSERT_GE(numbers.size(), 6U);
        // Numbered from 1 without a gap: a gap would send play back to level 1 early.
        EXPECT_EQ(*numbers.begin(), 1);
        EXPECT_EQ(*numbers.rbegin(), static_cast<int>(numbers.size()));
        std::size_t before = 0;
        for (const int number : numbers) {
            SCOPED_TRACE(number);
            kc::MapBackground.id = -1;
            ASSERT_TRUE(kc::LoadMap(MapPath(mode, number)));
            EXPECT_GE(kc::MapBackground.id, 0);
            EXPECT_LT(kc::MapBackground.id, 27);
            // The background record comes first, so the bricks stand behind the placeholder.
            ASSERT_GE(kc::MapBricks.size(), 2U);
            EXPECT_FALSE(kc::MapBricks[0].visible);
            for (std::size_t i = 1; i < kc::MapBricks.size(); ++i) {
                const SpriteClass& brick = kc::MapBricks[i];
                SCOPED_TRACE(i);
                EXPECT_TRUE(brick.visible);
                EXPECT_GE(brick.X, 20);
                EXPECT_LE(brick.X + brick.width, 780);
                EXPECT_GE(brick.Y, 20);
                EXPECT_LE(brick.Y + brick.Height, mode.padTop);
                EXPECT_EQ(std::fmod(brick.X - mode.gridLeft, mode.width), 0);
                EXPECT_EQ(std::fmod(brick.Y - 20, mode.height), 0);
                for (std::size_t j = 1; j < i; ++j) {
                    const SpriteClass& other = kc::MapBricks[j];
                    EXPECT_FALSE(brick.X == other.X && brick.Y == other.Y)
                        << "bricks " << j << " and " << i << " overlap";
                }
            }
            EXPECT_GE(kc::MapBricks.size(), before);
            before = kc::MapBricks.size();
        }
    }
    Common::gMode = "easy";
}

TEST(KrevinMapsTest, EveryShippedMapIsWhatTheWallToolMakesOfItsDrawing)
{
    testsupport::ExpectShippedMapsRoundTrip("Krevin", kc::LoadMap, kc::SaveMap);
    for (const Mode& mode : Modes) {
        for (const int number : testsupport::LevelNumbers("Krevin", mode.name)) {
            const auto path = std::filesystem::path(VANDREL_SOURCE_DIR) / "tools/walls/krevin" /
                              mode.name / (std::to_string(number) + ".txt");
            SCOPED_TRACE(path);
            std::string error;
            const auto drawing = krevin::ReadWallDrawing(testsupport::ReadText(path), error);
            ASSERT_TRUE(drawing) << error;
            EXPECT_EQ(drawing->mode, mode.name);
            ASSERT_TRUE(kc::LoadMap(MapPath(mode, number)));
            EXPECT_EQ(kc::MapBackground.id, drawing->background);
            std::vector<krevin::DrawnBrick> bricks;
            for (std::size_t i = 1; i < kc::MapBricks.size(); ++i) {
                const SpriteClass& brick = kc::MapBricks[i];
                bricks.push_back({platform::CInt(brick.X), platform::CInt(brick.Y),
                                  static_cast<std::int16_t>(brick.id)});
            }
            EXPECT_EQ(bricks, drawing->bricks) << "run the wall tool again";
        }
    }
}

} // namespace
