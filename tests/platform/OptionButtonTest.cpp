// Option buttons: one selected per group (the form's own buttons and each frame's), the order of
// the mouse events and Click, the arrow keys within a group, and the selected state on screen.
#include "platform/OptionButton.h"

#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/Frame.h"
#include "platform/Input.h"

namespace platform {
namespace {

using controltest::HostForm;
using controltest::RunFor;
using controltest::Trace;

constexpr Color Blue = Rgb(57, 158, 255);
constexpr Color Green = Rgb(0, 200, 0);
constexpr std::int32_t FrameTop = 274;

Bitmap Solid(Color color)
{
    Bitmap picture(60, 60);
    std::fill(picture.pixels.begin(), picture.pixels.end(), static_cast<std::uint32_t>(color));
    return picture;
}

// Laid out as an options dialog lays out its mode buttons and its frame of backgrounds.
class OptionButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        host.SetBackColor(Blue);
        for (std::int16_t i = 0; i < 2; ++i) {
            Place(modeOption[i], i, 20 + 80 * i, 20);
        }
        backgrounds.Move(0, FrameTop, 340, 60);
        backgrounds.SetBorderStyle(BorderStyle::None);
        backgrounds.SetBackColor(Blue);
        for (std::int16_t i = 0; i < 4; ++i) {
            Place(Background[i], i, 20 + 80 * i, 0);
            Background[i].SetContainer(&backgrounds);
            Background[i].MouseDown = [this](std::int16_t index, std::int16_t button, std::int16_t,
                                             float, float) { Record("MouseDown", index, button); };
            Background[i].MouseUp = [this](std::int16_t index, std::int16_t button, std::int16_t,
                                           float, float) { Record("MouseUp", index, button); };
            Background[i].Click = [this](std::int16_t index) { Record("Click", index, 0); };
        }
        host.Show();
    }

    void Place(OptionButton& option, std::int16_t index, std::int32_t left, std::int32_t top)
    {
        option.SetIndex(index);
        option.SetStyle(ButtonStyle::Graphical);
        option.SetPicture(Solid(Green));
        option.Move(left, top, 60, 60);
    }

    // Each event with the index, the button and which background is selected at that moment.
    void Record(const char* what, std::int16_t index, std::int16_t button)
    {
        std::string selected = "-";
        for (std::int16_t i = 0; i < 4; ++i) {
            if (Background[i].Value()) {
                selected = std::to_string(i);
            }
        }
        trace.push_back(what + std::to_string(index) + "/" + std::to_string(button) + " sel " +
                        selected);
    }

    HostForm host;
    OptionButton modeOption[2] = {OptionButton(host), OptionButton(host)};
    Frame backgrounds{host};
    OptionButton Background[4] = {OptionButton(host), OptionButton(host), OptionButton(host),
                                  OptionButton(host)};
    Trace trace;
};

TEST_F(OptionButtonTest, SelectingAButtonClearsTheOthersOfItsGroupOnly)
{
    modeOption[0].SetValue(true);
    Background[3].SetValue(true);
    headless::After(10).Click(vbLeftButton, 100 + 30, FrameTop + 30); // Background(1)
    RunFor(20);
    EXPECT_TRUE(modeOption[0].Value());
    EXPECT_TRUE(Background[1].Value());
    EXPECT_FALSE(Background[3].Value());

    headless::After(10).Click(vbLeftButton, 100 + 30, 20 + 30); // modeOption(1)
    RunFor(20);
    EXPECT_FALSE(modeOption[0].Value());
    EXPECT_TRUE(modeOption[1].Value());
    EXPECT_TRUE(Background[1].Value());
}

TEST_F(OptionButtonTest, AClickSelectsBeforeMouseUpAndClickAndOtherButtonsDoNotSelect)
{
    Background[3].SetValue(true);
    trace.clear();
    headless::After(10).Click(vbLeftButton, 180 + 30, FrameTop + 30);  // Background(2)
    headless::After(20).Click(vbLeftButton, 180 + 30, FrameTop + 30);  // again, selected already
    headless::After(30).Click(vbRightButton, 260 + 30, FrameTop + 30); // Background(3), right
    // Released outside the button: no selection, no Click.
    headless::After(40).MouseDown(vbLeftButton, 20 + 30, FrameTop + 30);
    headless::After(50).MouseUp(vbLeftButton, 20 + 30, FrameTop + 90);
    RunFor(60);
    EXPECT_EQ(trace, (Trace{"MouseDown2/1 sel 3", "MouseUp2/1 sel 2", "Click2/0 sel 2",
                            "MouseDown2/1 sel 2", "MouseUp2/1 sel 2", "Click2/0 sel 2",
                            "MouseDown3/2 sel 2", "MouseUp3/2 sel 2", "MouseDown0/1 sel 2",
                            "MouseUp0/1 sel 2"}));
}

