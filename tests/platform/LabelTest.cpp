// Labels: alignment of the caption, lines broken between words, and the transparent back style.
#include "platform/Label.h"

#include <gtest/gtest.h>

#include "ControlHost.h"

namespace platform {
namespace {

using controltest::HostForm;

constexpr Color Blue = Rgb(57, 158, 255);

// Columns of the screen row range that hold ink (pixels neither of the back colours).
struct Span {
    std::int32_t first = -1;
    std::int32_t last = -1;
};

Span InkSpan(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom,
             Color back)
{
    const Bitmap& screen = headless::Screen();
    Span span;
    for (std::int32_t x = left; x < right; ++x) {
        for (std::int32_t y = top; y < bottom; ++y) {
            if (static_cast<Color>(screen.Row(y)[x]) != back) {
                span.first = span.first < 0 ? x : span.first;
                span.last = x;
            }
        }
    }
    return span;
}

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        host.SetBackColor(Blue);
        caption.Move(100, 100, 300, 60);
        caption.SetBackColor(Rgb(255, 255, 255));
        caption.SetCaption("Level");
        host.Show();
    }

    HostForm host;
    Label caption{host};
};

TEST_F(LabelTest, TheCaptionIsAlignedLeftRightOrCentred)
{
    const Color white = Rgb(255, 255, 255);
    const Span left = InkSpan(100, 400, 100, 160, white);
    ASSERT_GE(left.first, 100);
    EXPECT_LT(left.first, 104);
    const std::int32_t width = left.last - left.first;

    caption.SetAlignment(Alignment::RightJustify);
    const Span right = InkSpan(100, 400, 100, 160, white);
    EXPECT_GT(right.last, 395);
    EXPECT_EQ(right.last - right.first, width);

    caption.SetAlignment(Alignment::Center);
    const Span centre = InkSpan(100, 400, 100, 160, white);
    EXPECT_NEAR((centre.first + centre.last) / 2, 250, 3);
}

TEST_F(LabelTest, LongCaptionsBreakBetweenWordsOntoFurtherLines)
{
    caption.SetCaption("one two three four five six seven eight nine ten eleven twelve");
    caption.SetWidth(120);
    const std::int32_t line = [] {
        const Hdc dc = CreateCompatibleDC(0);
        SelectObject(dc, CreateFontHandle(FontSpec{"DejaVu Sans", 10.0, false}));
        TextMetrics metrics;
        GetTextMetrics(dc, &metrics);
        DeleteDC(dc);
        return metrics.height;
    }();
    const Color white = Rgb(255, 255, 255);
    EXPECT_GE(InkSpan(100, 220, 100 + line, 100 + 2 * line, white).first, 100);
    EXPECT_GE(InkSpan(100, 220, 100 + 2 * line, 160, white).first, 100);
    EXPECT_EQ(InkSpan(220, 400, 100, 160, Blue).first, -1); // nothing beyond the label
}

TEST_F(LabelTest, ATransparentLabelShowsTheFormUnderItsText)
{
    EXPECT_EQ(headless::ScreenPixel(390, 150), Rgb(255, 255, 255));
    caption.SetBackStyle(BackStyle::Transparent);
    EXPECT_EQ(headless::ScreenPixel(390, 150), Blue);
    EXPECT_GE(InkSpan(100, 400, 100, 160, Blue).first, 100);
}

} // namespace
} // namespace platform
