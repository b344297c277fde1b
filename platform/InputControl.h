// The event handlers that dialog controls offer their form (Click, MouseDown, KeyDown, ...), each
// given the control's Index so that one handler can serve a control array, and their font and
// colours.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Control.h"
#include "platform/Text.h"

namespace platform {

// A border around a picture box or a frame.
enum class BorderStyle : std::int16_t { None = 0, FixedSingle = 1 };

using ClickHandler = std::function<void(std::int16_t index)>;
using MouseHandler = std::function<void(std::int16_t index, std::int16_t button, std::int16_t shift,
                                        float x, float y)>;
// A key handler may set keyCode (or keyAscii) to 0 so that the control ignores the key.
using KeyHandler =
    std::function<void(std::int16_t index, std::int16_t& keyCode, std::int16_t shift)>;
using KeyPressHandler = std::function<void(std::int16_t index, std::int16_t& keyAscii)>;
using FocusHandler = std::function<void(std::int16_t index)>;

// Key handlers run before the control's own handling of the key, so that they can stop it; mouse
// handlers and Click run after it (an option button is selected before its MouseUp and Click run).
// Mouse positions are in the control's own pixels. A handler left empty does nothing.
class InputControl : public Control {
public:
    explicit InputControl(Form& parent) : Control(parent) {}

    ClickHandler Click;
    MouseHandler MouseDown;
    MouseHandler MouseUp;
    MouseHandler MouseMove;
    KeyHandler KeyDown;
    KeyHandler KeyUp;
    KeyPressHandler KeyPress;
    FocusHandler GotFocus;
    FocusHandler LostFocus;

protected:
    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnClick() override;
    void OnKeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void OnKeyUp(std::int16_t& keyCode, std::int16_t shift) override;
    void OnKeyPress(std::int16_t& keyAscii) override;
    void OnGotFocus() override;
    void OnLostFocus() override;

    // Whether a key may still be handled after its handler ran (the handler may have closed the
    // form or moved the focus).
    bool KeepsKeys() const;
};

// A control drawn with text: a font and fore and back colours.
class StyledControl : public InputControl {
public:
    StyledControl(Form& parent, Color backColor, Color foreColor);

    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color color);

protected:
    // The fore colour, grey while the control is disabled.
    Color InkColor() const;
    // Called after the font changed (controls sized by their font re-lay themselves out).
    virtual void OnFontChanged() {}

private:
    FontSpec font_;
    Color foreColor_;
    Color backColor_;
};

} // namespace platform
