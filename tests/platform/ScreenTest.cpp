// The screen picture: full-size forms fill it, smaller forms are framed and centred, controls are
// composed over the back buffer without changing it, and the drawn close box closes its form.
// Presents hand over only the bands of rows that changed, in the window's pixel order.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/Control.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Gdi.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Screenshot.h"

namespace platform {
namespace {

constexpr Color White = Rgb(255, 255, 255);
constexpr Color Blue = Rgb(57, 158, 255);
constexpr Color Red = Rgb(255, 0, 0);

class Swatch : public Control {
public:
    using Control::Control;

protected:
    void OnPaint(Hdc dc, std::int32_t x, std::int32_t y) override
    {
        FillBox(dc, x, y, x + Width() - 1, y + Height() - 1, Red); // corners included
    }
};

class ClosingForm : public Form {
public:
    std::int16_t lastUnloadMode = -1;

protected:
    void Form_QueryUnload(std::int16_t&, std::int16_t unloadMode) override
    {
        lastUnloadMode = unloadMode;
    }
};

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override { headless::Install(); }
};

TEST_F(ScreenTest, AFullSizeFormFillsTheScreenWithItsBackBuffer)
{
    Form game;
    game.Show();
    game.SetBackColor(White);
    SetPixel(game.hDC(), 0, 0, Red);
    SetPixel(game.hDC(), 799, 599, Blue);
    EXPECT_EQ(headless::ScreenPixel(0, 0), Red);
    EXPECT_EQ(headless::ScreenPixel(799, 599), Blue);
    EXPECT_EQ(headless::ScreenPixel(400, 300), White);
    EXPECT_EQ(headless::ScreenPixel(800, 0), ClrInvalid);
    game.Hide();
    EXPECT_NE(headless::ScreenPixel(400, 300), White); // nothing shown: the bare screen
    game.Unload();
}

TEST_F(ScreenTest, ASmallerFormIsFramedWithACaptionBarAndItsClientAreaExactlyItsSize)
{
    Form game;
    game.SetBackColor(White);
    game.Show();
    ClosingForm dialog;
    dialog.SetClientSize(340, 420);
    dialog.SetBackColor(Blue);
    dialog.SetCaption("Vandrel");
    dialog.Show(ShowMode::Modeless, &game);
    Point origin{0, 0};
    ASSERT_TRUE(ClientToScreen(dialog, &origin));
    // (x, y, expected colour or ClrInvalid for "neither game nor client")
    const struct {
        std::int32_t x;
        std::int32_t y;
        Color color;
    } probes[] = {
        {origin.x, origin.y, Blue},
        {origin.x + 339, origin.y + 419, Blue},
        {origin.x - 1, origin.y, ClrInvalid},         // frame
        {origin.x + 340, origin.y + 419, ClrInvalid}, // frame
        {origin.x + 10, origin.y - 5, ClrInvalid},    // caption bar
        {origin.x, origin.y + 420, ClrInvalid},       // frame
        {dialog.Left() - 1, dialog.Top(), White},     // the game beside it
        {origin.x, origin.y + 420 + FrameWidth, White},
    };
    for (const auto& probe : probes) {
        const Color pixel = headless::ScreenPixel(probe.x, probe.y);
        if (probe.color == ClrInvalid) {
            EXPECT_NE(pixel, White) << probe.x << "," << probe.y;
            EXPECT_NE(pixel, Blue) << probe.x << "," << probe.y;
        } else {
            EXPECT_EQ(pixel, probe.color) << probe.x << "," << probe.y;
        }
    }
    dialog.Unload();
    game.Unload();
}

TEST_F(ScreenTest, ControlsAreComposedOverTheBackBufferWithoutChangingIt)
{
    Form dialog;
    dialog.SetClientSize(340, 180);
    dialog.SetBackColor(Blue);
    Swatch swatch(dialog);
    swatch.Move(20, 20, 60, 60);
    dialog.Show();
    Point origin{0, 0};
    ClientToScreen(dialog, &origin);
    EXPECT_EQ(headless::ScreenPixel(origin.x + 20, origin.y + 20), Red);
    EXPECT_EQ(headless::ScreenPixel(origin.x + 79, origin.y + 79), Red);
    EXPECT_EQ(headless::ScreenPixel(origin.x + 80, origin.y + 80), Blue);
    EXPECT_EQ(GetPixel(dialog.hDC(), 20, 20), Blue);
    dialog.Cls(); // clearing the form leaves the control in place
    EXPECT_EQ(headless::ScreenPixel(origin.x + 30, origin.y + 30), Red);
    swatch.SetVisible(false);
    EXPECT_EQ(headless::ScreenPixel(origin.x + 30, origin.y + 30), Blue);
    dialog.Unload();
}

TEST_F(ScreenTest, TheDrawnCloseBoxClosesItsFormAsTheCloseBox)
{
    ClosingForm dialog;
    dialog.SetClientSize(300, 200);
    dialog.Show();
    // The close box sits at the right end of the caption bar.
    const std::int32_t x = dialog.Left() + dialog.Width() - FrameWidth - 10;
    const std::int32_t y = dialog.Top() + FrameWidth + CaptionHeight / 2;
    headless::After(5).Click(vbLeftButton, x - 100, y); // the caption bar elsewhere does nothing
    headless::After(10).Click(vbLeftButton, x, y);
    dialog.Show(ShowMode::Modal);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(dialog.lastUnloadMode, vbFormControlMenu);
}

TEST_F(ScreenTest, TheActiveWindowsPictureIsItsClientAreaAsShownWithControls)
{
    EXPECT_FALSE(CaptureActiveWindow().has_value());
    Form game;
    game.SetBackColor(White);
    game.Show();
    Form dialog;
    dialog.SetClientSize(100, 50);
    dialog.SetBackColor(Blue);
    Swatch swatch(dialog);
    swatch.Move(0, 0, 10, 10);
    dialog.Show(ShowMode::Modeless, &game);
    const auto picture = CaptureActiveWindow();
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 100);
    EXPECT_EQ(picture->height, 50);
    EXPECT_EQ(static_cast<Color>(picture->Row(0)[0]), Red);
    EXPECT_EQ(static_cast<Color>(picture->Row(49)[99]), Blue);
    dialog.Unload();
    const auto whole = CaptureActiveWindow();
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->width, 800);
    game.Unload();
}

