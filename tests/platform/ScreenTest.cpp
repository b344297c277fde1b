// The screen picture: full-size forms fill it, smaller forms are framed and centred, controls are
// composed over the back buffer without changing it, and the drawn close box closes its form.
#include <gtest/gtest.h>

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

} // namespace
} // namespace platform
