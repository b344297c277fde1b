// Line controls: drawn with the pen of the form's own lines, and transparent to the mouse.
#include "platform/LineControl.h"

#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/Input.h"

namespace platform {
namespace {

using controltest::RunFor;

TEST(LineControlTest, AWideLineCoversThePixelsCentredOnItAndClicksPassThrough)
{
    headless::Install();
    class Editor : public Form {
    public:
        std::int32_t clicks = 0;

    protected:
        void Form_Click() override { ++clicks; }
    } editor;
    editor.SetBackColor(Rgb(255, 255, 255));
    LineControl designLine{editor};
    designLine.SetX1(0);
    designLine.SetY1(480);
    designLine.SetX2(800);
    designLine.SetY2(480);
    designLine.SetBorderWidth(4);
    editor.Show();
    // A 4-pixel pen along line 480 covers rows 478 to 481.
    const struct {
        std::int32_t y;
        Color expected;
    } rows[] = {{477, Rgb(255, 255, 255)}, {478, 0}, {481, 0}, {482, Rgb(255, 255, 255)}};
    for (const auto& row : rows) {
        EXPECT_EQ(headless::ScreenPixel(400, row.y), row.expected) << "row " << row.y;
    }
    headless::After(10).Click(vbLeftButton, 400, 480);
    RunFor(20);
    EXPECT_EQ(editor.clicks, 1);
}

} // namespace
} // namespace platform
