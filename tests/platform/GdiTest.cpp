// Drawing: handle lifetimes, raster operations and conversions pixel by pixel, clipping, pens.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Gdi.h"

namespace {

using namespace platform;

constexpr Color White = Rgb(255, 255, 255);
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Blue = Rgb(0, 0, 255);
constexpr Color Magenta = Rgb(255, 0, 255);

// A memory context holding a w x h bitmap whose pixels are given row by row (or all `fill`).
Hdc MakeDc(std::int32_t w, std::int32_t h, std::vector<std::uint32_t> pixels = {},
           bool mono = false, std::uint32_t fill = 0)
{
    Bitmap bitmap(w, h, mono);
    if (pixels.empty()) {
        pixels.assign(static_cast<std::size_t>(w * h), fill);
    }
    bitmap.pixels = pixels;
    const Hdc dc = CreateCompatibleDC(0);
    const Hgdiobj previous = SelectObject(dc, CreateBitmapFrom(bitmap));
    DeleteObject(previous);
    return dc;
}

// The pixels of the context's bitmap; none when it holds none.
std::vector<std::uint32_t> Pixels(Hdc dc)
{
    const Bitmap* bitmap = SelectedBitmap(dc);
    return bitmap != nullptr ? bitmap->pixels : std::vector<std::uint32_t>{};
}

// The pixel a copy of the w x h block at (sx, sy) of a src x src grid leaves at (px, py) of a
// dst x dst grid: the source pixel when both lie inside their bitmaps and the block, else nothing.
std::int64_t Expected(std::int32_t px, std::int32_t py, std::int32_t x, std::int32_t y,
                      std::int32_t w, std::int32_t h, std::int32_t sx, std::int32_t sy,
                      std::int32_t srcSize)
{
    const std::int32_t u = px - x;
    const std::int32_t v = py - y;
    const std::int32_t srcX = sx + u;
    const std::int32_t srcY = sy + v;
    if (u < 0 || v < 0 || u >= w || v >= h || srcX < 0 || srcY < 0 || srcX >= srcSize ||
        srcY >= srcSize) {
        return -1;
    }
    return 100 + srcY * srcSize + srcX;
}

TEST(GdiTest, HandlesAreNeverReusedAndStaleHandlesStayInvalid)
{
    const Hdc first = MakeDc(2, 2);
    const Hbitmap bitmap = CreateCompatibleBitmap(first, 3, 3);
    ASSERT_NE(first, 0);
    ASSERT_NE(bitmap, 0);
    EXPECT_TRUE(DeleteDC(first));
    EXPECT_TRUE(DeleteObject(bitmap));

    const Hdc second = CreateCompatibleDC(0);
    const Hbitmap third = CreateCompatibleBitmap(0, 1, 1);
    EXPECT_NE(second, first);
    EXPECT_NE(second, bitmap);
    EXPECT_NE(third, first);
    EXPECT_NE(third, bitmap);

    EXPECT_FALSE(DeleteDC(first));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(GetPixel(first, 0, 0), ClrInvalid);
    EXPECT_EQ(SetPixel(first, 0, 0, Red), ClrInvalid);
    EXPECT_EQ(SelectObject(first, third), 0);
    EXPECT_EQ(SelectObject(second, bitmap), 0);
    EXPECT_EQ(SetBkColor(first, Red), ClrInvalid);
    EXPECT_EQ(SelectedBitmap(first), nullptr);
    EXPECT_EQ(CreateCompatibleDC(first), 0);
    DeleteDC(second);
    DeleteObject(third);
}

TEST(GdiTest, FreshContextHoldsOneByOneMonochromeBitmap)
{
    const Hdc dc = CreateCompatibleDC(0);
    const Bitmap* held = SelectedBitmap(dc);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->width, 1);
    EXPECT_EQ(held->height, 1);
    EXPECT_TRUE(held->monochrome);
    EXPECT_EQ(GetPixel(dc, 1, 0), ClrInvalid);

