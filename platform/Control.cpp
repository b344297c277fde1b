// Controls: registration with their form, geometry, visibility, focus.
#include "platform/Control.h"

#include <algorithm>

#include "platform/Form.h"
#include "platform/WindowSystem.h"

namespace platform {

Control::Control(Form& parent) : parent_(parent)
{
    auto& controls = detail::FormAccess::Controls(parent_);
    tabIndex_ = static_cast<std::int16_t>(controls.size());
    controls.push_back(this);
}

Control::~Control()
{
    auto& controls = detail::FormAccess::Controls(parent_);
    controls.erase(std::remove(controls.begin(), controls.end(), this), controls.end());
    for (Control* control : controls) {
        if (control->container_ == this) {
            control->container_ = nullptr;
        }
    }
    if (detail::FormAccess::Focus(parent_) == this) {
        detail::FormAccess::Focus(parent_) = nullptr;
    }
    if (detail::FormAccess::Capture(parent_) == this) {
        detail::FormAccess::Capture(parent_) = nullptr;
    }
    Invalidate();
}

void Control::SetContainer(Control* container)
{
    for (Control* c = container; c != nullptr; c = c->container_) {
        if (c == this) {
            return; // a control cannot contain itself
        }
    }
    container_ = container;
    Invalidate();
}

void Control::SetLeft(std::int32_t left)
{
    Move(left, top_, width_, height_);
}
void Control::SetTop(std::int32_t top)
{
    Move(left_, top, width_, height_);
}
void Control::SetWidth(std::int32_t width)
{
    Move(left_, top_, width, height_);
}
void Control::SetHeight(std::int32_t height)
{
    Move(left_, top_, width_, height);
}

void Control::Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    const bool resized = std::max(width, 0) != width_ || std::max(height, 0) != height_;
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    Invalidate();
    if (resized) {
        OnResize();
    }
}

void Control::SetVisible(bool visible)
{
    visible_ = visible;
    DropFocusIfUnusable();
    Invalidate();
}

void Control::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    DropFocusIfUnusable();
    Invalidate();
}

// The focused control (this one or one it contains) loses the focus once hidden or disabled, to
// the control Tab would move it to, so that the keyboard never loses its way in the form.
void Control::DropFocusIfUnusable()
{
    Control*& focus = detail::FormAccess::Focus(parent_);
    if (focus == nullptr || (focus->IsShown() && focus->IsEnabled())) {
        return;
    }
    Control* const lost = focus;
    if (Control* const next = detail::NextInTabOrder(parent_, lost, false)) {
        next->SetFocus();
        return;
    }
    focus = nullptr;
    lost->OnLostFocus();
}

bool Control::IsShown() const
{
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_) {
            return false;
        }
    }
    return true;
}

bool Control::IsEnabled() const
{
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->enabled_) {
            return false;
        }
    }
    return true;
}

void Control::SetFocus()
{
    if (!CanTakeFocus() || !IsShown() || !IsEnabled()) {
        return;
    }
    Control*& focus = detail::FormAccess::Focus(parent_);
    if (focus == this) {
        return;
    }
    Control* const previous = focus;
    focus = this;
    if (previous != nullptr) {
        previous->OnLostFocus();
        previous->Invalidate();
    }
    OnGotFocus();
    Invalidate();
}

bool Control::HasFocus() const
{
    return detail::FormAccess::Focus(parent_) == this;
}

Control* detail::NextInTabOrder(Form& form, const Control* from, bool backwards)
{
    Control* best = nullptr;
    Control* wrap = nullptr;
    const auto before = [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    };
    for (Control* control : FormAccess::Controls(form)) {
        if (!control->CanTakeFocus() || !control->TabStop() || !control->IsShown() ||
            !control->IsEnabled() || control == from) {
            continue;
        }
        const bool after =
            from == nullptr || (backwards ? before(control, from) : before(from, control));
        if (after &&
            (best == nullptr || (backwards ? before(best, control) : before(control, best)))) {
            best = control;
        }
        if (wrap == nullptr || (backwards ? before(wrap, control) : before(control, wrap))) {
            wrap = control;
        }
    }
    return best != nullptr ? best : wrap;
}

Rect Control::ClientRect() const
{
    Rect rect{left_, top_, left_ + width_, top_ + height_};
    for (const Control* c = container_; c != nullptr; c = c->container_) {
        rect.left += c->left_;
        rect.top += c->top_;
        rect.right += c->left_;
        rect.bottom += c->top_;
    }
    return rect;
}

void Control::Invalidate()
{
    parent_.Invalidate();
}

void Control::OnPaint(Hdc, std::int32_t, std::int32_t) {}
void Control::OnMouseDown(std::int16_t, std::int16_t, float, float) {}
void Control::OnMouseUp(std::int16_t, std::int16_t, float, float) {}
void Control::OnMouseMove(std::int16_t, std::int16_t, float, float) {}
void Control::OnKeyDown(std::int16_t&, std::int16_t) {}
void Control::OnKeyUp(std::int16_t&, std::int16_t) {}
void Control::OnKeyPress(std::int16_t&) {}

} // namespace platform
