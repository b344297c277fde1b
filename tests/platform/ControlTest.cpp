// Controls: focus and tab order, keys to the focused control after the form's key preview, mouse
// input in control coordinates with capture and click, containers, hidden and disabled controls.
#include "platform/Control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Headless.h"
#include "platform/Input.h"

namespace platform {
namespace {

std::vector<std::string> log;

class Probe : public Control {
public:
    Probe(Form& form, std::string name, bool focusable)
        : Control(form), name_(std::move(name)), focusable_(focusable)
    {
    }
    bool CanTakeFocus() const override { return focusable_; }
    std::int16_t swallow = -1; // a key code this control's KeyDown answers with 0

protected:
    void OnKeyDown(std::int16_t& keyCode, std::int16_t) override
    {
        log.push_back(name_ + ".KeyDown" + std::to_string(keyCode));
    }
    void OnKeyPress(std::int16_t& keyAscii) override
    {
        log.push_back(name_ + ".KeyPress" + std::to_string(keyAscii));
    }
    void OnKeyUp(std::int16_t& keyCode, std::int16_t) override
    {
        log.push_back(name_ + ".KeyUp" + std::to_string(keyCode));
    }
    void OnMouseDown(std::int16_t button, std::int16_t, float x, float y) override
    {
        log.push_back(name_ + ".MouseDown" + std::to_string(button) + "@" + Xy(x, y));
    }
    void OnMouseUp(std::int16_t, std::int16_t, float x, float y) override
    {
        log.push_back(name_ + ".MouseUp@" + Xy(x, y));
    }
    void OnMouseMove(std::int16_t button, std::int16_t, float x, float y) override
    {
        log.push_back(name_ + ".MouseMove" + std::to_string(button) + "@" + Xy(x, y));
    }
    void OnClick() override { log.push_back(name_ + ".Click"); }
    void OnGotFocus() override { log.push_back(name_ + ".GotFocus"); }
    void OnLostFocus() override { log.push_back(name_ + ".LostFocus"); }

private:
    static std::string Xy(float x, float y)
    {
        return std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
    }
    std::string name_;
    bool focusable_;
};

class Dialog : public Form {
public:
    std::int16_t swallow = -1;

protected:
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t) override
    {
        log.push_back("Form.KeyDown" + std::to_string(keyCode));
        if (keyCode == swallow) {
            keyCode = 0;
        }
    }
    void Form_KeyPress(std::int16_t& keyAscii) override
    {
        log.push_back("Form.KeyPress" + std::to_string(keyAscii));
    }
    void Form_MouseDown(std::int16_t, std::int16_t, float x, float y) override
    {
        log.push_back("Form.MouseDown@" + std::to_string(static_cast<int>(x)) + "," +
                      std::to_string(static_cast<int>(y)));
    }
};

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        log.clear();
    }
    // Delivers what is scripted for the next frame.
    static void Frame(Form& form)
    {
        form.Refresh();
        DoEvents();
    }
};

TEST_F(ControlTest, ShowingFocusesTheFirstInTabOrderAndTabCyclesThroughFocusableControls)
{
    Dialog dialog;
    Probe name(dialog, "Name", true);
    Probe label(dialog, "Label", false);
    Probe ok(dialog, "OK", true);
    Probe reset(dialog, "Reset", true);
    ok.SetTabIndex(0);
    name.SetTabIndex(1);
    reset.SetTabIndex(2);
    reset.SetVisible(false);
    dialog.Show();
    EXPECT_TRUE(ok.HasFocus());
    EXPECT_EQ(dialog.ActiveControl(), &ok);
    headless::After(1).KeyPress(vbKeyTab);
    Frame(dialog);
    EXPECT_TRUE(name.HasFocus());
    headless::After(1).KeyPress(vbKeyTab); // Reset is hidden, Label takes no focus: back to OK
    Frame(dialog);
    EXPECT_TRUE(ok.HasFocus());
    headless::After(1).KeyDown(vbKeyShift).KeyPress(vbKeyTab).KeyUp(vbKeyShift);
    Frame(dialog);
    EXPECT_TRUE(name.HasFocus());
    label.SetFocus(); // cannot take it
    EXPECT_TRUE(name.HasFocus());
    // Tab itself reaches no key-down handler; its release reaches the control that now has the
    // focus.
    EXPECT_EQ(log, (std::vector<std::string>{"OK.GotFocus", "OK.LostFocus", "Name.GotFocus",
                                             "Name.KeyUp9", "Name.LostFocus", "OK.GotFocus",
                                             "OK.KeyUp9", "OK.KeyDown16", "OK.LostFocus",
                                             "Name.GotFocus", "Name.KeyUp9", "Name.KeyUp16"}));
    dialog.Unload();
}

