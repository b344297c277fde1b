// Turning a text drawing of piece templates into a map: the marks, the order of the templates,
// their places in the editor's layout, and the drawings refused.
#include <gtest/gtest.h>

#include <string>

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"
#include "tools/QuadrelTemplateDrawing.h"

namespace {

namespace qc = QuadrelCommon;

// A band of `count` templates, each with one block of its number in its top-left cell.
std::string Band(int count, int first, const char* lineEnd = "\n")
{
    std::string text;
    for (int row = 0; row < 5; ++row) {
        for (int t = 0; t < count; ++t) {
            text += t == 0 ? "" : " ";
            text += row == 0 ? std::to_string((first + t) % 6) + "...." : ".....";
        }
        text += lineEnd;
    }
    return text;
}

TEST(QuadrelTemplateDrawingTest, TemplatesCountFromTheLeftOfTheFirstBandAndTakeTheEditorsPlaces)
{
    struct Case {
        std::string text;
        const char* mode;
        std::size_t last;
        double lastX, lastY; // the last template's cell 24
        std::int32_t size;
    };
    const Case cases[] = {
        {"# easy\n" + Band(3, 0) + "\n" + Band(3, 3), "easy", 5, 540 + 4 * 40, 260 + 4 * 40, 40},
        {Band(6, 0, "\r\n") + Band(6, 6, "\r\n"), "normal", 11, 668 + 4 * 20, 286 + 4 * 20, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        std::string error;
        const auto templates = quadrel::ReadTemplateDrawing(c.text, error);
        ASSERT_TRUE(templates) << error;
        quadrel::LayOutMap(*templates);
        EXPECT_EQ(Common::gMode, c.mode);
        ASSERT_EQ(qc::MapTemplates.size(), c.last + 1);
        for (std::size_t t = 0; t <= c.last; ++t) {
            EXPECT_EQ(qc::MapTemplates[t][0].id, static_cast<std::int32_t>(t % 6));
            EXPECT_EQ(qc::MapTemplates[t][1].id, -1);
        }
        const SpriteClass& cell = qc::MapTemplates[c.last][24];
        EXPECT_EQ(cell.X, c.lastX);
        EXPECT_EQ(cell.Y, c.lastY);
        EXPECT_EQ(cell.width, c.size);
    }
}

// A band whose first line is given and whose other four are empty cells as wide as `rest`.
std::string Five(const std::string& first, const std::string& rest)
{
    return first + "\n" + rest + "\n" + rest + "\n" + rest + "\n" + rest + "\n";
}

TEST(QuadrelTemplateDrawingTest, DrawingsOfTheWrongShapeAreRefused)
{
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {Band(3, 0) + Band(2, 0), "6 templates make an easy map and 12 a normal one, not 5"},
        {"0....\n.....\n\n", "line 1: a band is five lines"},
        {Five("0.....", "......"), "line 1: a band holds templates of 5 marks"},
        {Five("0.... 1....", "....."), "line 2: every line of a band is as long as its first"},
        {Five("0....|1....", "..... ....."), "line 1: templates stand one blank apart"},
        {"# a comment\n" + Five(".6...", "....."), "line 2: unknown mark '6'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(quadrel::ReadTemplateDrawing(c.text, error));
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
