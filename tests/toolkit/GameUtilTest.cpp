// Tests of GameUtil: the clock, random integers, the colour-keyed copy against the mask algorithm
// it stands for, rectangles, angles, the visible count and the release of frame contexts.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/AllocationCounter.h"
#include "TestPictures.h"
#include "platform/Clock.h"
#include "platform/Gdi.h"
#include "toolkit/GameUtil.h"
#include "toolkit/SpriteClass.h"

using platform::Hdc;
using platform::virtualclock::Advance;

namespace {

// The colour-keyed copy done literally with a monochrome mask and three raster copies: the
// pictures BlitTransparent must reproduce exactly.
void MaskBlit(Hdc dest, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Hdc src,
              platform::Color key)
{
    const platform::Color oldSrcBack = platform::SetBkColor(src, key);
    const platform::Color oldDestBack = platform::SetBkColor(dest, key);
    const Hdc maskDC = platform::CreateCompatibleDC(dest);
    const platform::Hbitmap mask = platform::CreateCompatibleBitmap(dest, w, h);
    const platform::Hgdiobj oldMask = platform::SelectObject(maskDC, mask);
    const Hdc monoDC = platform::CreateCompatibleDC(dest);
    const platform::Hbitmap mono = platform::CreateBitmap(w, h, 1, 1, nullptr);
    const platform::Hgdiobj oldMono = platform::SelectObject(monoDC, mono);

    platform::BitBlt(monoDC, 0, 0, w, h, src, 0, 0, platform::SRCCOPY);
    platform::BitBlt(maskDC, 0, 0, w, h, monoDC, 0, 0, platform::SRCCOPY);
    platform::BitBlt(dest, x, y, w, h, src, 0, 0, platform::SRCINVERT);
    platform::BitBlt(dest, x, y, w, h, maskDC, 0, 0, platform::SRCAND);
    platform::BitBlt(dest, x, y, w, h, src, 0, 0, platform::SRCINVERT);

    platform::SetBkColor(src, oldSrcBack);
    platform::SetBkColor(dest, oldDestBack);
    platform::SelectObject(maskDC, oldMask);
    platform::SelectObject(monoDC, oldMono);
    platform::DeleteObject(mask);
    platform::DeleteObject(mono);
    platform::DeleteDC(maskDC);
    platform::DeleteDC(monoDC);
}

// A memory context holding the bitmap.
Hdc ContextOf(platform::Bitmap bitmap)
{
    const Hdc dc = platform::CreateCompatibleDC(0);
    platform::DeleteObject(
        platform::SelectObject(dc, platform::CreateBitmapFrom(std::move(bitmap))));
    return dc;
}

platform::Bitmap RandomPicture(std::mt19937& random, std::int32_t w, std::int32_t h,
                               const std::vector<platform::Color>& palette)
{
    platform::Bitmap bitmap(w, h);
    std::uniform_int_distribution<std::size_t> pick(0, palette.size() - 1);
    for (auto& pixel : bitmap.pixels) {
        pixel = static_cast<std::uint32_t>(palette[pick(random)]);
    }
    return bitmap;
}

void ExpectSamePixels(Hdc a, Hdc b, const std::string& what)
{
    const platform::Bitmap* left = platform::SelectedBitmap(a);
    const platform::Bitmap* right = platform::SelectedBitmap(b);
    ASSERT_NE(left, nullptr);
    ASSERT_NE(right, nullptr);
    ASSERT_EQ(left->width, right->width);
    ASSERT_EQ(left->height, right->height);
    for (std::int32_t y = 0; y < left->height; ++y) {
        for (std::int32_t x = 0; x < left->width; ++x) {
            ASSERT_EQ(left->Row(y)[x], right->Row(y)[x]) << what << " at " << x << "," << y;
        }
    }
}

} // namespace

