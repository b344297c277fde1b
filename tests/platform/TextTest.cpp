// Text: faces and sizes, extents and metrics, drawing in the text colour, number formatting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FontCache.h"
#include "platform/Text.h"

namespace {

using namespace platform;

constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Paper = Rgb(10, 20, 30);

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A colour memory context of w x h pixels filled with Paper.
Hdc PaperDc(std::int32_t w, std::int32_t h)
{
    Bitmap bitmap(w, h);
    bitmap.pixels.assign(bitmap.pixels.size(), Paper);
    const Hdc dc = CreateCompatibleDC(0);
    DeleteObject(SelectObject(dc, CreateBitmapFrom(bitmap)));
    return dc;
}

Size Extent(Hdc dc, const std::string& text)
{
    Size size;
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, &size));
    return size;
}

TEST(TextTest, ComicSansIsComicNeueAndEveryOtherFaceDejaVuSans)
{
    struct Case {
        const char* face;
        bool bold;
        const char* file;
    };
    for (const Case c :
         {Case{"Comic Sans MS", false, "/ComicNeue-Regular.otf"},
          Case{"Comic Sans MS", true, "/ComicNeue-Bold.otf"},
          Case{"comic sans ms", true, "/ComicNeue-Bold.otf"},
          Case{"DejaVu Sans", false, "/DejaVuSans.ttf"},
          Case{"MS Sans Serif", false, "/DejaVuSans.ttf"},
          Case{"Arial", true, "/DejaVuSans-Bold.ttf"}, Case{"", false, "/DejaVuSans.ttf"}}) {
        EXPECT_TRUE(EndsWith(detail::FontFileFor(FontSpec{c.face, 12, c.bold}), c.file))
            << c.face << (c.bold ? " bold" : "");
    }
    EXPECT_TRUE(CheckFonts());
}

TEST(TextTest, PointsBecomePixelsAt96DotsPerInch)
{
    struct Case {
        double points;
        std::int32_t pixels;
    };
    for (const Case c : {Case{8, 11}, Case{6, 8}, Case{12, 16}, Case{24, 32}, Case{28, 37},
                         Case{36, 48}, Case{7.5, 10}, Case{0, 1}, Case{-3, 1}}) {
        EXPECT_EQ(detail::PixelSize(c.points), c.pixels) << c.points;
    }
}

TEST(TextTest, FontHandlesAreSharedBySpecAndSurviveDeletion)
{
    const FontSpec spec{"Comic Sans MS", 28, true};
    const Hgdiobj font = CreateFontHandle(spec);
    EXPECT_NE(font, 0);
    EXPECT_EQ(CreateFontHandle(spec), font);
    EXPECT_NE(CreateFontHandle(FontSpec{"Comic Sans MS", 28, false}), font);
    EXPECT_TRUE(DeleteObject(font));

    const Hdc dc = PaperDc(4, 4);
    const Hgdiobj original = SelectObject(dc, font);
    EXPECT_EQ(original, CreateFontHandle(FontSpec{})) << "contexts start with DejaVu Sans 8 pt";
    EXPECT_EQ(SelectObject(dc, original), font);
    DeleteDC(dc);
}

TEST(TextTest, ExtentsFollowTextFontSizeAndWeight)
{
    const Hdc dc = PaperDc(4, 4);
    TextMetrics metrics;
    ASSERT_TRUE(GetTextMetrics(dc, &metrics));
    EXPECT_EQ(metrics.ascent + metrics.descent, metrics.height);
    EXPECT_GE(metrics.height, detail::PixelSize(8));
    EXPECT_LE(metrics.height, 16) << "the default font does not count as a large system font";
    EXPECT_GT(metrics.averageCharWidth, 0);

    const Size empty = Extent(dc, "");
    EXPECT_EQ(empty.cx, 0);
    EXPECT_EQ(empty.cy, metrics.height);
    const Size one = Extent(dc, "8");
    const Size two = Extent(dc, "88");
    const Size five = Extent(dc, "88888");
    EXPECT_EQ(one.cy, metrics.height);
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(two.cx, 2 * one.cx) << "digits are all one width";
    EXPECT_EQ(five.cx, 5 * one.cx);

    SelectObject(dc, CreateFontHandle(FontSpec{"DejaVu Sans", 28, false}));
    const Size large = Extent(dc, "88");
    SelectObject(dc, CreateFontHandle(FontSpec{"DejaVu Sans", 28, true}));
    const Size bold = Extent(dc, "88");
    SelectObject(dc, CreateFontHandle(FontSpec{"Comic Sans MS", 28, true}));
    const Size comic = Extent(dc, "88");
    EXPECT_GT(large.cx, two.cx);
    EXPECT_GT(large.cy, two.cy);
    EXPECT_GT(bold.cx, large.cx);
    EXPECT_NE(comic.cx, bold.cx);

    Size untouched{5, 6};
    EXPECT_FALSE(GetTextExtentPoint32A(0, "8", &untouched));
    EXPECT_EQ(untouched.cx, 5);
    EXPECT_FALSE(GetTextMetrics(0, &metrics));
    DeleteDC(dc);
}

