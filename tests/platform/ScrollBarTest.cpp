// Scroll bars: values clamped to the range, arrows, track and thumb with the mouse, the held
// arrow's repeat, the keys of a focused bar, and Change and Scroll in their order.
#include "platform/ScrollBar.h"

#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/Input.h"

namespace platform {
namespace {

using controltest::HostForm;
using controltest::RunFor;
using controltest::Trace;

// A bar as the options dialogs place theirs: 220 x 25 at (100, 100); its arrows are 25 pixels
// long, its track 170, and with LargeChange small against the range its thumb is a 25-pixel
// square, which leaves 145 pixels of travel.
constexpr std::int32_t BarLeft = 100;
constexpr std::int32_t BarMiddle = 112;

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        host.Show();
        bar.Move(BarLeft, 100, 220, 25);
        bar.SetMin(20);
        bar.SetMax(300);
        bar.Change = [this](std::int16_t) {
            trace.push_back("Change" + std::to_string(bar.Value()));
        };
        bar.Scroll = [this](std::int16_t) {
            trace.push_back("Scroll" + std::to_string(bar.Value()));
        };
    }

    HostForm host;
    HScrollBar bar{host};
    Trace trace;
};

TEST_F(ScrollBarTest, ValuesAreClampedToTheRangeWhicheverEndIsLarger)
{
    const struct {
        std::int16_t min;
        std::int16_t max;
        std::int16_t set;
        std::int16_t expected;
    } cases[] = {
        {20, 300, 150, 150}, {20, 300, 10, 20}, {20, 300, 301, 300}, {0, 255, -1, 0},
        {0, 255, 255, 255},  {300, 20, 10, 20}, {300, 20, 400, 300}, {300, 20, 100, 100},
    };
    for (const auto& c : cases) {
        bar.SetMin(c.min);
        bar.SetMax(c.max);
        bar.SetValue(c.set);
        EXPECT_EQ(bar.Value(), c.expected) << c.min << ".." << c.max << " set " << c.set;
    }
}

TEST_F(ScrollBarTest, ChangeFollowsEveryChangeOfTheValueByCodeAlsoWhenTheRangeShrinks)
{
    bar.SetValue(250);
    bar.SetValue(250);
    bar.SetMax(200);
    bar.SetMax(300);
    bar.SetMin(250);
    EXPECT_EQ(trace, (Trace{"Change250", "Change200", "Change250"}));
}

TEST_F(ScrollBarTest, ArrowsStepBySmallChangeAndTheTrackByLargeChange)
{
    bar.SetSmallChange(1);
    bar.SetLargeChange(10);
    bar.SetValue(100); // thumb at 25 + (100 - 20) / 280 * 145, rounded: 66
    trace.clear();
    headless::After(10).Click(vbLeftButton, BarLeft + 10, BarMiddle);  // left arrow
    headless::After(20).Click(vbLeftButton, BarLeft + 210, BarMiddle); // right arrow
    headless::After(30).Click(vbLeftButton, BarLeft + 40, BarMiddle);  // track left of the thumb
    headless::After(40).Click(vbLeftButton, BarLeft + 150, BarMiddle); // track right of it
    headless::After(50).Click(vbRightButton, BarLeft + 10, BarMiddle); // other buttons do nothing
    RunFor(60);
    EXPECT_EQ(trace, (Trace{"Change99", "Change100", "Change90", "Change100"}));
}

TEST_F(ScrollBarTest, DraggingTheThumbRaisesScrollAtEachNewValueAndChangeOnRelease)
{
    // The thumb starts at 25 (the value is Min); 29 pixels of its 145 of travel are a fifth of the
    // range: 20 + 280 / 5 = 76.
    headless::After(10).MouseDown(vbLeftButton, BarLeft + 37, BarMiddle);
    headless::After(20).MouseMove(BarLeft + 37 + 29, BarMiddle);
    headless::After(30).MouseMove(BarLeft + 37 + 29, BarMiddle + 40); // off the bar: still dragging
    headless::After(40).MouseMove(BarLeft + 37 + 145, BarMiddle);
    headless::After(50).MouseMove(BarLeft + 37 + 400, BarMiddle);
    headless::After(60).MouseUp(vbLeftButton, BarLeft + 37 + 400, BarMiddle);
    RunFor(70);
    EXPECT_EQ(trace, (Trace{"Scroll76", "Scroll300", "Change300"}));
}

TEST_F(ScrollBarTest, AHeldArrowRepeatsAfterADelayUntilReleasedOrTheEndIsReached)
{
    bar.SetSmallChange(1);
    bar.SetValue(100);
    trace.clear();
    // Steps at the press, after 400 ms, then every 50 ms: at 10, 410, 460 and 510.
    headless::After(10).MouseDown(vbLeftButton, BarLeft + 210, BarMiddle);
    headless::After(530).MouseUp(vbLeftButton, BarLeft + 210, BarMiddle);
    RunFor(1000);
    EXPECT_EQ(bar.Value(), 104);
    EXPECT_EQ(trace.size(), 4u);

    bar.SetValue(298);
    trace.clear();
    headless::After(10).MouseDown(vbLeftButton, BarLeft + 210, BarMiddle);
    headless::After(1000).MouseUp(vbLeftButton, BarLeft + 210, BarMiddle);
    RunFor(1100);
    EXPECT_EQ(trace, (Trace{"Change299", "Change300"}));
}

TEST_F(ScrollBarTest, KeysMoveTheFocusedBarAndAKeyDownHandlerCanStopThem)
{
    bar.SetSmallChange(5);
    bar.SetLargeChange(50);
    bar.SetValue(100);
    bar.SetFocus();
    trace.clear();
    bar.KeyDown = [](std::int16_t, std::int16_t& keyCode, std::int16_t) {
        if (keyCode == vbKeyEscape || keyCode == vbKeyA) {
            keyCode = 0; // handled here: Esc would cancel a dialog
        }
    };
    const std::int16_t keys[] = {vbKeyRight, vbKeyLeft,     vbKeyLeft,   vbKeyDown,
                                 vbKeyUp,    vbKeyPageDown, vbKeyPageUp, vbKeyEnd,
                                 vbKeyRight, vbKeyHome,     vbKeyLeft,   vbKeyEscape};
    std::int64_t at = 10;
    for (const std::int16_t key : keys) {
        headless::After(at).KeyPress(key);
        at += 10;
    }
    RunFor(at);
    EXPECT_EQ(trace, (Trace{"Change105", "Change100", "Change95", "Change100", "Change95",
                            "Change145", "Change95", "Change300", "Change20"}));
}

TEST_F(ScrollBarTest, ABarThatRunsBackwardsStillMovesTowardsMaxToTheRight)
{
    bar.SetMin(300);
    bar.SetMax(20);
    bar.SetValue(300); // at Min: the thumb is at the left end
    trace.clear();
    headless::After(10).Click(vbLeftButton, BarLeft + 210, BarMiddle);
    headless::After(20).Click(vbLeftButton, BarLeft + 150, BarMiddle);
    RunFor(30);
    EXPECT_EQ(trace, (Trace{"Change299", "Change298"}));
}

} // namespace
} // namespace platform
