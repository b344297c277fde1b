// The shipped Lupido levels: numbered without gaps, every lane a whole row between home and start,
// a log on every river and a hop-wide gap on every road, difficulty never falling, and each map
// what the lane tool makes of its drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "games/lupido/LupidoCommon.h"
#include "platform/Picture.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/ShippedMaps.h"
#include "tests/support/TextFiles.h"
#include "tools/LupidoLaneDrawing.h"

namespace {

namespace lc = LupidoCommon;

struct Difficulty {
    std::size_t lanes = 0;
    std::size_t cars = 0;
    double fastest = 0;
};

// The movers standing in a lane, by their left edges.
std::vector<double> InLane(const std::vector<SpriteClass>& movers, const SpriteClass& lane, int row)
{
    std::vector<double> xs;
    for (const SpriteClass& m : movers) {
        if (m.visible && m.Y >= lane.Y && m.Y < lane.Y + row) {
            xs.push_back(m.X);
        }
    }
    std::sort(xs.begin(), xs.end());
    return xs;
}

Difficulty CheckLevel(const std::string& mode, int row, int homeRow, int carWidth)
{
    Difficulty level;
    for (const auto* lanes : {&lc::MapRoads, &lc::MapRivers}) {
        for (const SpriteClass& lane : *lanes) {
            if (!lane.visible) {
                continue;
            }
            ++level.lanes;
            SCOPED_TRACE("lane at y " + std::to_string(lane.Y));
            EXPECT_EQ(static_cast<int>(lane.Y) % row, 0);
            EXPECT_GT(lane.Y, homeRow * row);
            EXPECT_LT(lane.Y + row, 480);
            if (lanes == &lc::MapRivers) {
                EXPECT_FALSE(InLane(lc::MapLogs, lane, row).empty()) << "a river without a log";
                continue;
            }
            // Cars wrap over 800 + their width + 1 pixels; somewhere the rabbit fits between two.
            const std::vector<double> xs = InLane(lc::MapCars, lane, row);
            double widest = xs.empty() ? 800 : xs.front() + 801 - xs.back();
            for (std::size_t i = 1; i < xs.size(); ++i) {
                widest = std::max(widest, xs[i] - xs[i - 1] - carWidth);
            }
            EXPECT_GE(widest, row) << mode << ": no gap of one hop";
        }
    }
    for (const SpriteClass& car : lc::MapCars) {
        level.cars += car.visible ? 1 : 0;
        level.fastest = std::max(level.fastest, car.xMov);
    }
    return level;
}

TEST(LupidoMapsTest, EveryShippedLevelCanBeCrossedAndDifficultyNeverFalls)
{
    struct Mode {
        std::string name;
        int row;
        int homeRow;
    };
    for (const Mode& mode : {Mode{"easy", 60, 1}, Mode{"normal", 40, 0}}) {
        SCOPED_TRACE(mode.name);
        const auto car = platform::LoadPicture("Gfx\\Lupido\\" + mode.name + "\\car0.gif");
        ASSERT_TRUE(car);
        const std::set<int> numbers = testsupport::LevelNumbers("Lupido", mode.name);
        ASSERT_GE(numbers.size(), 6U);
        EXPECT_EQ(*numbers.begin(), 1);
        EXPECT_EQ(*numbers.rbegin(), static_cast<int>(numbers.size()));
        Difficulty before;
        for (const int number : numbers) {
            SCOPED_TRACE("level " + std::to_string(number));
            ASSERT_TRUE(
                lc::LoadMap("Maps/Lupido/" + mode.name + "/" + std::to_string(number) + ".map"));
            const Difficulty level = CheckLevel(mode.name, mode.row, mode.homeRow, car->width);
            EXPECT_GE(level.lanes, before.lanes);
            EXPECT_GE(level.cars, before.cars);
            EXPECT_GE(level.fastest, before.fastest);
            before = level;
        }
    }
}

TEST(LupidoMapsTest, EveryShippedMapIsWhatTheLaneToolMakesOfItsDrawing)
{
    testsupport::ExpectShippedMapsRoundTrip("Lupido", lc::LoadMap, lc::SaveMap);
    testsupport::TestFolder folder("lupido-lanes");
    const std::string made = (folder.Path() / "made.map").string();
    for (const std::string mode : {"easy", "normal"}) {
        for (const int number : testsupport::LevelNumbers("Lupido", mode)) {
            const std::string level = mode + "/" + std::to_string(number);
            SCOPED_TRACE(level);
            std::string error;
            ASSERT_TRUE(lupido::MakeLaneMap(
                testsupport::ReadText(std::filesystem::path(VANDREL_SOURCE_DIR) /
                                      "tools/lanes/lupido" / (level + ".txt")),
                error))
                << error;
            ASSERT_TRUE(lc::SaveMap(made));
            EXPECT_EQ(testsupport::ReadText(made),
                      testsupport::ReadText("Maps/Lupido/" + level + ".map"))
                << "the map differs from its drawing: run the lane tool again";
        }
    }
}

} // namespace
