// Turning a text drawing of an alien formation into map records: the marks, the grid positions,
// and the drawings refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/ZentarFormationDrawing.h"

namespace {

TEST(ZentarFormationDrawingTest, MarksBecomeAliensAtTheirGridPositionsRowByRow)
{
    for (const char* lineEnd : {"\n", "\r\n"}) {
        const std::string text = std::string("# a comment\n") + "origin 30 -10" + lineEnd +
                                 "|0.9 a|" + lineEnd + lineEnd + "background 26" + lineEnd +
                                 "|..q|" + lineEnd + "cell 40 50" + lineEnd;
        std::string error;
        const auto drawing = zentar::ReadFormationDrawing(text, error);
        ASSERT_TRUE(drawing) << error;
        EXPECT_EQ(drawing->background, 26);
        const std::vector<zentar::FormationAlien> expected = {
            {0, 30, -10}, {9, 110, -10}, {10, 190, -10}, {26, 110, 40}};
        EXPECT_EQ(drawing->aliens, expected);
    }
}

TEST(ZentarFormationDrawingTest, DrawingsWithoutAllSettingsOrWithUnknownLinesAreRefused)
{
    const char* const settings = "background 1\ncell 60 50\norigin 0 0\n";
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"cell 60 50\norigin 0 0\n|0|\n", "background, cell and origin are all needed"},
        {std::string(settings) + "background 2\n", "line 4: background given twice"},
        {"background 27\n", "line 1: background must lie in 0..26"},
        {"cell 0 50\n", "line 1: cell sizes must be positive"},
        {"origin 10\n", "line 1: origin needs 2 whole numbers"},
        {"origin 10 2.5\n", "line 1: origin needs 2 whole numbers"},
        {"alien 1 2 3\n", "line 1: neither a setting nor a row between bars"},
        {std::string(settings) + "|00\n", "line 4: a row ends with a bar"},
        {std::string(settings) + "|0r|\n", "row 1, column 2: unknown mark 'r'"},
        {"background 1\ncell 30000 50\norigin 10000 0\n|..0|\n",
         "row 1, column 3: the position leaves the 16-bit range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(zentar::ReadFormationDrawing(c.text, error));
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