    // A bitmap compatible with it is monochrome too; one compatible with the screen is colour.
    const Hbitmap mono = CreateCompatibleBitmap(dc, 4, 4);
    const Hbitmap color = CreateCompatibleBitmap(0, 4, 4);
    const Hgdiobj original = SelectObject(dc, color);
    const Hbitmap fromColor = CreateCompatibleBitmap(dc, 4, 4);
    EXPECT_NE(original, 0);
    SelectObject(dc, original);
    const Hdc probe = CreateCompatibleDC(0);
    for (const auto& [bitmap, monochrome] :
         {std::pair{mono, true}, std::pair{color, false}, std::pair{fromColor, false}}) {
        const Hgdiobj before = SelectObject(probe, bitmap);
        ASSERT_NE(before, 0);
        EXPECT_EQ(SelectedBitmap(probe)->monochrome, monochrome);
        SelectObject(probe, before);
    }
    EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 4), 0);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 4, -1), 0);
    EXPECT_EQ(CreateCompatibleBitmap(-5, 4, 4), 0);
    for (const Hbitmap bitmap : {mono, color, fromColor}) {
        EXPECT_TRUE(DeleteObject(bitmap));
    }
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_TRUE(DeleteDC(probe));
    EXPECT_TRUE(DeleteObject(original)); // selected out of its context, so the caller owns it
}

TEST(GdiTest, LoadAndReleaseOfASpriteFrameFollowSelectAndDeleteRules)
{
    // Loading: a new context takes the picture; the bitmap it held before is deleted.
    const Hbitmap picture = CreateCompatibleBitmap(0, 8, 8);
    const Hdc frame = CreateCompatibleDC(0);
    const Hgdiobj placeholder = SelectObject(frame, picture);
    ASSERT_NE(placeholder, 0);
    EXPECT_NE(placeholder, picture);
    EXPECT_TRUE(DeleteObject(placeholder));
    EXPECT_FALSE(DeleteObject(picture)) << "a selected bitmap cannot be deleted";

    // A bitmap lives in one context at a time.
    const Hdc other = CreateCompatibleDC(0);
    EXPECT_EQ(SelectObject(other, picture), 0);
    EXPECT_EQ(SelectObject(frame, picture), picture) << "selecting it again answers itself";

    // Releasing: a 1 x 1 monochrome bitmap goes in, the picture comes out and is deleted, then the
    // context, then the 1 x 1 bitmap.
    const Hbitmap dummy = CreateBitmap(1, 1, 1, 1, nullptr);
    EXPECT_EQ(SelectObject(frame, dummy), picture);
    EXPECT_TRUE(DeleteObject(picture));
    EXPECT_FALSE(DeleteObject(dummy));
    EXPECT_TRUE(DeleteDC(frame));
    EXPECT_TRUE(DeleteObject(dummy));
    EXPECT_FALSE(DeleteDC(frame)) << "a released frame's context is gone for good";
    EXPECT_TRUE(DeleteDC(other));
}

TEST(GdiTest, PixelsAnswerMinusOneOutsideTheBitmap)
{
    const Hdc dc = MakeDc(3, 2, {1, 2, 3, 4, 5, 6});
    struct Case {
        std::int32_t x, y;
        Color expected;
    };
    for (const Case c : {Case{0, 0, 1}, Case{2, 1, 6}, Case{-1, 0, ClrInvalid},
                         Case{3, 0, ClrInvalid}, Case{0, 2, ClrInvalid}, Case{0, -1, ClrInvalid}}) {
        EXPECT_EQ(GetPixel(dc, c.x, c.y), c.expected) << c.x << "," << c.y;
        EXPECT_EQ(SetPixel(dc, c.x, c.y, Blue), c.expected == ClrInvalid ? ClrInvalid : Blue);
    }
    EXPECT_EQ(GetPixel(dc, 2, 1), Blue);
    EXPECT_EQ(GetPixel(0, 0, 0), ClrInvalid);

    // A monochrome bitmap keeps black or white; SetPixel answers the colour actually set.
    const Hdc mono = MakeDc(2, 1, {}, true);
    EXPECT_EQ(SetPixel(mono, 0, 0, Rgb(250, 240, 230)), White);
    EXPECT_EQ(SetPixel(mono, 1, 0, Rgb(20, 40, 60)), Black);
    EXPECT_EQ(GetPixel(mono, 0, 0), White);
    EXPECT_EQ(GetPixel(mono, 1, 0), Black);
    DeleteDC(dc);
    DeleteDC(mono);
}

