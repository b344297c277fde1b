// The brick map of Krevin: record numbers as element numbers, placeholders for records that hold
// no brick, exact keywords, brick sizes by mode, the files that fail with what they leave behind,
// and the writer whose maps read back the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "common/Common.h"
#include "games/krevin/KrevinCommon.h"
#include "platform/Gdi.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace kc = KrevinCommon;

struct Element {
    std::int32_t id;
    double x, y;
    bool visible;
    bool operator==(const Element&) const = default;
};
constexpr Element Hidden{-1, 0, 0, false};
constexpr Element Brick(std::int32_t type, double x, double y)
{
    return {type, x, y, true};
}

std::vector<Element> Elements()
{
    std::vector<Element> elements;
    for (const SpriteClass& brick : kc::MapBricks) {
        elements.push_back({brick.id, brick.X, brick.Y, brick.visible});
    }
    return elements;
}

class KrevinCommonTest : public ::testing::Test {
protected:
    std::string WriteMap(const std::string& text)
    {
        const std::string path = (folder.Path() / "level.map").string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    testsupport::TestFolder folder{"krevin-map"};
};

// Background -5 in a case: the number set before the load stays.
TEST_F(KrevinCommonTest, EveryRecordNumbersAnElementAndOnlyBricksFillThem)
{
    const struct {
        const char* text;
        bool loads;
        std::vector<Element> elements;
        std::int32_t background;
    } cases[] = {
        {"\"background\",7\r\n\"brick\",40,20,0\r\n\"brick\",100,20,10\r\n",
         true,
         {Hidden, Brick(0, 40, 20), Brick(10, 100, 20)},
         7},
        {"brick,20,20,3\nbackground,2\n", true, {Brick(3, 20, 20)}, 2},
        {"brick,20,20,1\nbackground,4\nbrick,80,20,2\n",
         true,
         {Brick(1, 20, 20), Hidden, Brick(2, 80, 20)},
         4},
        // "Brick" is no keyword: it and its three numbers are four skipped records.
        {"\"Brick\",20,20,1\n\"brick\",60,30,9\n",
         true,
         {Hidden, Hidden, Hidden, Hidden, Brick(9, 60, 30)},
         -5},
        {"", true, {Hidden}, -5},
        {"brick,20,20,1\nbrick,80,20,11\n", false, {Brick(1, 20, 20)}, -5},
        {"background,3\nbrick,80,20,-1\n", false, {Hidden}, 3},
        {"brick,20,20,1\nbrick,80,20\n", false, {Brick(1, 20, 20)}, -5},
        {"background,1\nbrick\n", false, {Hidden}, 1},
        {"brick,20.5,20,1\n", false, {Hidden}, -5},
        {"background,32768\n", false, {Hidden}, -5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        kc::MapBackground.id = -5;
        EXPECT_EQ(kc::LoadMap(WriteMap(c.text)), c.loads);
        EXPECT_EQ(Elements(), c.elements);
        EXPECT_EQ(kc::MapBackground.id, c.background);
    }
}

// A missing file leaves the bricks and their hit state; a map without a background keeps the
// number of the one before; bricks take the mode's size and share their type's picture.
TEST_F(KrevinCommonTest, ALoadKeepsWhatItDoesNotReadAndBricksBorrowTheirPictures)
{
    const platform::Hdc picture = platform::CreateCompatibleDC(0);
    kc::BrickPictures[4].SetDC(picture);
    ASSERT_TRUE(kc::LoadMap(WriteMap("background,5\nbrick,20,20,0\nbrick,80,20,4\n")));
    kc::MapBricks[1].visible = false;
    EXPECT_FALSE(kc::LoadMap((folder.Path() / "none.map").string()));
    EXPECT_EQ(Elements(), (std::vector<Element>{Hidden, {0, 20, 20, false}, Brick(4, 80, 20)}));
    EXPECT_EQ(kc::MapBricks[2].GetDC(0), picture);
    const std::string path = WriteMap("brick,200,100,4\n");
    for (const auto& [mode, width, height] :
         {std::tuple<const char*, int, int>{"normal", 40, 20}, {"Normal", 60, 30}}) {
        Common::gMode = mode;
        ASSERT_TRUE(kc::LoadMap(path));
        EXPECT_EQ(kc::MapBackground.id, 5);
        EXPECT_EQ(kc::MapBricks[0].width, width) << mode;
        EXPECT_EQ(kc::MapBricks[0].Height, height) << mode;
    }
    Common::gMode = "easy";
    kc::BrickPictures[4].CleanUp();
}

TEST_F(KrevinCommonTest, SaveMapWritesTheBackgroundFirstThenEveryBrickAndReadsBackTheSame)
{
    ASSERT_TRUE(kc::LoadMap(WriteMap("brick,20,20,3\nbackground,9\nfoo\nbrick,80,50,10\n")));
    kc::MapBricks[0].visible = false; // a brick hit in play is still part of the level
    const std::string saved = (folder.Path() / "saved.map").string();
    ASSERT_TRUE(kc::SaveMap(saved));
    std::ostringstream text;
    text << std::ifstream(saved, std::ios::binary).rdbuf();
    EXPECT_EQ(text.str(), "\"background\",9\r\n\"brick\",20,20,3\r\n\"brick\",80,50,10\r\n");
    ASSERT_TRUE(kc::LoadMap(saved));
    EXPECT_EQ(Elements(), (std::vector<Element>{Hidden, Brick(3, 20, 20), Brick(10, 80, 50)}));
    EXPECT_FALSE(kc::SaveMap((folder.Path() / "none/saved.map").string()));
}

} // namespace
