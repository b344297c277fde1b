// The alien map of Zentar: records in any order, exact keywords, skipped items, the background
// number carried over, and the files that fail with what they leave behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/zentar/ZentarCommon.h"
#include "platform/Gdi.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace zc = ZentarCommon;

struct Alien {
    std::int32_t type;
    double x, y;
    bool operator==(const Alien&) const = default;
};

// Below a folder of the test program's own, named after the test: tests running at the same time
// never write the same file.
std::string WriteMap(const std::string& text)
{
    static const testsupport::TestFolder folder("zentar-map");
    const auto path =
        folder.Path() /
        (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".map");
    testsupport::WriteText(path, text);
    return path.string();
}

// The visible aliens of the loaded map, in order.
std::vector<Alien> VisibleAliens()
{
    std::vector<Alien> aliens;
    for (const SpriteClass& alien : zc::MapAliens) {
        if (alien.visible) {
            aliens.push_back({alien.id, alien.X, alien.Y});
        }
    }
    return aliens;
}

struct Case {
    const char* name;
    const char* text;
    bool loads;
    std::vector<Alien> aliens;
    std::int32_t background; // -1: the number set before the load stays
};

TEST(ZentarCommonTest, LoadMapReadsRecordsAndSkipsEveryOtherItemByItself)
{
    const Case cases[] = {
        {"records in any order",
         "\"alien\",3,100,20\r\n\"background\",7\r\n\"alien\",26,-10,400\r\n",
         true,
         {{3, 100, 20}, {26, -10, 400}},
         7},
        {"bare keywords, LF and comma separators",
         "background,4\nalien,0,1,2,alien,1,3,4\n",
         true,
         {{0, 1, 2}, {1, 3, 4}},
         4},
        // "Alien" is no keyword: it and its three numbers are skipped one by one.
        {"keywords match exactly",
         "\"Alien\",5,60,60\n\"ALIEN\",1,2,3\n\"alien\",2,70,80\n",
         true,
         {{2, 70, 80}},
         -1},
        {"unknown words and numbers in keyword position",
         "ship,12,\"\",-4\n\"alien\",9,0,0\n",
         true,
         {{9, 0, 0}},
         -1},
        {"the last background holds", "\"background\",3\n\"background\",11\n", true, {}, 11},
        {"an empty file", "", true, {}, -1},
        {"blank lines only", "\r\n\n  \r\n", true, {}, -1},
        {"the file ends inside an alien",
         "\"alien\",1,10,10\n\"alien\",2,20\n",
         false,
         {{1, 10, 10}},
         -1},
        {"the file ends after a keyword",
         "\"alien\",1,10,10\n\"background\"\n",
         false,
         {{1, 10, 10}},
         -1},
        {"a type below the pictures",
         "\"alien\",1,10,10\n\"alien\",-1,20,20\n",
         false,
         {{1, 10, 10}},
         -1},
        {"a type beyond the pictures", "\"alien\",27,20,20\n\"alien\",1,10,10\n", false, {}, -1},
        {"a fraction", "\"alien\",1,10.5,10\n", false, {}, -1},
        {"beyond 16 bits", "\"alien\",1,32768,10\n", false, {}, -1},
        {"a word for a number", "\"background\",blue\n", false, {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        zc::MapBackground.id = -1;
        EXPECT_EQ(zc::LoadMap(WriteMap(c.text)), c.loads);
        EXPECT_EQ(VisibleAliens(), c.aliens);
        EXPECT_EQ(zc::MapBackground.id, c.background);
        // Never empty: without aliens the map holds one hidden element, with them exactly theirs.
        EXPECT_EQ(zc::MapAliens.size(), c.aliens.empty() ? 1U : c.aliens.size());
    }
}

TEST(ZentarCommonTest, AMapWithoutBackgroundKeepsTheNumberOfTheMapBefore)
{
    ASSERT_TRUE(zc::LoadMap(WriteMap("\"background\",9\n\"alien\",0,0,0\n")));
    ASSERT_TRUE(zc::LoadMap(WriteMap("\"alien\",4,50,60\n")));
    EXPECT_EQ(zc::MapBackground.id, 9);
    EXPECT_EQ(VisibleAliens(), (std::vector<Alien>{{4, 50, 60}}));
}

TEST(ZentarCommonTest, AMissingFileFailsAndLeavesTheMapCleared)
{
    ASSERT_TRUE(zc::LoadMap(WriteMap("\"background\",5\n\"alien\",0,0,0\n\"alien\",1,0,0\n")));
    EXPECT_FALSE(zc::LoadMap("Maps/Zentar/none/1.map"));
    ASSERT_EQ(zc::MapAliens.size(), 1U);
    EXPECT_FALSE(zc::MapAliens[0].visible);
    EXPECT_EQ(zc::MapBackground.id, 5);
}

TEST(ZentarCommonTest, ClearMapReleasesTheBackgroundPictureAndKeepsItsNumber)
{
    zc::MapBackground.id = 12;
    const platform::Hdc picture = platform::CreateCompatibleDC(0);
    ASSERT_NE(picture, 0);
    zc::MapBackground.SetDC(picture);
    zc::ClearMap();
    EXPECT_EQ(zc::MapBackground.GetDC(0), 0);
    EXPECT_EQ(zc::MapBackground.id, 12);
    EXPECT_FALSE(platform::DeleteDC(picture)); // already gone
}

} // namespace
