// Picture boxes: drawing into the box shows at its place on the form, the picture lies under the
// drawing, a border takes a pixel on each side, and a missing picture file leaves no picture.
#include "platform/PictureBox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "ControlHost.h"
#include "platform/Input.h"
#include "platform/Picture.h"

namespace platform {
namespace {

using controltest::HostForm;
using controltest::RunFor;

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        ColorPic.Move(20, 20, 300, 73);
        host.Show();
    }

    HostForm host;
    PictureBox ColorPic{host};
};

TEST_F(PictureBoxTest, WhatCodeDrawsShowsAtTheBoxsPlaceAndStaysWhenItGrows)
{
    ColorPic.SetBackColor(Rgb(0, 130, 255));
    ColorPic.Line(10, 10, 20, 20, Rgb(255, 0, 0), true, true);
    EXPECT_EQ(headless::ScreenPixel(20 + 15, 20 + 15), Rgb(255, 0, 0));
    EXPECT_EQ(headless::ScreenPixel(20 + 5, 20 + 5), Rgb(0, 130, 255));
    EXPECT_EQ(headless::ScreenPixel(20 + 300, 20 + 5), host.BackColor());
    ColorPic.SetWidth(400);
    EXPECT_EQ(ColorPic.ScaleWidth(), 400);
    EXPECT_EQ(headless::ScreenPixel(20 + 15, 20 + 15), Rgb(255, 0, 0));
    EXPECT_EQ(headless::ScreenPixel(20 + 350, 20 + 5), Rgb(0, 130, 255));
}

TEST_F(PictureBoxTest, ThePictureLiesUnderTheDrawingAndComesBackWithCls)
{
    const auto file = std::filesystem::temp_directory_path() /
                      ("vandrel-picturebox-" + std::to_string(::getpid()) + ".bmp");
    Bitmap speed(60, 60);
    std::fill(speed.pixels.begin(), speed.pixels.end(), Rgb(250, 200, 0));
    ASSERT_TRUE(SaveBitmapFile(speed, file.string()));
    ColorPic.Move(20, 20, 60, 60);
    ASSERT_TRUE(ColorPic.SetPictureFile(file.string()));
    std::filesystem::remove(file);
    EXPECT_EQ(headless::ScreenPixel(50, 50), Rgb(250, 200, 0));
    ColorPic.Line(0, 30, 59, 30, Rgb(0, 0, 0));
    EXPECT_EQ(headless::ScreenPixel(50, 50), Rgb(0, 0, 0));
    ColorPic.Cls();
    EXPECT_EQ(headless::ScreenPixel(50, 50), Rgb(250, 200, 0));
    ColorPic.SetBackColor(Rgb(1, 2, 3));
    EXPECT_EQ(headless::ScreenPixel(50, 50), Rgb(250, 200, 0));

    EXPECT_FALSE(ColorPic.SetPictureFile("Gfx\\NoSuchPicture.gif"));
    EXPECT_FALSE(ColorPic.Picture().has_value());
    ColorPic.Cls();
    EXPECT_EQ(headless::ScreenPixel(50, 50), Rgb(1, 2, 3));
}

TEST_F(PictureBoxTest, ABorderTakesAPixelOnEachSideOfTheDrawingArea)
{
    ColorPic.SetBorderStyle(BorderStyle::FixedSingle);
    ColorPic.SetBackColor(Rgb(255, 255, 255));
    EXPECT_EQ(ColorPic.ScaleWidth(), 298);
    EXPECT_EQ(ColorPic.ScaleHeight(), 71);
    ColorPic.Line(0, 0, 0, 0, Rgb(255, 0, 0));
    EXPECT_EQ(headless::ScreenPixel(20, 20), Rgb(64, 64, 64));
    EXPECT_EQ(headless::ScreenPixel(21, 21), Rgb(255, 0, 0));
}

TEST_F(PictureBoxTest, ClicksReachTheBoxWithItsOwnCoordinates)
{
    std::string seen;
    ColorPic.MouseDown = [&](std::int16_t, std::int16_t button, std::int16_t, float x, float y) {
        seen += "down" + std::to_string(button) + "@" + std::to_string(static_cast<int>(x)) + "," +
                std::to_string(static_cast<int>(y)) + " ";
    };
    ColorPic.Click = [&](std::int16_t) { seen += "click"; };
    headless::After(10).Click(vbLeftButton, 25, 30);
    RunFor(20);
    EXPECT_EQ(seen, "down1@5,10 click");
    EXPECT_FALSE(ColorPic.HasFocus());
}

} // namespace
} // namespace platform
