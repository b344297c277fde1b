// The rock map of Morvex: rock and background records, exact keywords, the kind number deciding
// the size, the background number carried over, the files that fail with what they leave behind,
// and the writer's file reading back to the same map.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "games/morvex/MorvexCommon.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/TextFiles.h"

namespace {

namespace mc = MorvexCommon;

struct Rock {
    std::int32_t kind;
    double x, y;
    bool visible;
    bool operator==(const Rock&) const = default;
};

std::vector<Rock> Rocks()
{
    std::vector<Rock> rocks;
    for (const SpriteClass& rock : mc::MapRocks) {
        rocks.push_back({rock.id, rock.X, rock.Y, rock.visible});
    }
    return rocks;
}

struct Case {
    const char* name;
    const char* text;
    bool loads;
    std::vector<Rock> rocks;
    std::int32_t background; // the number before each load is 9
};

TEST(MorvexCommonTest, LoadMapReadsRocksAndBackgroundAndLeavesWhatItReadOnFailure)
{
    const testsupport::TestFolder folder("morvex-map");
    const Case cases[] = {
        {"an empty file", "", true, {{0, 0, 0, false}}, 9},
        {"a background only", "\"background\",3\r\n", true, {{0, 0, 0, false}}, 3},
        {"two rocks in file order",
         "\"large\",0,120,40\r\n\"medium\",1,300,200\r\n",
         true,
         {{0, 120, 40, true}, {1, 300, 200, true}},
         9},
        {"the kind decides, not the keyword", "small,0,100,50\n", true, {{0, 100, 50, true}}, 9},
        {"a kind outside 0..2 is kept", "large,7,1,2\n", true, {{7, 1, 2, true}}, 9},
        // "Large" is no keyword: it and its numbers are skipped one field at a time.
        {"keywords match exactly",
         "Large,0,1,1\nSMALL,2,5,5\n\"small\",2,8,9\n",
         true,
         {{2, 8, 9, true}},
         9},
        {"stray fields between records",
         "rock,12,\"\",-4\n\"medium\",1,-30,500,7\nbackground,2,background,5\n",
         true,
         {{1, -30, 500, true}},
         5},
        {"the file ends inside the first rock", "\"large\",0,100", false, {{0, 100, 0, false}}, 9},
        {"the file ends inside a later rock",
         "large,0,1,2\nmedium,1",
         false,
         {{0, 1, 2, true}, {1, 0, 0, false}},
         9},
        {"the file ends after a background keyword", "background", false, {{0, 0, 0, false}}, 9},
        {"a fraction is no whole number", "large,0,2.5,3\n", false, {{0, 0, 0, false}}, 9},
        {"a number beyond 16 bits", "small,2,1,32768\n", false, {{2, 1, 0, false}}, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mc::MapBackground.id = 9;
        const auto path = folder.Path() / "rocks.map";
        testsupport::WriteText(path, c.text);
        EXPECT_EQ(mc::LoadMap(path.string()), c.loads);
        EXPECT_EQ(Rocks(), c.rocks);
        EXPECT_EQ(mc::MapBackground.id, c.background);
    }
}

TEST(MorvexCommonTest, LoadingAnotherMapReplacesTheRocksAndAMissingFileLeavesAnEmptyMap)
{
    const testsupport::TestFolder folder("morvex-map");
    const auto first = folder.Path() / "first.map";
    const auto second = folder.Path() / "second.map";
    testsupport::WriteText(first, "background,4\nlarge,0,1,1\nlarge,0,2,2\nsmall,2,3,3\n");
    testsupport::WriteText(second, "medium,1,50,60\n");
    ASSERT_TRUE(mc::LoadMap(first.string()));
    ASSERT_TRUE(mc::LoadMap(second.string()));
    EXPECT_EQ(Rocks(), (std::vector<Rock>{{1, 50, 60, true}}));
    EXPECT_EQ(mc::MapBackground.id, 4);

    EXPECT_FALSE(mc::LoadMap((folder.Path() / "missing.map").string()));
    EXPECT_EQ(Rocks(), (std::vector<Rock>{{0, 0, 0, false}}));
    EXPECT_EQ(mc::MapBackground.id, 4);
}

TEST(MorvexCommonTest, TheRockAfterTheSlotCounterIsFullFillsItsSlotAndFails)
{
    const testsupport::TestFolder folder("morvex-map");
    std::string text;
    for (int i = 0; i < 32768; ++i) {
        text += "small,2,1,1\n";
    }
    const auto path = folder.Path() / "many.map";
    testsupport::WriteText(path, text);
    EXPECT_FALSE(mc::LoadMap(path.string()));
    EXPECT_EQ(mc::MapRocks.size(), 32768U);

    text.resize(text.size() - 12);
    testsupport::WriteText(path, text);
    EXPECT_TRUE(mc::LoadMap(path.string()));
    EXPECT_EQ(mc::MapRocks.size(), 32767U);
}

// The writer keeps only visible rocks and names the kind; reading its file gives the map again.
TEST(MorvexCommonTest, SaveMapWritesTheVisibleRocksThatLoadMapReadsBack)
{
    const testsupport::TestFolder folder("morvex-map");
    mc::ClearMap();
    mc::MapBackground.id = 12;
    mc::MapRocks = std::vector<SpriteClass>(5);
    const Rock rocks[] = {{0, 10, 20, true},
                          {1, 30, 40, false},
                          {2, 799, 479, true},
                          {1, -5, 0, true},
                          {6, 1, 1, true}};
    for (std::size_t i = 0; i < 5; ++i) {
        mc::MapRocks[i].id = rocks[i].kind;
        mc::MapRocks[i].X = rocks[i].x;
        mc::MapRocks[i].Y = rocks[i].y;
        mc::MapRocks[i].visible = rocks[i].visible;
    }
    const auto path = folder.Path() / "saved.map";
    ASSERT_TRUE(mc::SaveMap(path.string()));
    EXPECT_EQ(testsupport::ReadText(path), "\"background\",12\r\n"
                                           "\"large\",0,10,20\r\n"
                                           "\"small\",2,799,479\r\n"
                                           "\"medium\",1,-5,0\r\n"
                                           "\"large\",6,1,1\r\n");
    mc::MapBackground.id = 0;
    ASSERT_TRUE(mc::LoadMap(path.string()));
    EXPECT_EQ(mc::MapBackground.id, 12);
    EXPECT_EQ(Rocks(),
              (std::vector<Rock>{
                  {0, 10, 20, true}, {2, 799, 479, true}, {1, -5, 0, true}, {6, 1, 1, true}}));

    EXPECT_FALSE(mc::SaveMap((folder.Path() / "no-folder" / "x.map").string()));
}

} // namespace