TEST(GdiTest, CopiesAreClippedToBothBitmaps)
{
    constexpr std::int32_t size = 4;
    struct Case {
        std::int32_t x, y, w, h, sx, sy;
    };
    const Case cases[] = {
        {0, 0, 4, 4, 0, 0}, {1, 1, 2, 2, 0, 0},   {2, 2, 4, 4, 0, 0},   {-1, -2, 4, 4, 0, 0},
        {0, 0, 4, 4, 2, 1}, {1, 0, 3, 3, -1, -1}, {-3, 1, 9, 9, -2, 0}, {0, 0, 0, 3, 0, 0},
        {4, 0, 2, 2, 0, 0}, {0, 0, 2, 2, 4, 0},   {0, 0, -2, 2, 0, 0},  {3, 3, 100, 100, 3, 3},
    };
    std::vector<std::uint32_t> source;
    for (std::uint32_t i = 0; i < size * size; ++i) {
        source.push_back(100 + i);
    }
    const Hdc src = MakeDc(size, size, source);
    for (const Case c : cases) {
        const Hdc dst = MakeDc(size, size, {}, false, 7);
        EXPECT_TRUE(BitBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, SRCCOPY));
        for (std::int32_t py = 0; py < size; ++py) {
            for (std::int32_t px = 0; px < size; ++px) {
                const auto expected = Expected(px, py, c.x, c.y, c.w, c.h, c.sx, c.sy, size);
                EXPECT_EQ(GetPixel(dst, px, py), expected < 0 ? 7 : expected)
                    << "copy to (" << c.x << "," << c.y << ") size " << c.w << "x" << c.h
                    << " from (" << c.sx << "," << c.sy << "), pixel " << px << "," << py;
            }
        }
        DeleteDC(dst);
    }
    DeleteDC(src);
}

TEST(GdiTest, RasterOperationsCombineColourPixels)
{
    constexpr std::uint32_t d = 0x00F0F00F;
    constexpr std::uint32_t s = 0x0033CC55;
    struct Case {
        std::uint32_t rop;
        std::uint32_t expected;
    };
    for (const Case c :
         {Case{SRCCOPY, s}, Case{SRCPAINT, d | s}, Case{SRCAND, d & s}, Case{SRCINVERT, d ^ s},
          Case{NOTSRCCOPY, ~s & 0x00FFFFFF}, Case{BLACKNESS, 0}, Case{WHITENESS, 0x00FFFFFF}}) {
        const Hdc dst = MakeDc(1, 1, {d});
        const Hdc src = MakeDc(1, 1, {s});
        EXPECT_TRUE(BitBlt(dst, 0, 0, 1, 1, src, 0, 0, c.rop));
        EXPECT_EQ(GetPixel(dst, 0, 0), static_cast<Color>(c.expected)) << std::hex << c.rop;
        DeleteDC(dst);
        DeleteDC(src);
    }
    const Hdc dst = MakeDc(1, 1, {d});
    const Hdc src = MakeDc(1, 1, {s});
    EXPECT_FALSE(BitBlt(dst, 0, 0, 1, 1, src, 0, 0, 0x00123456)) << "unknown operation";
    EXPECT_EQ(GetPixel(dst, 0, 0), static_cast<Color>(d));
    DeleteDC(dst);
    DeleteDC(src);
}

