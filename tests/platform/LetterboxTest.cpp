// The screen picture in a window without a graphics card: scaled by one factor, centred between
// black bars, and the pointer mapped through exactly the rule used to draw.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/Letterbox.h"

namespace {

using platform::Bitmap;
using platform::Letterbox;
using platform::Point;
using platform::ScreenHeight;
using platform::ScreenWidth;

// Every pixel holds its own position, so a window pixel tells which picture pixel it shows.
Bitmap NumberedPicture(std::uint32_t salt)
{
    Bitmap picture(ScreenWidth, ScreenHeight);
    for (std::int32_t y = 0; y < ScreenHeight; ++y) {
        for (std::int32_t x = 0; x < ScreenWidth; ++x) {
            picture.Row(y)[x] = (static_cast<std::uint32_t>(y * ScreenWidth + x) + salt) & 0xFFFFFF;
        }
    }
    return picture;
}

TEST(LetterboxTest, EachWindowPixelShowsThePicturePixelThePointerMapsTo)
{
    const struct {
        std::int32_t width;
        std::int32_t height;
        platform::Rect picture;
    } cases[] = {
        {800, 600, {0, 0, 800, 600}},       {1024, 768, {0, 0, 1024, 768}},
        {1920, 1080, {240, 0, 1680, 1080}}, {1280, 1024, {0, 32, 1280, 992}},
        {640, 480, {0, 0, 640, 480}},       {1366, 768, {171, 0, 1195, 768}},
    };
    const Bitmap picture = NumberedPicture(0);
    for (const auto& c : cases) {
        const Letterbox box(c.width, c.height);
        const platform::Rect& rect = box.PictureRect();
        EXPECT_EQ(rect.left, c.picture.left);
        EXPECT_EQ(rect.top, c.picture.top);
        EXPECT_EQ(rect.right, c.picture.right);
        EXPECT_EQ(rect.bottom, c.picture.bottom);
        std::vector<std::uint32_t> window(static_cast<std::size_t>(c.width) * c.height, 0xABCDEF);
        box.Draw(picture, 0, ScreenHeight - 1, window.data(), c.width, false, true);
        std::int32_t wrong = 0;
        for (std::int32_t y = 0; y < c.height; ++y) {
            for (std::int32_t x = 0; x < c.width; ++x) {
                const bool inside =
                    x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
                const Point shown = box.ToPicture({x, y});
                const std::uint32_t expected =
                    inside ? static_cast<std::uint32_t>(shown.y * ScreenWidth + shown.x) : 0;
                wrong += window[static_cast<std::size_t>(y) * c.width + x] != expected ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << c.width << " x " << c.height;
        // A pointer sent to a picture pixel lands where that pixel is drawn (every pixel is drawn
        // when the picture is not made smaller).
        if (rect.right - rect.left >= ScreenWidth) {
            for (const Point p : {Point{0, 0}, Point{799, 599}, Point{123, 456}, Point{400, 300}}) {
                EXPECT_EQ(box.ToPicture(box.ToWindow(p)), p) << c.width << " x " << c.height;
            }
        }
    }
}

TEST(LetterboxTest, ChangedRowsRedrawOnlyTheirWindowRowsWithRedAndBlueSwappedWhenAsked)
{
    const Letterbox box(1024, 768);
    const Bitmap before = NumberedPicture(0);
    Bitmap after = before;
    for (std::int32_t y = 100; y < 200; ++y) {
        for (std::int32_t x = 0; x < ScreenWidth; ++x) {
            after.Row(y)[x] = 0x00112233;
        }
    }
    std::vector<std::uint32_t> partial(1024 * 768);
    std::vector<std::uint32_t> whole(1024 * 768);
    box.Draw(before, 0, ScreenHeight - 1, partial.data(), 1024, true, true);
    const platform::Rect rows = box.Draw(after, 100, 199, partial.data(), 1024, true, false);
    box.Draw(after, 0, ScreenHeight - 1, whole.data(), 1024, true, true);
    EXPECT_EQ(partial, whole);
    EXPECT_EQ(rows.top, 128); // picture row 100 at 1.28 times
    EXPECT_EQ(rows.bottom, 256);
    EXPECT_EQ(whole[150 * 1024 + 10], 0x00332211u);
}

} // namespace