TEST(GameUtilTest, TheClockIsFarFromZeroAndCountsMilliseconds)
{
    const std::int32_t first = GameUtil::GetTickMs();
    EXPECT_GE(first, 1'000'000); // the clock starts at 1,000,000 ms, far from 0
    Advance(1000);
    EXPECT_EQ(GameUtil::GetTickMs() - first, 1000);
    platform::Sleep(5000);
    EXPECT_EQ(GameUtil::GetTickMs() - first, 6000);
}

TEST(GameUtilTest, TicksBetweenWrapsWithTheClock)
{
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(GameUtil::TicksBetween(1000, 1250), 250);
    EXPECT_EQ(GameUtil::TicksBetween(1250, 1000), -250);
    EXPECT_EQ(GameUtil::TicksBetween(Max, Min), 1);
    EXPECT_EQ(GameUtil::TicksBetween(Max - 9, Min + 10), 20);
}

TEST(GameUtilTest, RandomIntStaysWithinItsBoundsAndReachesBoth)
{
    GameUtil::SetRandomState(12345);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(GameUtil::RandomInt(1, 1), 1);
    }
    struct Case {
        std::int16_t low, high;
    };
    for (const Case c : {Case{0, 3}, Case{-5, 5}, Case{0, 1}, Case{100, 103}}) {
        std::vector<int> seen(static_cast<std::size_t>(c.high - c.low + 1), 0);
        for (int i = 0; i < 2000; ++i) {
            const std::int16_t value = GameUtil::RandomInt(c.low, c.high);
            ASSERT_GE(value, c.low);
            ASSERT_LE(value, c.high);
            ++seen[static_cast<std::size_t>(value - c.low)];
            if (i % 7 == 0) {
                Advance(1);
            }
        }
        for (std::size_t v = 0; v < seen.size(); ++v) {
            EXPECT_GT(seen[v], 0) << "value " << c.low + static_cast<int>(v);
        }
    }
}

TEST(GameUtilTest, RandomIntDrawsIndependentlyWithinOneMillisecond)
{
    // Ghosts, rocks and flowers of one frame draw in the same millisecond: they must not all get
    // the same number, and each value should come up about equally often.
    GameUtil::SetRandomState(99);
    std::array<int, 4> seen{};
    int repeats = 0;
    std::int16_t previous = -1;
    for (int i = 0; i < 4000; ++i) {
        const std::int16_t value = GameUtil::RandomInt(0, 3);
        ++seen[static_cast<std::size_t>(value)];
        repeats += value == previous ? 1 : 0;
        previous = value;
    }
    for (const int count : seen) {
        EXPECT_GT(count, 800);
        EXPECT_LT(count, 1200);
    }
    EXPECT_LT(repeats, 1200); // about a quarter of the pairs repeat by chance
}

TEST(GameUtilTest, AFixedRandomStateRepeatsTheDraws)
{
    std::vector<std::int16_t> first;
    std::vector<std::int16_t> second;
    for (auto* draws : {&first, &second}) {
        GameUtil::SetRandomState(7);
        for (int i = 0; i < 20; ++i) {
            draws->push_back(GameUtil::RandomInt(0, 1000));
        }
    }
    EXPECT_EQ(first, second);
}

