// Check boxes: clicks and Space toggle, Click follows each change, a held Space toggles once, and
// the graphical style shows Picture when clear and DownPicture when set.
#include "platform/CheckBox.h"

#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/Input.h"

namespace platform {
namespace {

using controltest::HostForm;
using controltest::RunFor;
using controltest::Trace;

Bitmap Solid(Color color)
{
    Bitmap picture(60, 60);
    std::fill(picture.pixels.begin(), picture.pixels.end(), static_cast<std::uint32_t>(color));
    return picture;
}

class CheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        MusicButton.Move(180, 270, 60, 60);
        MusicButton.Click = [this](std::int16_t) {
            trace.push_back("Click" + std::to_string(MusicButton.Value()));
        };
        host.Show();
    }

    HostForm host;
    CheckBox MusicButton{host};
    Trace trace;
};

TEST_F(CheckBoxTest, ClicksAndSpaceToggleAndClickFollowsEachChange)
{
    headless::After(10).Click(vbLeftButton, 210, 300);
    headless::After(20).Click(vbLeftButton, 210, 300);
    headless::After(30).Click(vbRightButton, 210, 300);
    headless::After(40).KeyPress(vbKeySpace);
    headless::After(50).KeyPress(vbKeyReturn); // Enter does not toggle a check box
    RunFor(60);
    EXPECT_EQ(trace, (Trace{"Click1", "Click0", "Click1"}));
    EXPECT_EQ(MusicButton.Value(), vbChecked);
}

TEST_F(CheckBoxTest, AHeldSpaceTogglesOnceWhenReleased)
{
    MusicButton.SetFocus();
    headless::After(10).KeyDown(vbKeySpace);
    headless::After(1500).KeyUp(vbKeySpace); // about thirty repeats in between
    RunFor(1400);
    EXPECT_TRUE(trace.empty());
    RunFor(200);
    EXPECT_EQ(trace, (Trace{"Click1"}));
}

TEST_F(CheckBoxTest, ValuesSetByCodeAreZeroOrOneAndRaiseClickWhenTheyChange)
{
    const struct {
        std::int16_t set;
        std::int16_t expected;
    } cases[] = {{1, 1}, {1, 1}, {0, 0}, {5, 1}, {-1, 1}, {0, 0}};
    for (const auto& c : cases) {
        MusicButton.SetValue(c.set);
        EXPECT_EQ(MusicButton.Value(), c.expected) << "set " << c.set;
    }
    EXPECT_EQ(trace, (Trace{"Click1", "Click0", "Click1", "Click0"}));
}

TEST_F(CheckBoxTest, TheGraphicalStyleShowsPictureWhenClearAndDownPictureWhenSet)
{
    const Color off = Rgb(200, 0, 0);
    const Color on = Rgb(0, 200, 0);
    MusicButton.SetStyle(ButtonStyle::Graphical);
    MusicButton.SetPicture(Solid(off));
    MusicButton.SetDownPicture(Solid(on));
    EXPECT_EQ(headless::ScreenPixel(210, 300), off);
    MusicButton.SetValue(vbChecked);
    EXPECT_EQ(headless::ScreenPixel(210, 300), on);
    EXPECT_EQ(headless::ScreenPixel(180 + 5, 300), Rgb(0, 0, 0)); // the selected frame as well
}

TEST_F(CheckBoxTest, TheStandardStyleDrawsACheckMarkInItsBox)
{
    MusicButton.SetCaption("Music");
    MusicButton.Move(20, 20, 120, 30);
    // The box: 18 pixels square, 4 in from the left, centred in the height.
    const auto darkPixels = [] {
        std::int32_t count = 0;
        for (std::int32_t y = 20 + 6 + 2; y < 20 + 6 + 16; ++y) {
            for (std::int32_t x = 20 + 4 + 2; x < 20 + 4 + 16; ++x) {
                count += headless::ScreenPixel(x, y) == Rgb(0, 0, 0) ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_EQ(darkPixels(), 0);
    MusicButton.SetValue(vbChecked);
    EXPECT_GT(darkPixels(), 20);
}

} // namespace
} // namespace platform
