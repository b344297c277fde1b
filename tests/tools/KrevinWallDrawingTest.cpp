// Turning a text drawing of a brick wall into map records: cells of each mode's grid, and the
// drawings refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/KrevinWallDrawing.h"

namespace {

TEST(KrevinWallDrawingTest, MarksBecomeBricksOnTheModesGridRowByRow)
{
    const std::string easyRow = "|0..........a|";
    const std::string normalRow = "|.................95|";
    const struct {
        std::string text;
        std::vector<krevin::DrawnBrick> bricks;
    } cases[] = {
        // Easy cells are 60 x 30 from (40, 20): columns 0 and 11 of rows 1 and 3.
        {"# a comment\r\nmode easy\r\n" + easyRow + "\r\n|............|\r\n\r\nbackground 26\r\n" +
             easyRow + "\r\n",
         {{40, 20, 0}, {700, 20, 10}, {40, 80, 0}, {700, 80, 10}}},
        // Normal cells are 40 x 20 from (20, 20): columns 17 and 18.
        {"background 0\nmode normal\n|...................|\n" + normalRow + "\n",
         {{700, 40, 9}, {740, 40, 5}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        const auto drawing = krevin::ReadWallDrawing(c.text, error);
        ASSERT_TRUE(drawing) << error;
        EXPECT_EQ(drawing->bricks, c.bricks);
    }
}

TEST(KrevinWallDrawingTest, DrawingsOffTheGridOrWithoutBothSettingsAreRefused)
{
    const std::string easy = "mode easy\nbackground 1\n";
    std::string fourteenRows;
    for (int i = 0; i < 14; ++i) {
        fourteenRows += "|............|\n";
    }
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"mode easy\n|............|\n", "mode and background are both needed"},
        {easy + "mode normal\n", "line 3: mode given twice"},
        {"mode hard\n", "line 1: mode must be easy or normal"},
        {"background 27\n", "line 1: background needs a whole number in 0..26"},
        {"background 2.5\n", "line 1: background needs a whole number in 0..26"},
        {"brick 1 2 3\n", "line 1: neither a setting nor a row between bars"},
        {easy + "|000\n", "line 3: a row ends with a bar"},
        {easy + "|00000000000|\n", "line 3: a row of the easy grid has 12 cells"},
        {easy + "|00000b000000|\n", "line 3: unknown mark 'b'"},
        {easy + fourteenRows, "the easy grid holds 13 rows"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(krevin::ReadWallDrawing(c.text, error));
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
