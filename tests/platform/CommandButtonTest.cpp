// Command buttons: Click on a left-button release over the button, on Space or Enter released while
// it has the focus (once for a held key), the pressed look, and the picture centred on the face.
#include "platform/CommandButton.h"

#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/Input.h"

namespace platform {
namespace {

using controltest::HostForm;
using controltest::RunFor;

constexpr Color Face = Rgb(232, 232, 232);

class CommandButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        OKButton.Move(400, 500, 75, 75);
        OKButton.Click = [this](std::int16_t) { ++clicks; };
        host.Show();
    }

    HostForm host;
    CommandButton OKButton{host};
    std::int32_t clicks = 0;
};

TEST_F(CommandButtonTest, ALeftReleaseOverTheButtonClicks)
{
    headless::After(10).Click(vbLeftButton, 430, 530);
    headless::After(20).Click(vbRightButton, 430, 530);
    headless::After(30).MouseDown(vbLeftButton, 430, 530);
    headless::After(40).MouseUp(vbLeftButton, 300, 530); // released off the button
    headless::After(50).MouseDown(vbLeftButton, 430, 530);
    headless::After(60).MouseMove(300, 530);
    headless::After(70).MouseUp(vbLeftButton, 431, 531); // came back before the release
    RunFor(80);
    EXPECT_EQ(clicks, 2);
}

TEST_F(CommandButtonTest, SpaceAndEnterClickOnceWhenReleased)
{
    OKButton.SetFocus();
    headless::After(10).KeyPress(vbKeySpace);
    headless::After(20).KeyPress(vbKeyReturn);
    headless::After(30).KeyDown(vbKeyReturn);
    headless::After(1500).KeyUp(vbKeyReturn);
    RunFor(1400);
    EXPECT_EQ(clicks, 2);
    RunFor(200);
    EXPECT_EQ(clicks, 3);
}

TEST_F(CommandButtonTest, TheFaceLooksPressedWhileTheButtonIsHeldOverIt)
{
    OKButton.SetCaption("OK");
    EXPECT_EQ(headless::ScreenPixel(405, 570), Face);
    headless::After(10).MouseDown(vbLeftButton, 430, 530);
    RunFor(20);
    EXPECT_NE(headless::ScreenPixel(405, 570), Face);
    headless::After(10).MouseMove(300, 530);
    RunFor(20);
    EXPECT_EQ(headless::ScreenPixel(405, 570), Face);
    headless::After(10).MouseUp(vbLeftButton, 300, 530);
    RunFor(20);
    EXPECT_EQ(clicks, 0);
}

TEST_F(CommandButtonTest, APictureIsCentredOnTheFace)
{
    Bitmap picture(60, 60);
    std::fill(picture.pixels.begin(), picture.pixels.end(), Rgb(0, 128, 0));
    OKButton.SetStyle(ButtonStyle::Graphical);
    OKButton.SetPicture(picture);
    // 75 - 60 = 15 pixels to share: 7 left and above, 8 right and below.
    EXPECT_EQ(headless::ScreenPixel(400 + 6, 500 + 37), Face);
    EXPECT_EQ(headless::ScreenPixel(400 + 7, 500 + 37), Rgb(0, 128, 0));
    EXPECT_EQ(headless::ScreenPixel(400 + 66, 500 + 37), Rgb(0, 128, 0));
    EXPECT_EQ(headless::ScreenPixel(400 + 67, 500 + 37), Face);
}

} // namespace
} // namespace platform
