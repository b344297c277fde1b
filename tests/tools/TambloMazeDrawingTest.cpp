// Turning a text drawing into Tamblo tile ids: the marks, the wall pieces chosen from the
// neighbours, and the drawings refused.
#include <gtest/gtest.h>

#include <string>

#include "tools/TambloMazeDrawing.h"

namespace {

std::string Lines(std::initializer_list<const char*> rows, const char* lineEnd = "\n")
{
    std::string text;
    for (const char* row : rows) {
        text += std::string(row) + lineEnd;
    }
    return text;
}

// Every kind of piece: a box (corners and straights), a T pointing each way, four ends.
const auto AllPieces = {
    "###_###_.#.__", //
    "#_#__#__###__", //
    "###__________", //
    "_____________", //
    "#___.#_______", //
    "##__##_______", //
    "#____#_______", //
    "P___G________", //
};

TEST(TambloMazeDrawingTest, MarksBecomeTileIdsAndWallsThePieceJoiningTheirWallNeighbours)
{
    for (const char* lineEnd : {"\n", "\r\n"}) {
        std::string error;
        const auto maze = tamblo::ReadMazeDrawing(Lines(AllPieces, lineEnd) + lineEnd, error);
        ASSERT_TRUE(maze) << error;
        ASSERT_EQ(maze->cols, 13);
        ASSERT_EQ(maze->rows, 8);
        const auto at = [&](int row, int column) {
            return maze->tiles[static_cast<std::size_t>(row * 13 + column)];
        };
        struct Case {
            int row, column;
            std::int16_t id;
        };
        const Case cases[] = {
            {0, 0, 6},  {0, 1, 4},  {0, 2, 7},  {1, 0, 5},  {1, 2, 5},  {2, 0, 9},
            {2, 1, 4},  {2, 2, 8},  {0, 4, 0},  {0, 5, 10}, {0, 6, 2},  {1, 5, 3},
            {0, 9, 1},  {1, 8, 0},  {1, 9, 12}, {1, 10, 2}, {4, 0, 1},  {5, 0, 13},
            {5, 1, 2},  {6, 0, 3},  {4, 5, 1},  {5, 5, 11}, {5, 4, 0},  {6, 5, 3},
            {0, 3, 14}, {0, 8, 15}, {4, 4, 15}, {7, 0, 16}, {7, 4, 17}, {7, 12, 14},
        };
        for (const Case& c : cases) {
            EXPECT_EQ(at(c.row, c.column), c.id) << "row " << c.row << ", column " << c.column;
        }
    }
}

TEST(TambloMazeDrawingTest, ANormalDrawingIsTwentyByTwelve)
{
    std::string text;
    for (int row = 0; row < 12; ++row) {
        text += row == 0 ? "P   ................\n" : "____________________\n";
    }
    std::string error;
    const auto maze = tamblo::ReadMazeDrawing(text, error);
    ASSERT_TRUE(maze) << error;
    EXPECT_EQ(maze->cols, 20);
    EXPECT_EQ(maze->rows, 12);
    EXPECT_EQ(maze->tiles.size(), 240U);
    EXPECT_EQ(maze->tiles[1], 14);
    EXPECT_EQ(maze->tiles[4], 15);
}

TEST(TambloMazeDrawingTest, RefusesDrawingsThatMakeNoMap)
{
    struct Case {
        std::string text;
        const char* message;
    };
    std::string shortRow = Lines(AllPieces);
    shortRow.replace(shortRow.find("_____________"), 13, "____________");
    std::string badMark = Lines(AllPieces);
    badMark[14 * 3 + 4] = 'x';
    std::string lone = Lines(AllPieces);
    lone[14 * 3 + 7] = '#';
    std::string crossing = Lines(AllPieces);
    crossing[14 * 1 + 1] = '#'; // the middle of the box: walls on all four sides
    const Case cases[] = {
        {"", "neither 13 x 8"},
        {Lines({"P___", "____"}), "neither 13 x 8"},
        {shortRow, "row 4 is 12 characters long instead of 13"},
        {badMark, "row 4, column 5: unknown character 'x'"},
        {lone, "row 4, column 8: a wall with no wall beside it"},
        {crossing, "row 2, column 2: a wall with walls on all four sides"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(tamblo::ReadMazeDrawing(c.text, error));
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

} // namespace