TEST_F(ControlTest, AFocusedControlHiddenOrDisabledPassesTheFocusOnAsTabWould)
{
    const struct {
        std::size_t focused; // of A, B and C in tab order
        bool disable;        // else it is hidden
        bool alone;          // the other two hidden before
        const char* next;    // nullptr: none has the focus
    } rows[] = {
        {1, false, false, "C"},
        {2, true, false, "A"}, // round to the first
        {0, false, true, nullptr},
    };
    for (const auto& row : rows) {
        Dialog dialog;
        Probe a(dialog, "A", true);
        Probe b(dialog, "B", true);
        Probe c(dialog, "C", true);
        Probe* const probes[] = {&a, &b, &c};
        dialog.Show();
        probes[row.focused]->SetFocus();
        for (Probe* other : probes) {
            if (row.alone && other != probes[row.focused]) {
                other->SetVisible(false);
            }
        }
        log.clear();
        if (row.disable) {
            probes[row.focused]->SetEnabled(false);
        } else {
            probes[row.focused]->SetVisible(false);
        }
        const std::string lost = std::string(1, static_cast<char>('A' + row.focused));
        if (row.next == nullptr) {
            EXPECT_EQ(dialog.ActiveControl(), nullptr);
            EXPECT_EQ(log, (std::vector<std::string>{lost + ".LostFocus"}));
        } else {
            ASSERT_NE(dialog.ActiveControl(), nullptr) << lost;
            EXPECT_EQ(log, (std::vector<std::string>{lost + ".LostFocus",
                                                     std::string(row.next) + ".GotFocus"}));
        }
        dialog.Unload();
    }
}

TEST_F(ControlTest, KeysGoToTheFocusedControlAndKeyPreviewShowsThemToTheFormFirst)
{
    Dialog dialog;
    Probe box(dialog, "Box", true);
    dialog.Show();
    log.clear();
    headless::After(1).KeyDown(vbKeyA).KeyDown(vbKeyEscape);
    Frame(dialog);
    EXPECT_EQ(log, (std::vector<std::string>{"Box.KeyDown65", "Box.KeyPress97", "Box.KeyDown27",
                                             "Box.KeyPress27"}));
    log.clear();
    dialog.SetKeyPreview(true);
    dialog.swallow = vbKeyEscape;
    headless::After(1).KeyDown(vbKeyB).KeyDown(vbKeyEscape);
    Frame(dialog);
    EXPECT_EQ(log, (std::vector<std::string>{"Form.KeyDown66", "Box.KeyDown66", "Form.KeyPress98",
                                             "Box.KeyPress98", "Form.KeyDown27", "Form.KeyPress27",
                                             "Box.KeyPress27"}));
    dialog.Unload();
}

TEST_F(ControlTest, MouseInputUsesControlCoordinatesWithCaptureUntilRelease)
{
    Dialog dialog;
    Probe frame(dialog, "Frame", false);
    Probe option(dialog, "Option", true);
    frame.Move(100, 100, 200, 100);
    option.Move(10, 20, 60, 60);
    option.SetContainer(&frame); // lies at (110, 120) of the form
    dialog.Show();
    EXPECT_EQ(option.ClientRect().left, 110);
    EXPECT_EQ(option.ClientRect().top, 120);
    log.clear();
    headless::After(1)
        .MouseDown(vbLeftButton, 115, 130)
        .MouseMove(400, 400)
        .MouseUp(vbLeftButton, 400, 400);
    headless::After(2).Click(vbRightButton, 111, 121);
    headless::After(3).Click(vbLeftButton, 150, 190); // the frame, beside the option
    headless::After(4).MouseDown(vbLeftButton, 5, 6); // the form itself
    Frame(dialog);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "Option.MouseDown1@5,10", "Option.MouseMove1@290,280",
                       "Option.MouseUp@290,280", // released outside: no click
                       "Option.MouseMove0@1,1", "Option.MouseDown2@1,1", "Option.MouseUp@1,1",
                       "Option.Click", "Frame.MouseMove0@50,90", "Frame.MouseDown1@50,90",
                       "Frame.MouseUp@50,90", "Frame.Click", "Form.MouseDown@5,6"}));
    dialog.Unload();
}

TEST_F(ControlTest, HiddenOrDisabledControlsAndTheirContentsTakeNoInput)
{
    Dialog dialog;
    Probe frame(dialog, "Frame", false);
    Probe check(dialog, "Check", true);
    frame.Move(0, 0, 100, 100);
    check.Move(0, 0, 50, 50);
    check.SetContainer(&frame);
    dialog.Show();
    EXPECT_TRUE(check.HasFocus());
    frame.SetEnabled(false);
    EXPECT_FALSE(check.IsEnabled());
    EXPECT_FALSE(check.HasFocus());
    log.clear();
    headless::After(1).MouseDown(vbLeftButton, 10, 10);
    Frame(dialog);
    frame.SetEnabled(true);
    frame.SetVisible(false);
    EXPECT_FALSE(check.IsShown());
    headless::After(1).MouseDown(vbLeftButton, 20, 20);
    Frame(dialog);
    EXPECT_EQ(log, (std::vector<std::string>{"Form.MouseDown@10,10", "Form.MouseDown@20,20"}));
    dialog.Unload();
}

} // namespace
} // namespace platform
