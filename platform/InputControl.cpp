// Raising a control's input events to its handlers; font and colours of controls drawn with text.
#include "platform/InputControl.h"

#include "platform/ControlPaint.h"
#include "platform/Form.h"

namespace platform {

void InputControl::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (MouseDown) {
        MouseDown(Index(), button, shift, x, y);
    }
}

void InputControl::OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (MouseUp) {
        MouseUp(Index(), button, shift, x, y);
    }
}

void InputControl::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (MouseMove) {
        MouseMove(Index(), button, shift, x, y);
    }
}

void InputControl::OnClick()
{
    if (Click) {
        Click(Index());
    }
}

void InputControl::OnKeyDown(std::int16_t& keyCode, std::int16_t shift)
{
    if (KeyDown) {
        KeyDown(Index(), keyCode, shift);
    }
}

void InputControl::OnKeyUp(std::int16_t& keyCode, std::int16_t shift)
{
    if (KeyUp) {
        KeyUp(Index(), keyCode, shift);
    }
}

void InputControl::OnKeyPress(std::int16_t& keyAscii)
{
    if (KeyPress) {
        KeyPress(Index(), keyAscii);
    }
}

void InputControl::OnGotFocus()
{
    if (GotFocus) {
        GotFocus(Index());
    }
}

void InputControl::OnLostFocus()
{
    if (LostFocus) {
        LostFocus(Index());
    }
}

bool InputControl::KeepsKeys() const
{
    return Parent().IsLoaded() && HasFocus();
}

StyledControl::StyledControl(Form& parent, Color backColor, Color foreColor)
    : InputControl(parent), font_(detail::ControlFont()), foreColor_(foreColor),
      backColor_(backColor)
{
}

void StyledControl::SetFont(const FontSpec& font)
{
    font_ = font;
    OnFontChanged();
    Invalidate();
}

void StyledControl::SetForeColor(Color color)
{
    foreColor_ = color & 0x00FFFFFF;
    Invalidate();
}

void StyledControl::SetBackColor(Color color)
{
    backColor_ = color & 0x00FFFFFF;
    Invalidate();
}

Color StyledControl::InkColor() const
{
    return IsEnabled() ? foreColor_ : detail::DisabledTextColor;
}

} // namespace platform
