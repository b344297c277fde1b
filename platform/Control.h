// Controls: child areas of a form (buttons, lists, boxes...) with position, visibility, focus and
// an index for control arrays. The platform routes mouse and key input to them and composes them.
#pragma once

#include <cstdint>

#include "platform/Gdi.h"

namespace platform {

class Form;
namespace detail {
struct FormAccess;
}

// A control lies in its form's client area, or inside a container control (a frame), its position
// then being relative to the container. Controls are drawn over the form's back buffer each time
// the screen is composed (OnPaint), so what code draws on the form never covers them. A control
// registers with its form when constructed and must not outlive it.
class Control {
public:
    explicit Control(Form& parent);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& Parent() const { return parent_; }
    Control* Container() const { return container_; }
    void SetContainer(Control* container);

    std::int32_t Left() const { return left_; }
    std::int32_t Top() const { return top_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    void SetLeft(std::int32_t left);
    void SetTop(std::int32_t top);
    void SetWidth(std::int32_t width);
    void SetHeight(std::int32_t height);
    void Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

    // Visible and Enabled as set; a control counts as shown (or enabled) only when its containers
    // are too.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool IsShown() const;
    bool IsEnabled() const;

    // Position in the control array it belongs to, -1 when it is in none; handlers of control
    // arrays receive it as their Index argument.
    std::int16_t Index() const { return index_; }
    void SetIndex(std::int16_t index) { index_ = index; }

    // Tab order: Tab and Shift+Tab move the focus between the shown, enabled controls that take
    // the focus and have TabStop, in TabIndex order.
    std::int16_t TabIndex() const { return tabIndex_; }
    void SetTabIndex(std::int16_t tabIndex) { tabIndex_ = tabIndex; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // Whether this kind of control takes the keyboard focus (text boxes, lists, buttons...).
    virtual bool CanTakeFocus() const { return false; }
    // Gives this control the focus when it can take it; GotFocus and LostFocus follow.
    void SetFocus();
    bool HasFocus() const;

    // The control's rectangle in its form's client coordinates (containers resolved).
    Rect ClientRect() const;

protected:
    // Draws the control with its top-left corner at (x, y) of dc, a picture of the form's client
    // area composed for the screen.
    virtual void OnPaint(Hdc dc, std::int32_t x, std::int32_t y);
    // Mouse input in the control's own coordinates; the control that takes a press receives the
    // moves and the release until every button is up, even outside its area.
    virtual void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    virtual void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    virtual void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    // A press and release of a button over the control.
    virtual void OnClick() {}
    // Keys reach the focused control after the form's preview; setting keyCode (or keyAscii) to 0
    // in the preview stops them.
    virtual void OnKeyDown(std::int16_t& keyCode, std::int16_t shift);
    virtual void OnKeyUp(std::int16_t& keyCode, std::int16_t shift);
    virtual void OnKeyPress(std::int16_t& keyAscii);
    virtual void OnGotFocus() {}
    virtual void OnLostFocus() {}
    // After Move (or a setter of Width or Height) changed the control's size.
    virtual void OnResize() {}
    // Asks for the screen to be composed again after what OnPaint draws has changed.
    void Invalidate();

private:
    friend struct detail::FormAccess;

    void DropFocusIfUnusable();

    Form& parent_;
    Control* container_ = nullptr;
    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = true;
    std::int16_t index_ = -1;
    std::int16_t tabIndex_ = 0; // creation order until set
};

} // namespace platform