TEST_F(OptionButtonTest, ArrowKeysMoveFocusAndSelectionWithinTheGroupOnly)
{
    modeOption[1].SetValue(true);
    Background[1].SetValue(true);
    Background[1].SetFocus();
    trace.clear();
    const std::int16_t keys[] = {vbKeyRight, vbKeyDown, vbKeyRight, vbKeyLeft, vbKeyUp};
    std::int64_t at = 10;
    for (const std::int16_t key : keys) {
        headless::After(at).KeyPress(key);
        at += 10;
    }
    RunFor(at);
    // 1 -> 2 -> 3 -> 0 (wrapping) -> 3 -> 2; no mouse events, so a handler that opens a window on
    // MouseUp stays closed.
    EXPECT_EQ(trace, (Trace{"Click2/0 sel 2", "Click3/0 sel 3", "Click0/0 sel 0", "Click3/0 sel 3",
                            "Click2/0 sel 2"}));
    EXPECT_TRUE(Background[2].HasFocus());
    EXPECT_TRUE(modeOption[1].Value());

    // Hidden and disabled buttons are passed over.
    Background[3].SetVisible(false);
    Background[0].SetEnabled(false);
    trace.clear();
    headless::After(10).KeyPress(vbKeyRight);
    RunFor(20);
    EXPECT_EQ(trace, (Trace{"Click1/0 sel 1"}));
}

TEST_F(OptionButtonTest, SpaceSelectsTheFocusedButton)
{
    Background[0].SetValue(true);
    Background[2].SetFocus();
    trace.clear();
    headless::After(10).KeyPress(vbKeySpace);
    RunFor(20);
    EXPECT_TRUE(Background[2].Value());
    EXPECT_FALSE(Background[0].Value());
    EXPECT_EQ(trace, (Trace{"Click2/0 sel 2"}));
}

TEST_F(OptionButtonTest, SettingValueByCodeRaisesClickOnlyWhenItSelects)
{
    Background[1].SetValue(true);
    Background[1].SetValue(true);
    Background[1].SetValue(false);
    Background[2].SetValue(true);
    EXPECT_EQ(trace, (Trace{"Click1/0 sel 1", "Click2/0 sel 2"}));
}

TEST_F(OptionButtonTest, TheSelectedStateAndTheFocusShowWithoutADownPicture)
{
    Background[1].SetValue(true);
    modeOption[0].SetFocus();
    const std::int32_t y = FrameTop + 30;
    // Selected: inside the 3-pixel band kept for the focus ring, 2 pixels white, 2 pixels black.
    EXPECT_EQ(headless::ScreenPixel(100 + 3, y), Rgb(255, 255, 255));
    EXPECT_EQ(headless::ScreenPixel(100 + 5, y), Rgb(0, 0, 0));
    EXPECT_EQ(headless::ScreenPixel(100 + 7, y), Green);
    // Not selected: the picture up to the 1-pixel edge.
    EXPECT_EQ(headless::ScreenPixel(180 + 3, y), Green);
    EXPECT_EQ(headless::ScreenPixel(180 + 5, y), Green);
    // The focused button: a black line, then amber, around it.
    EXPECT_EQ(headless::ScreenPixel(20, 50), Rgb(0, 0, 0));
    EXPECT_EQ(headless::ScreenPixel(21, 50), Rgb(255, 190, 0));
    EXPECT_EQ(headless::ScreenPixel(100 + 1, 50), Green);
}

TEST_F(OptionButtonTest, CaptionedButtonsShowTheirDotOnTheirBackColour)
{
    Frame numGhostsFrame{host};
    numGhostsFrame.Move(100, 180, 180, 60);
    numGhostsFrame.SetBackColor(Blue);
    OptionButton NumGhosts[2] = {OptionButton(host), OptionButton(host)};
    const char* captions[] = {"0", "MAX"};
    for (std::int16_t i = 0; i < 2; ++i) {
        NumGhosts[i].SetContainer(&numGhostsFrame);
        NumGhosts[i].SetCaption(captions[i]);
        NumGhosts[i].SetFont(FontSpec{"Comic Sans MS", 12.0, true});
        NumGhosts[i].SetBackColor(Blue);
        NumGhosts[i].Move(8 + 40 * i, 20, i == 0 ? 41 : 73, 30);
    }
    NumGhosts[1].SetValue(true);
    // Each circle is 18 pixels across, 4 pixels in from the left and centred in the height: its
    // centre lies 13 pixels right of and 15 below the button's corner.
    const std::int32_t top = 180 + 20;
    EXPECT_EQ(headless::ScreenPixel(100 + 8 + 13, top + 15), Rgb(255, 255, 255));
    EXPECT_EQ(headless::ScreenPixel(100 + 48 + 13, top + 15), Rgb(0, 0, 0));
    EXPECT_EQ(headless::ScreenPixel(100 + 48 + 1, top + 1), Blue);
    headless::After(10).Click(vbLeftButton, 100 + 8 + 13, top + 15);
    RunFor(20);
    EXPECT_TRUE(NumGhosts[0].Value());
    EXPECT_FALSE(NumGhosts[1].Value());
    EXPECT_EQ(headless::ScreenPixel(100 + 8 + 13, top + 15), Rgb(0, 0, 0));
}

} // namespace
} // namespace platform