// Rows fewer than 8 apart go as one band, so a present never sends a long list of thin ones.
TEST_F(ScreenTest, APresentHandsOverTheBandsOfRowsThatChangedInTheWindowsPixelOrder)
{
    const struct {
        const char* name;
        std::vector<std::int32_t> rows; // rows given a new colour at x 400
        std::vector<std::pair<std::int32_t, std::int32_t>> bands; // top, bottom (exclusive)
    } cases[] = {
        {"nothing changed", {}, {}},
        {"one row", {10}, {{10, 11}}},
        {"rows far apart", {10, 300}, {{10, 11}, {300, 301}}},
        {"seven rows between: one band", {10, 18}, {{10, 19}}},
        {"eight rows between: two bands", {10, 19}, {{10, 11}, {19, 20}}},
        {"first and last row", {0, 599}, {{0, 1}, {599, 600}}},
    };
    Form game;
    game.SetBackColor(White);
    game.Show();
    game.Refresh();
    ASSERT_EQ(headless::PresentedBands().size(), 1U);
    EXPECT_EQ(headless::PresentedBands()[0].top, 0);
    EXPECT_EQ(headless::PresentedBands()[0].bottom, 600);
    int shade = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ++shade;
        const Color color = Rgb(shade, 2 * shade, 100 + shade);
        for (const std::int32_t row : c.rows) {
            SetPixel(game.hDC(), 400, row, color);
        }
        game.Refresh();
        std::vector<std::pair<std::int32_t, std::int32_t>> bands;
        for (const Rect& band : headless::PresentedBands()) {
            EXPECT_EQ(band.left, 0);
            EXPECT_EQ(band.right, 800);
            bands.emplace_back(band.top, band.bottom);
        }
        EXPECT_EQ(bands, c.bands);
        for (const std::int32_t row : c.rows) {
            EXPECT_EQ(headless::PresentedPixel(400, row), color);
        }
    }
    game.Unload();
}

// With a framed form and controls over a full-size form, or a full-size form alone, the picture
// presented is the screen picture, pixel for pixel.
TEST_F(ScreenTest, ThePresentedPictureIsTheScreenPictureWhateverShowsOnIt)
{
    Form game;
    game.SetBackColor(Rgb(10, 20, 30));
    game.Show();
    SetPixel(game.hDC(), 5, 7, Rgb(200, 100, 50));
    Form dialog;
    dialog.SetClientSize(200, 100);
    dialog.SetBackColor(Blue);
    dialog.SetCaption("Vandrel");
    Swatch swatch(dialog);
    swatch.Move(10, 10, 20, 20);
    for (const bool withDialog : {true, false}) {
        SCOPED_TRACE(withDialog ? "framed form with a control" : "full-size form alone");
        if (withDialog) {
            dialog.Show(ShowMode::Modeless, &game);
        } else {
            dialog.Hide();
        }
        game.Refresh();
        const Bitmap& screen = headless::Screen();
        std::int32_t differing = 0;
        for (std::int32_t y = 0; y < screen.height; ++y) {
            for (std::int32_t x = 0; x < screen.width; ++x) {
                differing += headless::PresentedPixel(x, y) != static_cast<Color>(screen.Row(y)[x]);
            }
        }
        EXPECT_EQ(differing, 0);
        EXPECT_EQ(headless::PresentedPixel(5, 7), Rgb(200, 100, 50));
    }
    dialog.Unload();
    game.Unload();
}

} // namespace
} // namespace platform