TEST(GdiTest, ColourToMonochromeMarksTheSourceBackgroundColourWhite)
{
    const Hdc src = MakeDc(4, 1, {Magenta, Red, Magenta, Black});
    SetBkColor(src, Magenta);
    const Hdc mono = MakeDc(4, 1, {}, true);
    SetBkColor(mono, Red); // the destination's colours play no part in this direction
    SetTextColor(mono, Red);
    EXPECT_TRUE(BitBlt(mono, 0, 0, 4, 1, src, 0, 0, SRCCOPY));
    EXPECT_EQ(Pixels(mono), (std::vector<std::uint32_t>{1, 0, 1, 0}));
    DeleteDC(src);
    DeleteDC(mono);
}

TEST(GdiTest, MonochromeToColourTakesTheDestinationTextAndBackgroundColours)
{
    const Hdc mono = MakeDc(3, 1, {0, 1, 0}, true);
    SetBkColor(mono, Red); // the source's colours play no part in this direction
    SetTextColor(mono, Red);
    const Hdc dst = MakeDc(3, 1, {}, false, 5);
    SetTextColor(dst, Blue);
    SetBkColor(dst, Magenta);
    EXPECT_TRUE(BitBlt(dst, 0, 0, 3, 1, mono, 0, 0, SRCCOPY));
    EXPECT_EQ(Pixels(dst), (std::vector<std::uint32_t>{Blue, Magenta, Blue}));
    EXPECT_TRUE(BitBlt(dst, 0, 0, 3, 1, mono, 0, 0, SRCAND));
    EXPECT_EQ(Pixels(dst), (std::vector<std::uint32_t>{Blue, Magenta, Blue}));
    DeleteDC(mono);
    DeleteDC(dst);
}

TEST(GdiTest, MaskCopyThroughMonochromeBitmapKeepsTheDestinationUnderKeyPixels)
{
    // The colour-keyed copy built from raster operations: a monochrome mask of the key pixels, then
    // SRCINVERT, SRCAND with the mask in colour, SRCINVERT.
    const Color key = Magenta;
    const Hdc src = MakeDc(3, 2, {Magenta, Red, Blue, Black, Magenta, White});
    const Hdc dst = MakeDc(3, 2, {11, 12, 13, 14, 15, 16});
    SetBkColor(src, key);
    SetBkColor(dst, key);
    const Hdc maskDc = CreateCompatibleDC(dst);
    const Hgdiobj oldMask = SelectObject(maskDc, CreateCompatibleBitmap(dst, 3, 2));
    const Hdc monoDc = CreateCompatibleDC(dst);
    const Hgdiobj oldMono = SelectObject(monoDc, CreateBitmap(3, 2, 1, 1, nullptr));
    EXPECT_TRUE(BitBlt(monoDc, 0, 0, 3, 2, src, 0, 0, SRCCOPY));
    EXPECT_EQ(Pixels(monoDc), (std::vector<std::uint32_t>{1, 0, 0, 0, 1, 0}));
    EXPECT_TRUE(BitBlt(maskDc, 0, 0, 3, 2, monoDc, 0, 0, SRCCOPY));
    EXPECT_EQ(Pixels(maskDc),
              (std::vector<std::uint32_t>{White, Black, Black, Black, White, Black}));
    BitBlt(dst, 0, 0, 3, 2, src, 0, 0, SRCINVERT);
    BitBlt(dst, 0, 0, 3, 2, maskDc, 0, 0, SRCAND);
    BitBlt(dst, 0, 0, 3, 2, src, 0, 0, SRCINVERT);
    EXPECT_EQ(Pixels(dst), (std::vector<std::uint32_t>{11, Red, Blue, Black, 15, White}));
    DeleteObject(SelectObject(maskDc, oldMask));
    DeleteObject(SelectObject(monoDc, oldMono));
    DeleteDC(maskDc);
    DeleteDC(monoDc);
    DeleteDC(src);
    DeleteDC(dst);
}

