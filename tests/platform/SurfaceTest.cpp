// Surface: the back buffer keeps its pixels, pen and colours apply, Print moves to the next line.
#include <gtest/gtest.h>

#include "platform/Surface.h"

namespace {

using namespace platform;

constexpr Color Blue = Rgb(0, 0, 255);
constexpr Color Green = Rgb(0, 255, 0);
constexpr Color Red = Rgb(255, 0, 0);

class CountingSurface : public Surface {
public:
    int invalidations = 0;

protected:
    void Invalidate() override { ++invalidations; }
};

TEST(SurfaceTest, BackBufferAppearsAtFirstResizeAndKeepsPixelsThatFit)
{
    CountingSurface surface;
    EXPECT_EQ(surface.hDC(), 0);
    surface.Resize(3, 2);
    const Hdc dc = surface.hDC();
    ASSERT_NE(dc, 0);
    EXPECT_EQ(surface.ScaleWidth(), 3);
    EXPECT_EQ(surface.ScaleHeight(), 2);
    EXPECT_EQ(GetPixel(dc, 2, 1), surface.BackColor());
    SetPixel(dc, 0, 0, Red);
    SetPixel(dc, 2, 1, Blue);

    surface.Resize(4, 1);
    EXPECT_EQ(surface.hDC(), dc) << "the context stays; only its bitmap changes";
    EXPECT_EQ(GetPixel(dc, 0, 0), Red);
    EXPECT_EQ(GetPixel(dc, 3, 0), surface.BackColor());
    EXPECT_EQ(GetPixel(dc, 2, 1), ClrInvalid);
    EXPECT_GE(surface.invalidations, 2);
}

TEST(SurfaceTest, SettingBackColourClearsAndClsAlsoResetsTheTextPosition)
{
    Surface surface;
    surface.Resize(2, 2);
    SetPixel(surface.hDC(), 1, 1, Red);
    surface.CurrentX = 5;
    surface.CurrentY = 6;
    surface.SetBackColor(Green);
    EXPECT_EQ(GetPixel(surface.hDC(), 1, 1), Green);
    EXPECT_EQ(surface.CurrentX, 5);

    SetPixel(surface.hDC(), 0, 0, Red);
    surface.Cls();
    EXPECT_EQ(GetPixel(surface.hDC(), 0, 0), Green);
    EXPECT_EQ(surface.CurrentX, 0);
    EXPECT_EQ(surface.CurrentY, 0);
}

TEST(SurfaceTest, DrawBorderWithPenWidthFourLiesOutsideTheSprite)
{
    // A 10 x 6 sprite at (20, 20); the border box runs from (X - d, Y - d) to
    // (X + width + d, Y + Height + d) with d the pen width 4.
    Surface surface;
    surface.Resize(50, 50);
    surface.SetBackColor(0);
    surface.SetDrawWidth(4);
    const double d = surface.DrawWidth();
    surface.Line(20 - d, 20 - d, 20 + 10 + d, 20 + 6 + d, Blue, true);
    for (std::int32_t y = 0; y < 50; ++y) {
        for (std::int32_t x = 0; x < 50; ++x) {
            // The pixels 3 to 6 px away from the sprite on every side.
            const bool outer = x >= 14 && x <= 35 && y >= 14 && y <= 31;
            const bool inner = x >= 18 && x <= 31 && y >= 18 && y <= 27;
            EXPECT_EQ(GetPixel(surface.hDC(), x, y), outer && !inner ? Blue : 0) << x << "," << y;
        }
    }
    EXPECT_EQ(surface.CurrentX, 34);
    EXPECT_EQ(surface.CurrentY, 30);
}

TEST(SurfaceTest, LineDrawsInForeColourUnlessGivenAndFillsBoxes)
{
    Surface surface;
    surface.Resize(6, 6);
    surface.SetBackColor(0);
    surface.SetForeColor(Red);
    surface.SetDrawWidth(0);
    EXPECT_EQ(surface.DrawWidth(), 1);
    surface.Line(0, 0, 5, 0);
    surface.Line(1.5, 2.5, 3.5, 4.5, Blue, true, true); // rounds to (2, 2)-(4, 4), halves to even
    EXPECT_EQ(GetPixel(surface.hDC(), 5, 0), Red);
    for (std::int32_t y = 1; y < 6; ++y) {
        for (std::int32_t x = 0; x < 6; ++x) {
            const bool box = x >= 2 && x <= 4 && y >= 2 && y <= 4;
            EXPECT_EQ(GetPixel(surface.hDC(), x, y), box ? Blue : 0) << x << "," << y;
        }
    }
}

TEST(SurfaceTest, PrintStartsAtTheTextPositionAndMovesToTheNextLine)
{
    Surface surface;
    surface.Resize(200, 100);
    surface.SetBackColor(0);
    surface.SetForeColor(Green);
    surface.SetFont(FontSpec{"Comic Sans MS", 12, true});
    Size size;
    ASSERT_TRUE(GetTextExtentPoint32A(surface.hDC(), " 42", &size));

    surface.CurrentX = 30.4;
    surface.CurrentY = 10.5; // rounds to 10
    surface.Print(" 42");
    EXPECT_EQ(surface.CurrentX, 0);
    EXPECT_EQ(surface.CurrentY, 10.5 + size.cy);
    bool inked = false;
    for (std::int32_t y = 0; y < 100; ++y) {
        for (std::int32_t x = 0; x < 200; ++x) {
            const bool inside = x >= 30 && x < 30 + size.cx && y >= 10 && y < 10 + size.cy;
            const Color pixel = GetPixel(surface.hDC(), x, y);
            inked = inked || pixel == Green;
            if (!inside) {
                EXPECT_EQ(pixel, 0) << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(inked);

    surface.Print("");
    EXPECT_EQ(surface.CurrentY, 10.5 + 2 * size.cy) << "an empty print still ends the line";
}

TEST(SurfaceTest, HimetricIs2540PerInchAt96PixelsPerInch)
{
    EXPECT_DOUBLE_EQ(Surface::HimetricToPixelsX(2540), 96);
    EXPECT_DOUBLE_EQ(Surface::HimetricToPixelsY(1270), 48);
    EXPECT_DOUBLE_EQ(Surface::PixelsToHimetricX(96), 2540);
    EXPECT_DOUBLE_EQ(Surface::PixelsToHimetricY(60), 1587.5);
    EXPECT_DOUBLE_EQ(Surface::HimetricToPixelsX(Surface::PixelsToHimetricX(37)), 37);
}

} // namespace