TEST(GameUtilTest, BlitTransparentGivesExactlyThePixelsOfTheMaskAlgorithm)
{
    std::mt19937 random(2024);
    const std::vector<platform::Color> palette = {
        platform::Rgb(0, 0, 0),       platform::Rgb(255, 255, 255), platform::Rgb(255, 0, 255),
        platform::Rgb(12, 200, 7),    platform::Rgb(255, 0, 0),     platform::Rgb(0, 0, 254),
        platform::Rgb(128, 128, 128),
    };
    const std::vector<platform::Color> bits = {0, 1};
    std::uniform_int_distribution<std::int32_t> size(1, 12);
    std::uniform_int_distribution<std::int32_t> blockSize(-1, 16);
    std::uniform_int_distribution<std::int32_t> place(-10, 26);
    std::uniform_int_distribution<std::int32_t> anyColour(0, 0xFFFFFF);
    for (int round = 0; round < 600; ++round) {
        // Mostly colour pictures on a colour window; now and then a monochrome side.
        const bool monoSource = round % 10 == 7;
        const bool monoDest = round % 10 == 9;
        const std::int32_t sw = size(random);
        const std::int32_t sh = size(random);
        platform::Bitmap source = RandomPicture(random, sw, sh, monoSource ? bits : palette);
        source.monochrome = monoSource;
        platform::Bitmap background = RandomPicture(random, 24, 20, monoDest ? bits : palette);
        background.monochrome = monoDest;
        platform::Color key = 0;
        switch (round % 5) {
        case 0:
            key = static_cast<platform::Color>(source.pixels[0]);
            break;
        case 1:
            key = palette[static_cast<std::size_t>(round / 5) % palette.size()];
            break;
        case 2:
            key = anyColour(random);
            break;
        case 3:
            key = -1;
            break; // a colour key read outside a picture
        default:
            key = static_cast<platform::Color>(source.pixels.back());
            break;
        }
        // Blocks are sometimes larger than the source, and lie partly outside the destination.
        const std::int32_t w = round % 3 == 0 ? sw : blockSize(random);
        const std::int32_t h = round % 3 == 0 ? sh : blockSize(random);
        const std::int32_t x = place(random);
        const std::int32_t y = place(random);
        const platform::Color text = anyColour(random);
        const platform::Color back = anyColour(random);

        const Hdc src = ContextOf(source);
        const Hdc expected = ContextOf(background);
        const Hdc actual = ContextOf(background);
        platform::SetBkColor(src, back);
        for (const Hdc dc : {expected, actual}) {
            platform::SetTextColor(dc, text);
            platform::SetBkColor(dc, back);
        }
        MaskBlit(expected, x, y, w, h, src, key);
        GameUtil::BlitTransparent(actual, x, y, w, h, src, 5, 5, key);
        ExpectSamePixels(expected, actual,
                         "round " + std::to_string(round) + " key " + std::to_string(key));
        EXPECT_EQ(platform::GetBkColor(src), back);
        EXPECT_EQ(platform::GetBkColor(actual), platform::GetBkColor(expected));
        for (Hdc dc : {src, expected, actual}) {
            GameUtil::DeleteDCImage(dc);
        }
    }
}

TEST(GameUtilTest, BlitTransparentOfAllKeyChangesNothingAndOfNoKeyCopiesEverything)
{
    const platform::Color key = platform::Rgb(255, 0, 255);
    const platform::Color paper = platform::Rgb(1, 2, 3);
    const platform::Color ink = platform::Rgb(9, 8, 7);
    Hdc allKey = ContextOf(testpictures::Filled(5, 5, key));
    Hdc noKey = ContextOf(testpictures::Filled(5, 5, ink));
    Hdc dest = ContextOf(testpictures::Filled(10, 10, paper));
    GameUtil::BlitTransparent(dest, 2, 2, 5, 5, allKey, 0, 0, key);
    for (std::int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(platform::GetPixel(dest, i, i), paper);
    }
    GameUtil::BlitTransparent(dest, 2, 2, 5, 5, noKey, 0, 0, key);
    EXPECT_EQ(platform::GetPixel(dest, 1, 1), paper);
    EXPECT_EQ(platform::GetPixel(dest, 2, 2), ink);
    EXPECT_EQ(platform::GetPixel(dest, 6, 6), ink);
    EXPECT_EQ(platform::GetPixel(dest, 7, 7), paper);
    for (Hdc* dc : {&allKey, &noKey, &dest}) {
        GameUtil::DeleteDCImage(*dc);
    }
}

