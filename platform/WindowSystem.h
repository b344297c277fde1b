// The window system's shared state, internal to the platform: forms on the screen, the modal
// stack, pending input, key state and the pointer, and the composition of the screen picture.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Backend.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "platform/Timer.h"

namespace platform::detail {

// Reaches the private parts and handlers of forms, controls and timers for the event loop.
struct FormAccess {
    static void KeyDown(Form& form, std::int16_t& keyCode, std::int16_t shift)
    {
        form.Form_KeyDown(keyCode, shift);
    }
    static void KeyUp(Form& form, std::int16_t& keyCode, std::int16_t shift)
    {
        form.Form_KeyUp(keyCode, shift);
    }
    static void KeyPress(Form& form, std::int16_t& keyAscii) { form.Form_KeyPress(keyAscii); }
    static void MouseDown(Form& form, std::int16_t button, std::int16_t shift, float x, float y)
    {
        form.Form_MouseDown(button, shift, x, y);
    }
    static void MouseUp(Form& form, std::int16_t button, std::int16_t shift, float x, float y)
    {
        form.Form_MouseUp(button, shift, x, y);
    }
    static void MouseMove(Form& form, std::int16_t button, std::int16_t shift, float x, float y)
    {
        form.Form_MouseMove(button, shift, x, y);
    }
    static void Click(Form& form) { form.Form_Click(); }
    static Control*& Focus(Form& form) { return form.focus_; }
    static Control*& Capture(Form& form) { return form.capture_; }
    static std::int16_t& PressedButtons(Form& form) { return form.pressedButtons_; }
    static std::vector<Control*>& Controls(Form& form) { return form.controls_; }
    static std::vector<Timer*>& Timers(Form& form) { return form.timers_; }

    static void Paint(Control& control, Hdc dc, std::int32_t x, std::int32_t y)
    {
        control.OnPaint(dc, x, y);
    }
    static void MouseDown(Control& c, std::int16_t button, std::int16_t shift, float x, float y)
    {
        c.OnMouseDown(button, shift, x, y);
    }
    static void MouseUp(Control& c, std::int16_t button, std::int16_t shift, float x, float y)
    {
        c.OnMouseUp(button, shift, x, y);
    }
    static void MouseMove(Control& c, std::int16_t button, std::int16_t shift, float x, float y)
    {
        c.OnMouseMove(button, shift, x, y);
    }
    static void Click(Control& control) { control.OnClick(); }
    static void KeyDown(Control& c, std::int16_t& keyCode, std::int16_t shift)
    {
        c.OnKeyDown(keyCode, shift);
    }
    static void KeyUp(Control& c, std::int16_t& keyCode, std::int16_t shift)
    {
        c.OnKeyUp(keyCode, shift);
    }
    static void KeyPress(Control& control, std::int16_t& keyAscii) { control.OnKeyPress(keyAscii); }
    static void GotFocus(Control& control) { control.OnGotFocus(); }
    static void LostFocus(Control& control) { control.OnLostFocus(); }

    static bool& Running(Timer& timer) { return timer.running_; }
    static std::int64_t& DueMs(Timer& timer) { return timer.dueMs_; }
    static Form& Owner(Timer& timer) { return timer.owner_; }
};

struct WindowSystem {
    std::vector<Form*> zOrder;     // visible forms, bottom to top
    std::vector<Form*> modalStack; // forms running a modal loop, innermost last
    std::vector<Form*> loaded;     // loaded forms
    std::vector<Timer*> timers;    // every timer object
    std::vector<Timer*> dueTimers; // scratch list of one round of ticks
    backend::EventQueue queue;
    std::array<std::uint16_t, 256> keys{};
    Point pointer{ScreenWidth / 2, ScreenHeight / 2};
    std::int16_t buttons = 0;    // mouse buttons held
    Form* captureForm = nullptr; // the form that took a press, until every button is up
    Form* closeBoxPressed = nullptr;
    bool anyFormShown = false;
    bool screenDirty = true;
    bool formClosed = false; // since the loop last waited
    MousePointer shownPointer = MousePointer::Default;
};

WindowSystem& System();

// Forgets all input state and what the screen window was told (a fresh backend was installed).
void ResetInput();
void ResetScreenWindow();
void ResetDisplay();

// Marks the screen as changed; the event loop shows it when idle.
void MarkDirty();
// Composes the visible forms into the screen picture and answers it.
const Bitmap& ComposeScreen();
// Presents the screen (composed when the backend wants the picture).
void PresentScreen(bool fromRefresh);
// Presents when something changed since the last present.
void PresentIfDirty();

// The form that takes keyboard input: the topmost visible, enabled form not under a modal one.
Form* InputForm();
// Whether a form may take input now (no modal form above it).
bool TakesInput(const Form& form);
// The client area's top-left corner on the screen.
Point ClientOrigin(const Form& form);
// The close box of a framed form, in screen coordinates.
Rect CloseBoxRect(const Form& form);
// The topmost visible form with the screen point in its outer rectangle, or nullptr.
Form* FormAt(Point point);
// How many containers a control lies in (0 for one placed on its form).
std::int32_t ContainerDepth(const Control& control);
// The control Tab (or, backwards, Shift+Tab) moves the focus to from `from` (nullptr: from before
// the first): the next shown, enabled control in TabIndex order that takes the focus and has
// TabStop, wrapping round; nullptr when there is none but `from`.
Control* NextInTabOrder(Form& form, const Control* from, bool backwards);

// Window title and icon of the screen window follow the topmost form; the pointer shape follows
// the form under the pointer.
void UpdateScreenWindow();
void UpdatePointerShape();

// Key state updates from delivered key events; a key-down of a held key (a repeat) toggles nothing.
void KeyStateDown(std::int16_t key);
void KeyStateUp(std::int16_t key);
std::int16_t ShiftState();

// The earliest time a timer is due, or -1 when none is enabled on a loaded form.
std::int64_t NextTimerDue();
// Runs the loop (input, timers, presents, waiting) until done() holds.
template <typename Done> void RunLoopUntil(Done done);
bool DeliverPending();
void WaitForActivity();

template <typename Done> void RunLoopUntil(Done done)
{
    while (!done()) {
        const bool worked = DeliverPending();
        if (done()) {
            break;
        }
        PresentIfDirty();
        if (!worked) {
            WaitForActivity();
        }
    }
}

} // namespace platform::detail
