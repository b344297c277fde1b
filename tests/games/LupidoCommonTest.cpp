// The crossing map of Lupido: each record, exponent notation, skipped items, lane ids, files that
// end or fail inside a record, and a saved map that reads back the same.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/lupido/LupidoCommon.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/TextFiles.h"

namespace {

namespace lc = LupidoCommon;

// Every visible element of the loaded map as "kind id x y speed", in array order.
std::vector<std::string> Visible()
{
    std::vector<std::string> all;
    const std::pair<const char*, const std::vector<SpriteClass>*> arrays[] = {
        {"road", &lc::MapRoads}, {"car", &lc::MapCars},       {"river", &lc::MapRivers},
        {"log", &lc::MapLogs},   {"flower", &lc::MapFlowers}, {"bush", &lc::MapBushes}};
    for (const auto& [kind, array] : arrays) {
        for (const SpriteClass& e : *array) {
            if (e.visible) {
                char line[96];
                std::snprintf(line, sizeof line, "%s %d %g %g %g", kind, e.id, e.X, e.Y, e.xMov);
                all.emplace_back(line);
            }
        }
    }
    return all;
}

struct Case {
    const char* text;
    bool loads;
    std::vector<std::string> visible;
};

TEST(LupidoCommonTest, LoadMapReadsEachRecordAndKeepsWhatWasReadBeforeAFailure)
{
    const Case cases[] = {
        {"\"road\",2,360\r\n\"car\",1,100,368,1.5\r\n",
         true,
         {"road 2 0 360 0", "car 1 100 368 1.5"}},
        {"river,5,120\nlog,0,-40,126,2\nflower,30,18\nbush,700,20\n",
         true,
         {"river 5 0 120 0", "log 0 -40 126 2", "flower 0 30 18 0", "bush 0 700 20 0"}},
        {"car,0,1,2,1.25E+1\ncar,3,4,5,-5e-1\n", true, {"car 0 1 2 12.5", "car 3 4 5 -0.5"}},
        // "Road" is no keyword: it and its numbers are skipped one by one.
        {"Road,1,60\nthing,\"\",7\nroad,0,60\n", true, {"road 0 0 60 0"}},
        {"", true, {}},
        {"road,6,60\n", false, {}},
        {"road,1,60\nriver,-1,120\n", false, {"road 1 0 60 0"}},
        {"road,1,60\ncar,1,100\n", false, {"road 1 0 60 0"}},
        {"bush,40000,0\n", false, {}},
        {"flower,2.5,0\n", false, {}},
        {"log,0,0,0,fast\n", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        testsupport::TestFolder folder("lupido-map");
        const auto path = folder.Path() / "1.map";
        testsupport::WriteText(path, c.text);
        EXPECT_EQ(lc::LoadMap(path.string()), c.loads);
        EXPECT_EQ(Visible(), c.visible);
        for (const auto* array : {&lc::MapRoads, &lc::MapCars, &lc::MapRivers, &lc::MapLogs,
                                  &lc::MapFlowers, &lc::MapBushes}) {
            EXPECT_FALSE(array->empty());
        }
    }
    EXPECT_FALSE(lc::LoadMap("no such folder/1.map"));
    EXPECT_EQ(lc::MapRoads.size(), 1U);
    EXPECT_FALSE(lc::MapRoads[0].visible);
}

TEST(LupidoCommonTest, SaveMapWritesOnlyVisibleElementsAndReadsBackTheSame)
{
    testsupport::TestFolder folder("lupido-save");
    const auto path = (folder.Path() / "1.map").string();
    testsupport::WriteText(path, "log,1,800,6,0.1\ncar,0,-7,186,3.0000000000000004\nroad,3,180\n"
                                 "bush,1,2\n");
    ASSERT_TRUE(lc::LoadMap(path));
    const std::vector<std::string> loaded = Visible();
    const double speed = lc::MapCars[0].xMov;
    lc::MapCars.push_back(lc::MapCars[0]);
    lc::MapCars.back().visible = false;
    ASSERT_TRUE(lc::SaveMap(path));
    ASSERT_TRUE(lc::LoadMap(path));
    EXPECT_EQ(Visible(), loaded);
    EXPECT_EQ(lc::MapCars.size(), 1U);
    EXPECT_EQ(lc::MapCars[0].xMov, speed);
    // The hidden placeholders of the kinds without records never come back visible.
    EXPECT_EQ(testsupport::ReadText(path).find("flower"), std::string::npos);
}

} // namespace
