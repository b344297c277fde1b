// Keyboard and pointer: key state bits, auto-repeat, modifier keys and the shift argument, presses
// within one frame, merged pointer moves, the pointer warp's own move event, coordinates.
#include "platform/Input.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Headless.h"

namespace platform {
namespace {

struct Received {
    std::string what;
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::int64_t atMs = 0;
    bool operator==(const Received&) const = default;
};

void PrintTo(const Received& r, std::ostream* os)
{
    *os << r.what << "(" << r.a << "," << r.b << ")@" << r.atMs;
}

class RecordingForm : public Form {
public:
    std::vector<Received> received;
    std::int16_t closeOnKeyUp = -1;

protected:
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override
    {
        received.push_back({"KeyDown", keyCode, shift, headless::Elapsed()});
    }
    void Form_KeyUp(std::int16_t& keyCode, std::int16_t shift) override
    {
        received.push_back({"KeyUp", keyCode, shift, headless::Elapsed()});
        if (keyCode == closeOnKeyUp) {
            Unload();
        }
    }
    void Form_KeyPress(std::int16_t& keyAscii) override
    {
        received.push_back({"KeyPress", keyAscii, 0, headless::Elapsed()});
    }
    void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override
    {
        received.push_back({"MouseDown" + std::to_string(button) + "/" + std::to_string(shift),
                            static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                            headless::Elapsed()});
    }
    void Form_MouseUp(std::int16_t button, std::int16_t, float x, float y) override
    {
        received.push_back({"MouseUp" + std::to_string(button), static_cast<std::int32_t>(x),
                            static_cast<std::int32_t>(y), headless::Elapsed()});
    }
    void Form_MouseMove(std::int16_t button, std::int16_t, float x, float y) override
    {
        received.push_back({"MouseMove" + std::to_string(button), static_cast<std::int32_t>(x),
                            static_cast<std::int32_t>(y), headless::Elapsed()});
    }
    void Form_Click() override { received.push_back({"Click", 0, 0, headless::Elapsed()}); }
};

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { headless::Install(); }
};

TEST_F(InputTest, HeldKeysAnswerBits8000And1000AndTheLowBitTogglesAtEachPress)
{
    RecordingForm form;
    form.Show();
    // (step, key state of Left afterwards)
    const struct {
        bool down;
        std::int16_t expected;
    } steps[] = {
        {true, static_cast<std::int16_t>(0x9001)},
        {false, 0x0001},
        {true, static_cast<std::int16_t>(0x9000)},
        {false, 0x0000},
    };
    EXPECT_EQ(GetKeyState(vbKeyLeft), 0);
    std::int64_t at = 10;
    for (const auto& step : steps) {
        if (step.down) {
            headless::At(at).KeyDown(vbKeyLeft);
        } else {
            headless::At(at).KeyUp(vbKeyLeft);
        }
        headless::At(at).KeyPress(vbKeyF1);
        while (headless::Elapsed() < at) {
            form.Refresh();
        }
        DoEvents();
        EXPECT_EQ(GetKeyState(vbKeyLeft), step.expected) << "at " << at;
        EXPECT_NE(GetKeyState(vbKeyLeft) & 0x1000, step.down ? 0 : 0x1000);
        EXPECT_EQ(GetKeyState(vbKeyLeft) < 0, step.down);
        at += 100;
    }
    EXPECT_EQ(GetKeyState(vbKeyUp), 0);
    EXPECT_EQ(GetKeyState(-1), 0);
    EXPECT_EQ(GetKeyState(256), 0);
    headless::SetKeyState(vbKeyUp, true);
    EXPECT_NE(GetKeyState(vbKeyUp) & 0x1000, 0);
    form.Unload();
}

TEST_F(InputTest, AHeldKeyRepeatsAsKeyDownsAfterTheDelayThenEveryPeriod)
{
    RecordingForm form;
    form.closeOnKeyUp = vbKeyRight;
    headless::At(0).KeyDown(vbKeyRight);
    headless::At(600).KeyUp(vbKeyRight);
    form.Show(ShowMode::Modal);
    std::vector<Received> expected;
    for (const std::int64_t at : {std::int64_t{0}, std::int64_t{AutoRepeatDelayMs},
                                  std::int64_t{AutoRepeatDelayMs + AutoRepeatPeriodMs},
                                  std::int64_t{AutoRepeatDelayMs + 2 * AutoRepeatPeriodMs},
                                  std::int64_t{AutoRepeatDelayMs + 3 * AutoRepeatPeriodMs}}) {
        expected.push_back({"KeyDown", vbKeyRight, 0, at});
    }
    expected.push_back({"KeyUp", vbKeyRight, 0, 600});
    EXPECT_EQ(form.received, expected);
    EXPECT_EQ(GetKeyState(vbKeyRight) & 0x1000, 0);
    EXPECT_EQ(GetKeyState(vbKeyRight) & 1, 1); // repeats did not toggle
}

TEST_F(InputTest, ModifierKeysGiveKeyDownsAndTheShiftArgument)
{
    RecordingForm form;
    form.closeOnKeyUp = vbKeyEscape;
    headless::At(10).KeyDown(vbKeyShift).KeyDown(vbKeyA).KeyUp(vbKeyA);
    headless::At(20).KeyDown(vbKeyControl).KeyDown(vbKeyMenu).KeyDown(vbKeyM);
    headless::At(30).KeyUp(vbKeyShift).KeyUp(vbKeyControl).KeyUp(vbKeyMenu).KeyDown(vbKey0 + 7);
    headless::At(40).KeyDown(vbKeyEscape).KeyUp(vbKeyEscape);
    form.Show(ShowMode::Modal);
    const std::vector<Received> expected{
        {"KeyDown", vbKeyShift, vbShiftMask, 10},
        {"KeyDown", vbKeyA, vbShiftMask, 10},
        {"KeyPress", 'A', 0, 10},
        {"KeyUp", vbKeyA, vbShiftMask, 10},
        {"KeyDown", vbKeyControl, vbShiftMask | vbCtrlMask, 20},
        {"KeyDown", vbKeyMenu, vbShiftMask | vbCtrlMask | vbAltMask, 20},
        {"KeyDown", vbKeyM, vbShiftMask | vbCtrlMask | vbAltMask, 20}, // types nothing
        {"KeyUp", vbKeyShift, vbCtrlMask | vbAltMask, 30},
        {"KeyUp", vbKeyControl, vbAltMask, 30},
        {"KeyUp", vbKeyMenu, 0, 30},
        {"KeyDown", vbKey0 + 7, 0, 30},
        {"KeyPress", '7', 0, 30},
        {"KeyDown", vbKeyEscape, 0, 40},
        {"KeyPress", 27, 0, 40},
        {"KeyUp", vbKeyEscape, 0, 40},
    };
    EXPECT_EQ(form.received, expected);
}

TEST_F(InputTest, EveryPressAndReleaseWithinOneFrameArrivesButPointerMovesMerge)
{
    RecordingForm form;
    form.Show();
    headless::At(5).KeyDown(vbKeySpace).KeyUp(vbKeySpace).KeyDown(vbKeyReturn).KeyUp(vbKeyReturn);
    headless::At(6).MouseMove(10, 10).MouseMove(20, 20).MouseMove(30, 30);
    headless::At(7).MouseDown(vbRightButton, 30, 30).MouseMove(40, 40).MouseMove(50, 45);
    headless::At(8).MouseUp(vbRightButton, 50, 45);
    form.Refresh(); // one frame: 16 ms
    DoEvents();
    const std::vector<Received> expected{
        {"KeyDown", vbKeySpace, 0, 16},
        {"KeyPress", ' ', 0, 16},
        {"KeyUp", vbKeySpace, 0, 16},
        {"KeyDown", vbKeyReturn, 0, 16},
        {"KeyPress", 13, 0, 16},
        {"KeyUp", vbKeyReturn, 0, 16},
        {"MouseMove0", 30, 30, 16},
        {"MouseDown2/0", 30, 30, 16},
        {"MouseMove2", 50, 45, 16},
        {"MouseUp2", 50, 45, 16},
        {"Click", 0, 0, 16},
    };
    EXPECT_EQ(form.received, expected);
    form.Unload();
}

TEST_F(InputTest, SetCursorPosPostsAPointerMoveOfItsOwn)
{
    RecordingForm form;
    form.Show();
    Point point{75, 270};
    ASSERT_TRUE(ClientToScreen(form, &point));
    ASSERT_TRUE(SetCursorPos(point.x, point.y));
    Point now;
    ASSERT_TRUE(GetCursorPos(&now));
    EXPECT_EQ(now, (Point{75, 270}));
    EXPECT_EQ(headless::Warps(), std::vector<Point>{(Point{75, 270})});
    EXPECT_TRUE(form.received.empty());
    DoEvents();
    EXPECT_EQ(form.received, std::vector<Received>{(Received{"MouseMove0", 75, 270, 0})});
    form.Unload();
}

TEST_F(InputTest, ScreenAndClientCoordinatesOfAFramedForm)
{
    RecordingForm dialog;
    dialog.SetClientSize(500, 180);
    dialog.Move(100, 50);
    dialog.Show();
    const std::int32_t originX = 100 + FrameWidth;
    const std::int32_t originY = 50 + FrameWidth + CaptionHeight;
    Point point{0, 0};
    ASSERT_TRUE(ClientToScreen(dialog, &point));
    EXPECT_EQ(point, (Point{originX, originY}));
    point = {400, 350};
    ASSERT_TRUE(ScreenToClient(dialog, &point));
    EXPECT_EQ(point, (Point{400 - originX, 350 - originY}));
    headless::At(1).Click(vbLeftButton, originX + 20, originY + 30);
    headless::At(2).MouseDown(vbLeftButton, 50, 30); // on no form: nobody gets it
    dialog.Refresh();
    DoEvents();
    const std::vector<Received> expected{{"MouseMove0", 20, 30, 16},
                                         {"MouseDown1/0", 20, 30, 16},
                                         {"MouseUp1", 20, 30, 16},
                                         {"Click", 0, 0, 16}};
    EXPECT_EQ(dialog.received, expected);
    dialog.Unload();
    EXPECT_FALSE(ClientToScreen(dialog, &point));
}

TEST_F(InputTest, ShiftCountsAsHeldAtStartWithTheWindowedVariable)
{
    EXPECT_EQ(GetKeyState(vbKeyShift) & 0x1000, 0);
    ::setenv("VANDREL_WINDOWED", "1", 1);
    EXPECT_NE(GetKeyState(vbKeyShift) & 0x1000, 0);
    ::setenv("VANDREL_WINDOWED", "0", 1);
    EXPECT_EQ(GetKeyState(vbKeyShift) & 0x1000, 0);
    headless::SetShiftHeldAtStart(true);
    EXPECT_NE(GetKeyState(vbKeyShift) & 0x1000, 0);
    ::unsetenv("VANDREL_WINDOWED");
    RecordingForm form;
    form.Show(); // from the first window on, only real key events count
    EXPECT_EQ(GetKeyState(vbKeyShift) & 0x1000, 0);
    form.Unload();
}

} // namespace
} // namespace platform
