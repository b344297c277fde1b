// Turning a text drawing of a rock field into a Morvex map: the marks at their cells, and the
// drawings refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/MorvexRockDrawing.h"

namespace {

// A field of 24 empty rows with the given rows put in at their places.
std::string Field(const std::vector<std::pair<int, std::string>>& rows)
{
    std::string text;
    for (int row = 0; row < 24; ++row) {
        std::string cells(40, '.');
        for (const auto& [at, given] : rows) {
            if (at == row) {
                cells = given;
            }
        }
        text += "|" + cells + "|\r\n";
    }
    return text;
}

TEST(MorvexRockDrawingTest, MarksBecomeRocksAtTheirCellsRowByRow)
{
    const std::string text =
        "# rocks\nbackground 26\n\n" +
        Field({{0, "L" + std::string(35, '.') + "S..."}, {20, std::string(37, '.') + "M.."}});
    std::string error;
    const auto drawing = morvex::ReadRockDrawing(text, error);
    ASSERT_TRUE(drawing) << error;
    EXPECT_EQ(drawing->background, 26);
    const std::vector<morvex::DrawnRock> expected = {{0, 0, 0}, {2, 720, 0}, {1, 740, 400}};
    EXPECT_EQ(drawing->rocks, expected);
}

TEST(MorvexRockDrawingTest, DrawingsThatAreNotAWholeFieldOrReachPastItAreRefused)
{
    const std::string field = Field({});
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {field, "the background is missing"},
        {"background 1\nbackground 2\n", "line 2: background given twice"},
        {"background 27\n", "line 1: background needs one whole number in 0..26"},
        {"background 1 2\n", "line 1: background needs one whole number in 0..26"},
        {"rock 1\n", "line 1: neither the background nor a row between bars"},
        {"background 1\n|....\n", "line 2: a row ends with a bar"},
        {"background 1\n|...|\n", "line 2: a row holds 40 cells between two bars"},
        {"background 1\n" + Field({{3, "X" + std::string(39, '.')}}), "line 5: unknown mark 'X'"},
        {"background 1\n" + Field({{0, std::string(37, '.') + "L.."}}),
         "line 2: the rock at column 38 reaches past the field"},
        {"background 1\n" + Field({{23, "S" + std::string(39, '.')}}),
         "line 25: the rock at column 1 reaches past the field"},
        {"background 1\n" + field + "|" + std::string(40, '.') + "|\n",
         "line 26: more than 24 rows"},
        {"background 1\n|" + std::string(40, '.') + "|\n", "the field needs 24 rows"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        std::string error;
        EXPECT_FALSE(morvex::ReadRockDrawing(c.text, error));
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
