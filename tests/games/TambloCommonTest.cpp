// The maze grid of Tamblo in both modes and its map reader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Common.h"
#include "games/tamblo/TambloCommon.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace tc = TambloCommon;

// Below a folder of the test program's own: tests running at the same time never write the same
// file.
std::string WriteMap(const std::string& name, const std::string& text)
{
    static const testsupport::TestFolder folder("tamblo-map");
    const auto path = folder.Path() / name;
    testsupport::WriteText(path, text);
    return path.string();
}

// count values 0, 1, 2, ... 13, 0, 1 ... (all wall ids, so none is the floor BuildGrid leaves),
// separated as given.
std::string Values(int count, const std::string& separator)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(i % 14) + separator;
    }
    return text;
}

TEST(TambloCommonTest, BuildGridPlacesFloorCellsForEachMode)
{
    struct Case {
        const char* mode;
        std::int16_t size, cols, rows;
        double firstX, lastX, lastY;
    };
    const Case cases[] = {
        {"easy", 60, 13, 8, 10, 730, 420},
        {"normal", 40, 20, 12, 0, 760, 440},
        // Any other mode text gets the small cells but keeps the margin of "easy".
        {"Normal", 40, 20, 12, 10, 770, 440},
        {"", 40, 20, 12, 10, 770, 440},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Common::gMode = c.mode;
        tc::BuildGrid();
        EXPECT_EQ(tc::TileSize.Width, c.size);
        EXPECT_EQ(tc::TileSize.Height, c.size);
        EXPECT_EQ(tc::Cols, c.cols);
        EXPECT_EQ(tc::Rows, c.rows);
        ASSERT_EQ(tc::Tiles.size(), static_cast<std::size_t>(c.cols * c.rows));
        EXPECT_EQ(tc::Tiles[0].X, c.firstX);
        EXPECT_EQ(tc::Tiles[0].Y, 0);
        // The first cell of the second row lies one cell lower at the same x.
        EXPECT_EQ(tc::Tiles[static_cast<std::size_t>(c.cols)].X, c.firstX);
        EXPECT_EQ(tc::Tiles[static_cast<std::size_t>(c.cols)].Y, c.size);
        EXPECT_EQ(tc::Tiles.back().X, c.lastX);
        EXPECT_EQ(tc::Tiles.back().Y, c.lastY);
        for (const SpriteClass& cell : tc::Tiles) {
            EXPECT_EQ(cell.id, 14);
            EXPECT_EQ(cell.width, c.size);
            EXPECT_EQ(cell.Height, c.size);
        }
    }
}

TEST(TambloCommonTest, LoadMapReadsOneValuePerCellWithAnySeparator)
{
    struct Case {
        const char* mode;
        int values;
        const char* separator;
        bool loads;
    };
    const Case cases[] = {
        {"easy", 104, ",", true},      {"easy", 104, "\r\n", true},  {"easy", 104, "\n", true},
        {"easy", 104, " ,\r\n", true}, {"easy", 105, ",", true},     {"normal", 240, "\n", true},
        {"normal", 104, ",", false},   {"easy", 103, "\r\n", false}, {"normal", 239, ",", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.values));
        Common::gMode = c.mode;
        tc::BuildGrid();
        const std::size_t cells = tc::Tiles.size();
        EXPECT_EQ(tc::LoadMap(WriteMap("map.map", Values(c.values, c.separator))), c.loads);
        // Cells read before a failure keep their new ids; the rest stay floor.
        for (std::size_t i = 0; i < cells; ++i) {
            const int expected =
                i < static_cast<std::size_t>(c.values) ? static_cast<int>(i % 14) : 14;
            ASSERT_EQ(tc::Tiles[i].id, expected) << "cell " << i;
        }
    }
}

TEST(TambloCommonTest, LoadMapStopsAtAValueThatIsNoTileId)
{
    // The bad value is the 6th; cells 0..4 take the file's 7s, cell 5 and the rest stay floor.
    for (const char* bad : {"18", "-1", "2.5", "x", "40000", "\"\""}) {
        SCOPED_TRACE(bad);
        Common::gMode = "easy";
        tc::BuildGrid();
        std::string text = "7,7,7,7,7," + std::string(bad) + ",";
        text += Values(104, ",");
        EXPECT_FALSE(tc::LoadMap(WriteMap("bad.map", text)));
        for (std::size_t i = 0; i < tc::Tiles.size(); ++i) {
            ASSERT_EQ(tc::Tiles[i].id, i < 5 ? 7 : 14) << "cell " << i;
        }
    }
}

TEST(TambloCommonTest, LoadMapAcceptsEveryTileIdAndWholeNumbersWrittenWithAPoint)
{
    Common::gMode = "easy";
    tc::BuildGrid();
    std::string text = "17,0,16.0,";
    text += Values(101, ",");
    ASSERT_TRUE(tc::LoadMap(WriteMap("ids.map", text)));
    EXPECT_EQ(tc::Tiles[0].id, 17);
    EXPECT_EQ(tc::Tiles[1].id, 0);
    EXPECT_EQ(tc::Tiles[2].id, 16);
}

TEST(TambloCommonTest, LoadMapOfAMissingFileChangesNothing)
{
    Common::gMode = "easy";
    tc::BuildGrid();
    tc::Tiles[0].id = 3;
    EXPECT_FALSE(tc::LoadMap(WriteMap("ignored.map", "") + ".missing"));
    EXPECT_EQ(tc::Tiles[0].id, 3);
    EXPECT_EQ(tc::Tiles[1].id, 14);
}

} // namespace