TEST(GdiTest, CopyFromNoContextChangesNothing)
{
    const Hdc dst = MakeDc(2, 2, {1, 2, 3, 4});
    const Hdc stale = CreateCompatibleDC(0);
    DeleteDC(stale);
    for (const Hdc src : {Hdc{0}, stale, Hdc{-7}}) {
        EXPECT_FALSE(BitBlt(dst, 0, 0, 2, 2, src, 0, 0, SRCCOPY));
        EXPECT_FALSE(BitBlt(dst, 0, 0, 2, 2, src, 0, 0, SRCINVERT));
        EXPECT_FALSE(TransparentBlt(dst, 0, 0, 2, 2, src, 0, 0, Magenta));
        EXPECT_EQ(Pixels(dst), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    }
    EXPECT_FALSE(BitBlt(0, 0, 0, 2, 2, dst, 0, 0, SRCCOPY));
    DeleteDC(dst);
}

TEST(GdiTest, OverlappingCopyWithinOneBitmapReadsTheOriginalPixels)
{
    const std::vector<std::uint32_t> original{1, 2, 3, 4, 5, 6, 7, 8, 9};
    struct Case {
        std::int32_t x, y, sx, sy;
        std::uint32_t rop;
        std::vector<std::uint32_t> expected;
    };
    const Case cases[] = {
        {1, 0, 0, 0, SRCCOPY, {1, 1, 2, 4, 4, 5, 7, 7, 8}},
        {0, 0, 1, 0, SRCCOPY, {2, 3, 3, 5, 6, 6, 8, 9, 9}},
        {0, 1, 0, 0, SRCCOPY, {1, 2, 3, 1, 2, 3, 4, 5, 6}},
        {1, 1, 0, 0, SRCCOPY, {1, 2, 3, 4, 1, 2, 7, 4, 5}},
        {1, 0, 0, 0, SRCPAINT, {1, 1 | 2, 2 | 3, 4, 4 | 5, 5 | 6, 7, 7 | 8, 8 | 9}},
    };
    for (const auto& c : cases) {
        const Hdc dc = MakeDc(3, 3, original);
        BitBlt(dc, c.x, c.y, 3, 3, dc, c.sx, c.sy, c.rop);
        EXPECT_EQ(Pixels(dc), c.expected) << c.x << "," << c.y << " from " << c.sx << "," << c.sy;
        DeleteDC(dc);
    }
}

TEST(GdiTest, TransparentCopyLeavesTheDestinationUnderKeyPixels)
{
    const Hdc src = MakeDc(3, 2, {Magenta, Red, Blue, Black, Magenta, White});
    struct Case {
        std::int32_t x, y, w, h, sx, sy;
        Color key;
        std::vector<std::uint32_t> expected;
    };
    const Case cases[] = {
        {0, 0, 3, 2, 0, 0, Magenta, {11, Red, Blue, Black, 15, White}},
        {0, 0, 3, 2, 0, 0, Rgb(1, 2, 3), {Magenta, Red, Blue, Black, Magenta, White}},
        {0, 0, 3, 2, 0, 0, ClrInvalid, {Magenta, Red, Blue, Black, Magenta, White}},
        {1, 0, 3, 2, 0, 0, Magenta, {11, 12, Red, 14, Black, 16}},
        {0, 0, 2, 1, 1, 1, Magenta, {11, White, 13, 14, 15, 16}},
        {-1, 1, 3, 2, 0, 0, Red, {11, 12, 13, 14, Blue, 16}},
    };
    for (const auto& c : cases) {
        const Hdc dst = MakeDc(3, 2, {11, 12, 13, 14, 15, 16});
        EXPECT_TRUE(TransparentBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, c.key));
        EXPECT_EQ(Pixels(dst), c.expected) << "to " << c.x << "," << c.y << " key " << c.key;
        DeleteDC(dst);
    }
    const Hdc allKey = MakeDc(3, 2, {}, false, Magenta);
    const Hdc dst = MakeDc(3, 2, {11, 12, 13, 14, 15, 16});
    EXPECT_TRUE(TransparentBlt(dst, 0, 0, 3, 2, allKey, 0, 0, Magenta));
    EXPECT_EQ(Pixels(dst), (std::vector<std::uint32_t>{11, 12, 13, 14, 15, 16}));
    DeleteDC(allKey);
    DeleteDC(dst);
    DeleteDC(src);
}