TEST(GameUtilTest, BlitTransparentFromNoPictureDrawsNothingAndAllocatesNothing)
{
    const platform::Color paper = platform::Rgb(1, 2, 3);
    Hdc dest = ContextOf(testpictures::Filled(10, 10, paper));
    Hdc src = ContextOf(testpictures::Filled(6, 6, platform::Rgb(0, 0, 0)));
    Hdc gone = ContextOf(testpictures::Filled(6, 6, platform::Rgb(0, 0, 0)));
    Hdc stale = gone;
    GameUtil::DeleteDCImage(gone);
    {
        const allocations::Scope scope;
        GameUtil::BlitTransparent(dest, 0, 0, 6, 6, 0, 0, 0, paper);
        GameUtil::BlitTransparent(dest, 0, 0, 6, 6, stale, 0, 0, paper);
        for (std::int32_t i = 0; i < 10; ++i) {
            EXPECT_EQ(platform::GetPixel(dest, i, i), paper);
        }
        GameUtil::BlitTransparent(dest, 2, 2, 6, 6, src, 0, 0, paper);
        EXPECT_EQ(scope.Made(), 0u);
    }
    EXPECT_EQ(platform::GetPixel(dest, 2, 2), platform::Rgb(0, 0, 0));
    GameUtil::DeleteDCImage(dest);
    GameUtil::DeleteDCImage(src);
}

TEST(GameUtilTest, RectsIntersectTreatsRightAndBottomAsExclusive)
{
    struct Case {
        platform::Rect a, b;
        std::int32_t result;
        platform::Rect overlap;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {10, 0, 20, 10}, 0, {0, 0, 0, 0}},
        {{0, 0, 10, 10}, {0, 10, 10, 20}, 0, {0, 0, 0, 0}},
        {{0, 0, 10, 10}, {9, 9, 20, 20}, 1, {9, 9, 10, 10}},
        {{0, 0, 10, 10}, {2, 3, 4, 5}, 1, {2, 3, 4, 5}},
        {{0, 0, 0, 10}, {0, 0, 10, 10}, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        platform::Rect d{7, 7, 7, 7};
        EXPECT_EQ(GameUtil::RectsIntersect(c.a, c.b, d) != 0, c.result != 0);
        if (c.result != 0) {
            EXPECT_EQ(d.left, c.overlap.left);
            EXPECT_EQ(d.top, c.overlap.top);
            EXPECT_EQ(d.right, c.overlap.right);
            EXPECT_EQ(d.bottom, c.overlap.bottom);
        }
    }
}

TEST(GameUtilTest, CountVisibleCountsEveryElementFromIndexZero)
{
    std::vector<SpriteClass> sprites(5);
    EXPECT_EQ(GameUtil::CountVisible(sprites), 5);
    for (auto& sprite : sprites) {
        sprite.visible = false;
    }
    EXPECT_EQ(GameUtil::CountVisible(sprites), 0);
    sprites[0].visible = true;
    sprites[4].visible = true;
    EXPECT_EQ(GameUtil::CountVisible(sprites), 2);
    EXPECT_EQ(GameUtil::CountVisible({}), 0);
}

TEST(GameUtilTest, DeleteDCImageReleasesOnceAndClearsTheHandle)
{
    Hdc none = 0;
    EXPECT_EQ(GameUtil::DeleteDCImage(none), 1);
    EXPECT_EQ(none, 0);

    Hdc dc = ContextOf(testpictures::Filled(3, 3, platform::Rgb(4, 5, 6)));
    const Hdc copy = dc;
    EXPECT_NE(GameUtil::DeleteDCImage(dc), 0);
    EXPECT_EQ(dc, 0);
    EXPECT_EQ(platform::GetPixel(copy, 0, 0), platform::ClrInvalid);

    Hdc stale = copy;
    EXPECT_EQ(GameUtil::DeleteDCImage(stale), 0);
    EXPECT_EQ(stale, copy);
}

TEST(GameUtilTest, FontScaleStartsAtOne)
{
    EXPECT_EQ(GameUtil::gFontScale, 1.0);
}
