// The event loop: input delivery to forms and controls, timer ticks, DoEvents and RunProgram.
#include "platform/Events.h"

#include <malloc.h>

#include <algorithm>
#include <utility>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/WindowSystem.h"

namespace platform {
namespace detail {
namespace {

using backend::Event;
using backend::EventKind;

bool Contains(const Rect& rect, Point point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

// The deepest shown, enabled control under a client point; among equals the one created last.
Control* ControlAt(Form& form, Point client)
{
    Control* hit = nullptr;
    std::int32_t hitDepth = -1;
    for (Control* control : FormAccess::Controls(form)) {
        if (!control->IsShown() || !control->IsEnabled() ||
            !Contains(control->ClientRect(), client)) {
            continue;
        }
        const std::int32_t depth = ContainerDepth(*control);
        if (depth >= hitDepth) {
            hit = control;
            hitDepth = depth;
        }
    }
    return hit;
}

bool InClientArea(const Form& form, Point screen)
{
    const Point origin = ClientOrigin(form);
    return screen.x >= origin.x && screen.x < origin.x + form.ScaleWidth() &&
           screen.y >= origin.y && screen.y < origin.y + form.ScaleHeight();
}

// Tab and Shift+Tab: the next control in tab order that takes the focus.
bool MoveFocus(Form& form, bool backwards)
{
    Control* const current = FormAccess::Focus(form);
    Control* const next = NextInTabOrder(form, current, backwards);
    if (next == nullptr) {
        return current != nullptr;
    }
    next->SetFocus();
    return true;
}

// A key goes to the form when it previews keys or no control has the focus, then to the focused
// control, unless the form's handler set the code to 0, unloaded the form or moved the focus.
template <typename Handler> void DeliverKey(Form& form, std::int16_t code, Handler handler)
{
    Control* const focus = FormAccess::Focus(form);
    if (form.KeyPreview() || focus == nullptr) {
        handler(form, code);
    }
    if (focus != nullptr && code != 0 && form.IsLoaded() && FormAccess::Focus(form) == focus) {
        handler(*focus, code);
    }
}

void DeliverKeyDown(const Event& event)
{
    KeyStateDown(event.key);
    Form* const form = InputForm();
    if (form == nullptr) {
        return;
    }
    const std::int16_t shift = ShiftState();
    if (event.key == vbKeyTab && (shift & (vbCtrlMask | vbAltMask)) == 0 &&
        MoveFocus(*form, (shift & vbShiftMask) != 0)) {
        return;
    }
    DeliverKey(*form, event.key, [shift](auto& target, std::int16_t& keyCode) {
        FormAccess::KeyDown(target, keyCode, shift);
    });
}

void DeliverKeyUp(const Event& event)
{
    KeyStateUp(event.key);
    if (Form* const form = InputForm()) {
        const std::int16_t shift = ShiftState();
        DeliverKey(*form, event.key, [shift](auto& target, std::int16_t& keyCode) {
            FormAccess::KeyUp(target, keyCode, shift);
        });
    }
}

void DeliverChar(const Event& event)
{
    if (Form* const form = InputForm()) {
        DeliverKey(*form, event.key, [](auto& target, std::int16_t& keyAscii) {
            FormAccess::KeyPress(target, keyAscii);
        });
    }
}

// Mouse input goes to the form under the pointer, or to the form (and control) that took a
// press until every button is up. Forms under a modal form take none.
void DeliverMouse(const Event& event)
{
    WindowSystem& system = System();
    system.pointer = {event.x, event.y};
    if (event.kind == EventKind::MouseDown) {
        system.buttons = static_cast<std::int16_t>(system.buttons | event.key);
    } else if (event.kind == EventKind::MouseUp) {
        system.buttons = static_cast<std::int16_t>(system.buttons & ~event.key);
    }
    UpdatePointerShape();

    Form* form = system.captureForm;
    if (form == nullptr) {
        form = FormAt(system.pointer);
        if (form == nullptr || !TakesInput(*form) || !form->Enabled()) {
            return;
        }
    }
    if (event.kind == EventKind::MouseDown && system.captureForm == nullptr &&
        !InClientArea(*form, system.pointer)) {
        // A press on the frame or caption bar: only the close box acts, on its release.
        if (Contains(CloseBoxRect(*form), system.pointer) && event.key == vbLeftButton) {
            system.closeBoxPressed = form;
        }
        return;
    }
    if (system.closeBoxPressed != nullptr) {
        if (event.kind == EventKind::MouseUp) {
            Form* const pressed = system.closeBoxPressed;
            system.closeBoxPressed = nullptr;
            if (Contains(CloseBoxRect(*pressed), system.pointer)) {
                pressed->CloseBox();
            }
        }
        return;
    }

    const Point origin = ClientOrigin(*form);
    const Point client{event.x - origin.x, event.y - origin.y};
    const std::int16_t shift = ShiftState();
    Control*& capture = FormAccess::Capture(*form);
    Control* const control = capture != nullptr ? capture : ControlAt(*form, client);
    const auto controlX = [&](const Control& c) {
        return static_cast<float>(client.x - c.ClientRect().left);
    };
    const auto controlY = [&](const Control& c) {
        return static_cast<float>(client.y - c.ClientRect().top);
    };
    const float x = static_cast<float>(client.x);
    const float y = static_cast<float>(client.y);

    switch (event.kind) {
    case EventKind::MouseDown:
        system.captureForm = form;
        FormAccess::PressedButtons(*form) =
            static_cast<std::int16_t>(FormAccess::PressedButtons(*form) | event.key);
        if (control != nullptr) {
            capture = control;
            control->SetFocus();
            FormAccess::MouseDown(*control, event.key, shift, controlX(*control),
                                  controlY(*control));
        } else {
            FormAccess::MouseDown(*form, event.key, shift, x, y);
        }
        break;
    case EventKind::MouseUp: {
        const bool pressedHere = (FormAccess::PressedButtons(*form) & event.key) != 0;
        FormAccess::PressedButtons(*form) =
            static_cast<std::int16_t>(FormAccess::PressedButtons(*form) & ~event.key);
        if (system.buttons == 0) {
            system.captureForm = nullptr;
            capture = nullptr;
        }
        if (control != nullptr) {
            FormAccess::MouseUp(*control, event.key, shift, controlX(*control), controlY(*control));
            if (pressedHere && form->IsLoaded() && Contains(control->ClientRect(), client)) {
                FormAccess::Click(*control);
            }
        } else {
            FormAccess::MouseUp(*form, event.key, shift, x, y);
            if (pressedHere && form->IsLoaded() && InClientArea(*form, system.pointer)) {
                FormAccess::Click(*form);
            }
        }
        break;
    }
    default:
        if (control != nullptr) {
            FormAccess::MouseMove(*control, system.buttons, shift, controlX(*control),
                                  controlY(*control));
        } else {
            FormAccess::MouseMove(*form, system.buttons, shift, x, y);
        }
        break;
    }
}

// The screen window's close request goes to the topmost form, as its close box would.
void DeliverClose()
{
    WindowSystem& system = System();
    Form* form = system.modalStack.empty() ? nullptr : system.modalStack.back();
    if (form == nullptr || !form->Visible()) {
        form = InputForm();
    }
    if (form == nullptr && !system.zOrder.empty()) {
        form = system.zOrder.back();
    }
    if (form != nullptr) {
        form->CloseBox();
    }
}

void Deliver(const Event& event)
{
    switch (event.kind) {
    case EventKind::KeyDown:
        DeliverKeyDown(event);
        // Enter, Esc and Backspace type their characters too, as the system's translation does.
        if ((event.key == vbKeyReturn || event.key == vbKeyEscape || event.key == vbKeyBack) &&
            (ShiftState() & (vbCtrlMask | vbAltMask)) == 0) {
            DeliverChar(Event{EventKind::Char, event.key, 0, 0, false});
        }
        break;
    case EventKind::KeyUp:
        DeliverKeyUp(event);
        break;
    case EventKind::Char:
        DeliverChar(event);
        break;
    case EventKind::MouseDown:
    case EventKind::MouseUp:
    case EventKind::MouseMove:
        DeliverMouse(event);
        break;
    case EventKind::Close:
        DeliverClose();
        break;
    case EventKind::Expose:
        MarkDirty();
        break;
    }
}

bool TickTimers()
{
    WindowSystem& system = System();
    const std::int64_t now = NowMs();
    system.dueTimers.clear();
    for (Timer* timer : system.timers) {
        if (timer->Enabled() && timer->Interval() > 0 && !FormAccess::Running(*timer) &&
            FormAccess::Owner(*timer).IsLoaded() && FormAccess::DueMs(*timer) <= now) {
            system.dueTimers.push_back(timer);
        }
    }
    std::stable_sort(system.dueTimers.begin(), system.dueTimers.end(), [](Timer* a, Timer* b) {
        return FormAccess::DueMs(*a) < FormAccess::DueMs(*b);
    });
    bool ticked = false;
    // A handler may destroy other timers (their places become null) or run DoEvents, which
    // reuses the scratch list: walk it by index and stop when it was replaced.
    const std::size_t count = system.dueTimers.size();
    for (std::size_t i = 0; i < count && i < system.dueTimers.size(); ++i) {
        Timer* const timer = system.dueTimers[i];
        if (timer == nullptr || !timer->Enabled() || FormAccess::Running(*timer) ||
            !FormAccess::Owner(*timer).IsLoaded() || FormAccess::DueMs(*timer) > NowMs()) {
            continue;
        }
        FormAccess::DueMs(*timer) = NowMs() + timer->Interval();
        ticked = true;
        if (!timer->OnTimer) {
            continue;
        }
        FormAccess::Running(*timer) = true;
        timer->OnTimer();
        // The timer may have been destroyed by its own handler's form; it is still listed if not.
        if (std::find(system.timers.begin(), system.timers.end(), timer) != system.timers.end()) {
            FormAccess::Running(*timer) = false;
        }
    }
    return ticked;
}

} // namespace

WindowSystem& System()
{
    static WindowSystem system;
    return system;
}

bool DeliverPending()
{
    WindowSystem& system = System();
    backend::Current().Poll(system.queue);
    // Only what is pending now: an event posted by a handler (a pointer warp) waits for the next
    // round, so a handler that posts on every event cannot keep this call from returning.
    std::size_t count = system.queue.Size();
    bool worked = count > 0;
    Event event;
    while (count-- > 0 && system.queue.Pop(&event)) {
        Deliver(event);
    }
    worked = TickTimers() || worked;
    return worked;
}

std::int64_t NextTimerDue()
{
    std::int64_t next = -1;
    for (Timer* timer : System().timers) {
        if (timer->Enabled() && timer->Interval() > 0 && !FormAccess::Running(*timer) &&
            FormAccess::Owner(*timer).IsLoaded()) {
            const std::int64_t due = FormAccess::DueMs(*timer);
            if (next < 0 || due < next) {
                next = due;
            }
        }
    }
    return next;
}

void WaitForActivity()
{
    if (System().queue.Size() > 0) {
        return;
    }
    // What a closed window freed goes back to the system before the loop idles; the allocator
    // would keep it, and the resident size would grow with every window visited.
    if (std::exchange(System().formClosed, false)) {
        malloc_trim(0);
    }
    backend::Current().Wait(NextTimerDue());
}

} // namespace detail

bool DoEvents()
{
    const bool delivered = detail::DeliverPending();
    detail::PresentIfDirty();
    return delivered;
}

void WaitEvents()
{
    while (!detail::DeliverPending()) {
        detail::PresentIfDirty();
        detail::WaitForActivity();
    }
    detail::PresentIfDirty();
}

std::int32_t RunProgram(Form& startForm)
{
    // Every path the program names is relative to its folder, and every window draws text.
    SetProgramFolderAsCurrent();
    if (!CheckFonts()) {
        return 1;
    }
    startForm.Show();
    detail::RunLoopUntil([] { return detail::System().loaded.empty(); });
    return 0;
}

std::int32_t LoadedFormCount()
{
    return static_cast<std::int32_t>(detail::System().loaded.size());
}

} // namespace platform
