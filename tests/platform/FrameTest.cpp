// Frames: their contents move, hide and disable with them, and the border runs through the middle
// of the caption line unless the frame has none.
#include "platform/Frame.h"

#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/CommandButton.h"
#include "platform/Input.h"

namespace platform {
namespace {

using controltest::HostForm;
using controltest::RunFor;

constexpr Color Blue = Rgb(57, 158, 255);
constexpr Color Edge = Rgb(64, 64, 64);

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        backgrounds.Move(0, 274, 340, 60);
        backgrounds.SetBackColor(Blue);
        inside.SetContainer(&backgrounds);
        inside.Move(20, 0, 60, 60);
        inside.Click = [this](std::int16_t) { ++clicks; };
        host.Show();
    }

    HostForm host;
    Frame backgrounds{host};
    CommandButton inside{host};
    std::int32_t clicks = 0;
};

TEST_F(FrameTest, ContentsLieInTheFrameAndHideAndDisableWithIt)
{
    EXPECT_EQ(inside.ClientRect().left, 20);
    EXPECT_EQ(inside.ClientRect().top, 274);
    headless::After(10).Click(vbLeftButton, 50, 300);
    RunFor(20);
    EXPECT_EQ(clicks, 1);
    backgrounds.SetEnabled(false);
    headless::After(10).Click(vbLeftButton, 50, 300);
    RunFor(20);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(inside.HasFocus());
    backgrounds.SetEnabled(true);
    backgrounds.SetVisible(false);
    EXPECT_FALSE(inside.IsShown());
    EXPECT_EQ(headless::ScreenPixel(50, 300), host.BackColor());
}

TEST_F(FrameTest, TheBorderRunsThroughTheCaptionLineUnlessTheFrameHasNone)
{
    // Without a caption the border's top is at the frame's top.
    EXPECT_EQ(headless::ScreenPixel(200, 274), Edge);
    EXPECT_EQ(headless::ScreenPixel(200, 275), Blue);
    EXPECT_EQ(headless::ScreenPixel(339, 300), Edge);
    backgrounds.SetCaption("Background");
    EXPECT_EQ(headless::ScreenPixel(200, 274), Blue);
    EXPECT_EQ(headless::ScreenPixel(0, 300), Edge);
    backgrounds.SetBorderStyle(BorderStyle::None);
    EXPECT_EQ(headless::ScreenPixel(0, 300), Blue);
    EXPECT_EQ(headless::ScreenPixel(339, 300), Blue);
}

} // namespace
} // namespace platform
