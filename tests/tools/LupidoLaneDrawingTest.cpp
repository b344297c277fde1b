// Turning a text drawing of Lupido's lanes into its map: lanes, runs of cars and logs,
// decorations, and the drawings refused.
#include <gtest/gtest.h>

#include <string>

#include "games/lupido/LupidoCommon.h"
#include "tools/LupidoLaneDrawing.h"

namespace {

namespace lc = LupidoCommon;

std::string Strip(std::string marks)
{
    return "|" + marks.append(80 - marks.size(), '.') + "|";
}

// Mode easy: 8 rows of 60 pixels, home in the second, start in the last.
std::string Easy(const std::string& lane, const std::string& grass = Strip(""))
{
    std::string text = "# a comment\r\nmode easy\r\n";
    for (int row = 0; row < 8; ++row) {
        text += (row == 3 ? lane : "grass " + grass) + "\r\n";
    }
    return text;
}

TEST(LupidoLaneDrawingTest, LanesRunsAndDecorationsBecomeTheMapFromTheLeft)
{
    std::string error;
    ASSERT_TRUE(lupido::MakeLaneMap(
        Easy("river 4 < 0.5 " + Strip("..." + std::string(36, 'L')), Strip("*.B")), error))
        << error;
    ASSERT_EQ(lc::MapRivers.size(), 1U);
    EXPECT_EQ(lc::MapRivers[0].id, 4);
    EXPECT_EQ(lc::MapRivers[0].Y, 180);
    // Two logs of 18 columns, in the middle of the lane: (60 - 48) / 2 below its top.
    ASSERT_EQ(lc::MapLogs.size(), 2U);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(lc::MapLogs[i].X, 30 + 180 * i);
        EXPECT_EQ(lc::MapLogs[i].Y, 186);
        EXPECT_EQ(lc::MapLogs[i].id, 1);
        EXPECT_EQ(lc::MapLogs[i].xMov, 0.5);
    }
    // Seven grass rows, each with a flower in its middle and a bush on its bottom.
    ASSERT_EQ(lc::MapFlowers.size(), 7U);
    EXPECT_EQ(lc::MapFlowers[0].Y, 18);
    ASSERT_GE(lc::MapBushes.size(), 7U);
    EXPECT_EQ(lc::MapBushes[6].X, 20);
    EXPECT_EQ(lc::MapBushes[6].Y, 440);
    EXPECT_FALSE(lc::MapRoads[0].visible);
    EXPECT_FALSE(lc::MapCars[0].visible);
}

TEST(LupidoLaneDrawingTest, MalformedDrawingsAreRefusedWithTheirLine)
{
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"grass " + Strip(""), "line 1: the drawing starts with \"mode easy\" or \"mode normal\""},
        {Easy("road 1 > 1 " + Strip(std::string(10, 'C'))),
         "line 6: column 1: each car is 11 columns long"},
        {Easy("road 6 > 1 " + Strip("")), "line 6: a lane's picture is 0..5"},
        {Easy("road 1 ^ 1 " + Strip("")), "line 6: a lane's direction is '>' or '<'"},
        {Easy("road 1 > -1 " + Strip("")), "line 6: a lane's speed is a positive number"},
        {Easy("river 1 > 1 " + Strip("C")), "line 6: a river holds '.' and 'L', not 'C'"},
        {Easy("grass |..|"), "line 6: a row is its kind and 80 columns between bars"},
        {Easy("grass " + Strip("x")), "line 6: grass holds '.', '*' and 'B', not 'x'"},
        {Easy("lane " + Strip("")),
         "line 6: a row is \"grass\", \"road V D S\" or \"river V D S\""},
        {"mode easy\nroad 0 > 1 " + Strip(""),
         "line 2: lanes lie between the home row and the start row"},
        {"mode normal\n", "mode normal draws 12 rows"},
        {"", "the drawing has no mode"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(lupido::MakeLaneMap(c.text, error));
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