TEST(GdiTest, TransparentCopyOfLongRowsHandlesRunsOfKeyAndFigurePixels)
{
    constexpr std::uint32_t K = Magenta;
    // Groups of all key, all figure and mixed pixels, then a few more, copied one pixel in.
    const Hdc src = MakeDc(15, 1, {K, K, K, K, 1, 2, 3, 4, K, 5, K, 6, 7, K, 8});
    std::vector<std::uint32_t> before;
    for (std::uint32_t i = 0; i < 16; ++i) {
        before.push_back(100 + i);
    }
    const Hdc dst = MakeDc(16, 1, before);
    EXPECT_TRUE(TransparentBlt(dst, 1, 0, 15, 1, src, 0, 0, Magenta));
    EXPECT_EQ(Pixels(dst), (std::vector<std::uint32_t>{100, 101, 102, 103, 104, 1, 2, 3, 4, 109, 5,
                                                       111, 6, 7, 114, 8}));

    // Within one bitmap, moving left and moving right both read the original pixels.
    const std::vector<std::uint32_t> row{1, K, 2, 3, 4, 5, K, 6, 7, 8};
    const Hdc left = MakeDc(10, 1, row);
    TransparentBlt(left, 0, 0, 9, 1, left, 1, 0, Magenta);
    EXPECT_EQ(Pixels(left), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 5, 6, 7, 8, 8}));
    const Hdc right = MakeDc(10, 1, row);
    TransparentBlt(right, 1, 0, 9, 1, right, 0, 0, Magenta);
    EXPECT_EQ(Pixels(right), (std::vector<std::uint32_t>{1, 1, 2, 2, 3, 4, 5, 6, 6, 7}));
    for (const Hdc dc : {src, dst, left, right}) {
        DeleteDC(dc);
    }
}

TEST(GdiTest, RectanglesThatOnlyTouchDoNotIntersect)
{
    struct Case {
        Rect a, b;
        bool overlaps;
        Rect overlap;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {10, 0, 20, 10}, false, {}},
        {{0, 0, 10, 10}, {0, 10, 10, 20}, false, {}},
        {{0, 0, 10, 10}, {9, 9, 20, 20}, true, {9, 9, 10, 10}},
        {{0, 0, 10, 10}, {2, 3, 4, 5}, true, {2, 3, 4, 5}},
        {{-5, -5, 5, 5}, {-10, 0, 0, 10}, true, {-5, 0, 0, 5}},
        {{0, 0, 0, 10}, {0, 0, 10, 10}, false, {}},
    };
    for (const auto& c : cases) {
        Rect result{1, 2, 3, 4};
        EXPECT_EQ(IntersectRect(&result, &c.a, &c.b), c.overlaps);
        EXPECT_EQ(result.left, c.overlap.left);
        EXPECT_EQ(result.top, c.overlap.top);
        EXPECT_EQ(result.right, c.overlap.right);
        EXPECT_EQ(result.bottom, c.overlap.bottom);
    }
}

// Which pixels of a w x h bitmap a drawing touched (pixels start at 0, ink is 1).
std::vector<std::uint32_t> Inked(Hdc dc)
{
    auto pixels = Pixels(dc);
    for (auto& pixel : pixels) {
        pixel = pixel != 0 ? 1 : 0;
    }
    return pixels;
}

