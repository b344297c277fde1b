// Buttons: pressing by mouse and keys, and the standard and graphical looks.
#include "platform/ButtonControl.h"

#include <algorithm>
#include <utility>

#include "platform/ControlPaint.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "platform/Picture.h"

namespace platform {
namespace {

constexpr std::int32_t IndicatorGap = 5; // between the box or circle and the caption

} // namespace

ButtonControl::ButtonControl(Form& parent, Color backColor)
    : StyledControl(parent, backColor, detail::TextColor)
{
}

void ButtonControl::SetCaption(std::string_view caption)
{
    caption_ = caption;
    Invalidate();
}

void ButtonControl::SetStyle(ButtonStyle style)
{
    style_ = style;
    Invalidate();
}

void ButtonControl::SetPicture(std::optional<Bitmap> picture)
{
    picture_ = std::move(picture);
    Invalidate();
}

void ButtonControl::SetDownPicture(std::optional<Bitmap> picture)
{
    downPicture_ = std::move(picture);
    Invalidate();
}

bool ButtonControl::SetPictureFile(std::string_view path)
{
    SetPicture(LoadPicture(path));
    return picture_.has_value();
}

bool ButtonControl::SetDownPictureFile(std::string_view path)
{
    SetDownPicture(LoadPicture(path));
    return downPicture_.has_value();
}

Color ButtonControl::IndicatorInk() const
{
    return IsEnabled() ? detail::TextColor : detail::DisabledTextColor;
}

void ButtonControl::PressAndClick()
{
    Press();
    if (Parent().IsLoaded()) {
        InputControl::OnClick();
    }
}

void ButtonControl::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    clickPending_ = false;
    if (button == vbLeftButton) {
        mouseDown_ = true;
        pointerOver_ = true;
        Invalidate();
    }
    InputControl::OnMouseDown(button, shift, x, y);
}

void ButtonControl::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (mouseDown_) {
        const bool over =
            x >= 0 && y >= 0 && x < static_cast<float>(Width()) && y < static_cast<float>(Height());
        if (over != pointerOver_) {
            pointerOver_ = over;
            Invalidate();
        }
    }
    InputControl::OnMouseMove(button, shift, x, y);
}

void ButtonControl::OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (button == vbLeftButton && mouseDown_) {
        mouseDown_ = false;
        Invalidate();
        if (x >= 0 && y >= 0 && x < static_cast<float>(Width()) &&
            y < static_cast<float>(Height())) {
            Press();
            clickPending_ = true;
        }
    }
    InputControl::OnMouseUp(button, shift, x, y);
}

void ButtonControl::OnClick()
{
    if (clickPending_) {
        clickPending_ = false;
        InputControl::OnClick();
    }
}

void ButtonControl::OnKeyDown(std::int16_t& keyCode, std::int16_t shift)
{
    InputControl::OnKeyDown(keyCode, shift);
    if (keyCode == 0 || !KeepsKeys()) {
        return;
    }
    if (keyCode == vbKeySpace || (keyCode == vbKeyReturn && PressesOnEnter())) {
        keyDown_ = true;
        Invalidate();
    }
}

void ButtonControl::OnKeyUp(std::int16_t& keyCode, std::int16_t shift)
{
    InputControl::OnKeyUp(keyCode, shift);
    if (keyCode == 0 || !KeepsKeys() || !keyDown_) {
        return;
    }
    if (keyCode == vbKeySpace || (keyCode == vbKeyReturn && PressesOnEnter())) {
        keyDown_ = false;
        Invalidate();
        PressAndClick();
    }
}

void ButtonControl::OnLostFocus()
{
    keyDown_ = false;
    Invalidate();
    InputControl::OnLostFocus();
}

void ButtonControl::OnPaint(Hdc dc, std::int32_t x, std::int32_t y)
{
    const Rect rect = detail::MakeRect(x, y, Width(), Height());
    const bool down = (mouseDown_ && pointerOver_) || keyDown_;
    if (style_ == ButtonStyle::Graphical || !HasIndicator()) {
        PaintGraphical(dc, rect, down);
    } else {
        PaintStandard(dc, rect, down);
    }
    if (HasFocus()) {
        detail::DrawFocusRing(dc, rect);
    }
}

void ButtonControl::PaintGraphical(Hdc dc, const Rect& rect, bool down)
{
    const bool showsDown = down || IsSet();
    const std::optional<Bitmap>& picture = showsDown && downPicture_ ? downPicture_ : picture_;
    const std::int32_t shift = down ? 1 : 0; // pressed: the face moves a pixel down and right
    detail::Fill(dc, rect, down && !picture ? detail::PressedFaceColor : BackColor());
    if (picture) {
        detail::DrawPictureCentred(dc, rect, *picture, shift);
    } else {
        const Size size = detail::MeasureText(Font(), caption_);
        detail::DrawText(dc,
                         Rect{rect.left + detail::FocusRingWidth, rect.top,
                              rect.right - detail::FocusRingWidth, rect.bottom},
                         rect.left + (rect.right - rect.left - size.cx) / 2 + shift,
                         rect.top + (rect.bottom - rect.top - size.cy) / 2 + shift, caption_,
                         Font(), InkColor());
    }
    detail::Outline(dc, rect, detail::EdgeColor, down ? 2 : 1);
    if (IsSet()) {
        detail::DrawSelectedFrame(dc, rect);
    }
}

void ButtonControl::PaintStandard(Hdc dc, const Rect& rect, bool down)
{
    detail::Fill(dc, rect, BackColor());
    const Rect inner = detail::Inset(rect, detail::FocusRingWidth + 1);
    const std::int32_t size = std::clamp(Height() - 12, 10, 18);
    const Rect box = detail::MakeRect(inner.left, rect.top + (Height() - size) / 2, size, size);
    PaintIndicator(dc, box, down);
    const Size text = detail::MeasureText(Font(), caption_);
    // Cut at the sides only: a caption a little taller than a small button still shows whole.
    detail::DrawText(dc, Rect{inner.left, rect.top, inner.right, rect.bottom},
                     box.right + IndicatorGap, rect.top + (Height() - text.cy) / 2, caption_,
                     Font(), InkColor());
}

} // namespace platform