TEST(TextTest, TextIsDrawnInTheTextColourInsideItsExtentOnly)
{
    const Hdc dc = PaperDc(120, 60);
    SelectObject(dc, CreateFontHandle(FontSpec{"DejaVu Sans", 28, true}));
    SetTextColor(dc, Red);
    SetBkColor(dc, Rgb(0, 255, 0)); // a transparent background ignores it
    const Size size = Extent(dc, "WH");
    ASSERT_TRUE(TextOut(dc, 5, 7, "WH"));
    int full = 0;
    for (std::int32_t y = 0; y < 60; ++y) {
        for (std::int32_t x = 0; x < 120; ++x) {
            const auto pixel = static_cast<std::uint32_t>(GetPixel(dc, x, y));
            const bool inside = x >= 5 && x < 5 + size.cx && y >= 7 && y < 7 + size.cy;
            if (!inside) {
                EXPECT_EQ(pixel, static_cast<std::uint32_t>(Paper)) << x << "," << y;
                continue;
            }
            full += pixel == static_cast<std::uint32_t>(Red) ? 1 : 0;
            // A partly covered pixel lies between the paper and the ink in every channel.
            for (int shift : {0, 8, 16}) {
                const auto channel = (pixel >> shift) & 0xFF;
                const auto paper = (static_cast<std::uint32_t>(Paper) >> shift) & 0xFF;
                const auto ink = (static_cast<std::uint32_t>(Red) >> shift) & 0xFF;
                EXPECT_GE(channel, std::min(paper, ink));
                EXPECT_LE(channel, std::max(paper, ink));
            }
        }
    }
    EXPECT_GT(full, 100) << "the strokes of W and H are solid";
    DeleteDC(dc);
}

TEST(TextTest, TextIsClippedAtTheBitmapEdges)
{
    const Hdc dc = PaperDc(8, 8);
    SetTextColor(dc, Red);
    for (const auto& [x, y] :
         {std::pair{-5, -5}, std::pair{6, 6}, std::pair{-1000, 3}, std::pair{3, 1000}}) {
        EXPECT_TRUE(TextOut(dc, x, y, "MW"));
    }
    EXPECT_FALSE(TextOut(0, 0, 0, "MW"));

    // On a monochrome bitmap text is white or black, nothing between.
    const Hdc mono = CreateCompatibleDC(0);
    DeleteObject(SelectObject(mono, CreateBitmap(30, 20, 1, 1, nullptr)));
    SetTextColor(mono, Rgb(255, 255, 255));
    EXPECT_TRUE(TextOut(mono, 0, 0, "MW"));
    int white = 0;
    const Bitmap* drawn = SelectedBitmap(mono);
    ASSERT_NE(drawn, nullptr);
    for (const auto pixel : drawn->pixels) {
        EXPECT_LE(pixel, 1u);
        white += static_cast<int>(pixel);
    }
    EXPECT_GT(white, 0);
    DeleteDC(dc);
    DeleteDC(mono);
}

TEST(TextTest, NumbersPrintWithALeadingBlankUnlessNegative)
{
    struct Case {
        double value;
        bool single;
        const char* text;
    };
    for (const Case c :
         {Case{5, false, " 5"}, Case{-5, false, "-5"}, Case{0, false, " 0"},
          Case{-0.0, false, " 0"}, Case{1.5, false, " 1.5"}, Case{0.5, false, " 0.5"},
          Case{-2.25, false, "-2.25"}, Case{10, false, " 10"},
          Case{1.0 / 3.0, false, " 0.333333333333333"}, Case{1.0 / 3.0, true, " 0.3333333"},
          Case{1.1, true, " 1.1"}, Case{123456789012345.0, false, " 123456789012345"},
          Case{1e20, false, " 1E+20"}, Case{0.0001, false, " 0.0001"},
          Case{0.00001, false, " 1E-05"}, Case{-32768, false, "-32768"}}) {
        EXPECT_EQ(PrintNumber(c.value, c.single), c.text) << c.value;
    }
}

// The pixels a text leaves on paper, in a font of the high-score list.
std::vector<std::uint32_t> Drawn(const std::string& text)
{
    const Hdc dc = PaperDc(80, 60);
    SelectObject(dc, CreateFontHandle(FontSpec{"Comic Sans MS", 28, true}));
    SetTextColor(dc, Red);
    EXPECT_TRUE(TextOut(dc, 4, 4, text));
    std::vector<std::uint32_t> pixels;
    for (std::int32_t y = 0; y < 60; ++y) {
        for (std::int32_t x = 0; x < 80; ++x) {
            pixels.push_back(static_cast<std::uint32_t>(GetPixel(dc, x, y)));
        }
    }
    DeleteDC(dc);
    return pixels;
}

TEST(TextTest, TextIsUtf8AndEveryCharacterShowsAGlyphRatherThanABox)
{
    // A character no font has shows the font's empty box.
    const auto box = Drawn("\U0010FFFD");
    const auto blank = Drawn("");
    for (const char* text : {"\u00DC", "\u00EF", "\u0141", "\u0416", "\uFFFD"}) {
        const auto drawn = Drawn(text);
        EXPECT_NE(drawn, box) << text;
        EXPECT_NE(drawn, blank) << text;
    }
    // A byte that is no UTF-8 (a Latin-1 name stored earlier) shows the replacement character.
    EXPECT_EQ(Drawn("\xFC"), Drawn("\uFFFD"));
    EXPECT_EQ(Drawn("Ab\xEF"), Drawn("Ab\uFFFD"));
}

} // namespace