TEST(GdiTest, ThinBoxOutlineIncludesBothCorners)
{
    const Hdc dc = MakeDc(5, 4);
    DrawBox(dc, 3, 2, 1, 0, Red, 1);                                // corners in any order
    DrawBox(dc, 6, 0, 9, 3, Red, 1);                                // wholly beside it: nothing
    EXPECT_EQ(Inked(dc), (std::vector<std::uint32_t>{0, 1, 1, 1, 0, //
                                                     0, 1, 0, 1, 0, //
                                                     0, 1, 1, 1, 0, //
                                                     0, 0, 0, 0, 0}));
    FillBox(dc, 0, 3, 1, 2, Blue);
    EXPECT_EQ(Pixels(dc)[10], static_cast<std::uint32_t>(Blue));
    EXPECT_EQ(Pixels(dc)[11], static_cast<std::uint32_t>(Blue));
    EXPECT_EQ(Pixels(dc)[15], static_cast<std::uint32_t>(Blue));
    EXPECT_EQ(Pixels(dc)[16], static_cast<std::uint32_t>(Blue));
    EXPECT_EQ(Pixels(dc)[12], static_cast<std::uint32_t>(Red));
    DeleteDC(dc);
}

TEST(GdiTest, WidePenIsCentredOnTheGridLineBeforeEachPixel)
{
    // A pen of width 4 along row 3 covers rows 1..4; a point drawn with width 3 is a 3 x 3 square
    // centred on it. (Boxes: SurfaceTest's border test.)
    const Hdc line = MakeDc(6, 6);
    DrawLine(line, 0, 3, 5, 3, Red, 4);
    DrawLine(line, 4, 0, 4, 0, Blue, 3); // a point: a 3 x 3 square centred on it
    EXPECT_EQ(Inked(line), (std::vector<std::uint32_t>{0, 0, 0, 1, 1, 1, //
                                                       1, 1, 1, 1, 1, 1, //
                                                       1, 1, 1, 1, 1, 1, //
                                                       1, 1, 1, 1, 1, 1, //
                                                       1, 1, 1, 1, 1, 1, //
                                                       0, 0, 0, 0, 0, 0}));
    DeleteDC(line);
}

TEST(GdiTest, SlopedLineStepsAlongItsLongerAxisIncludingBothEnds)
{
    const Hdc dc = MakeDc(5, 5);
    DrawLine(dc, 4, 2, 0, 0, Red, 1);  // offsets 0, 0.5, 1, 1.5, 2 rounded halves away
    DrawLine(dc, 0, 4, 1, 2, Blue, 0); // a pen width below 1 draws 1 px
    EXPECT_EQ(Inked(dc), (std::vector<std::uint32_t>{1, 0, 0, 0, 0, //
                                                     0, 1, 1, 0, 0, //
                                                     0, 1, 0, 1, 1, //
                                                     1, 0, 0, 0, 0, //
                                                     1, 0, 0, 0, 0}));
    // Far-away ends are walked only where the pen can reach the bitmap.
    DrawLine(dc, -2'000'000'000, -2'000'000'000, 2'000'000'000, 2'000'000'000, Blue, 1);
    for (std::int32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(GetPixel(dc, i, i), Blue);
    }
    DeleteDC(dc);
}

TEST(GdiTest, PensOnMonochromeBitmapsDrawWhiteForLightColours)
{
    const Hdc dc = MakeDc(3, 1, {}, true);
    DrawLine(dc, 0, 0, 0, 0, Rgb(200, 200, 200), 1);
    DrawLine(dc, 1, 0, 1, 0, Rgb(60, 60, 60), 1);
    FillBox(dc, 2, 0, 2, 0, White);
    EXPECT_EQ(Pixels(dc), (std::vector<std::uint32_t>{1, 0, 1}));
    DeleteDC(dc);
}

} // namespace
