// The common part of command buttons, check boxes and option buttons: a caption or a picture, the
// standard or graphical style, the pressed look, and pressing by mouse, Space or Enter.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/InputControl.h"

namespace platform {

// Standard: a command button shows its caption on a flat face; a check box or option button shows
// its box or circle and the caption beside it on the back colour. Graphical: a push button that
// shows its picture (DownPicture while down or set, where there is one) or, without one, its
// caption; a set check box or selected option button carries a white and black frame, so that the
// state shows even without a down picture.
enum class ButtonStyle : std::int16_t { Standard = 0, Graphical = 1 };

class ButtonControl : public StyledControl {
public:
    ButtonControl(Form& parent, Color backColor);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    ButtonStyle Style() const { return style_; }
    void SetStyle(ButtonStyle style);
    const std::optional<Bitmap>& Picture() const { return picture_; }
    void SetPicture(std::optional<Bitmap> picture);
    const std::optional<Bitmap>& DownPicture() const { return downPicture_; }
    void SetDownPicture(std::optional<Bitmap> picture);
    // Load picture files (paths as for LoadPicture); false, and no picture, when one cannot.
    bool SetPictureFile(std::string_view path);
    bool SetDownPictureFile(std::string_view path);

    bool CanTakeFocus() const override { return true; }

protected:
    // What a press does: a command button clicks, a check box toggles, an option button is
    // selected. It runs when the left button is released over the control, or Space (or Enter,
    // where the control takes it) is released while it has the focus; Click follows.
    virtual void Press() {}
    // Whether Enter presses the control like Space (command buttons).
    virtual bool PressesOnEnter() const { return false; }
    // A set check box or a selected option button.
    virtual bool IsSet() const { return false; }
    // The box or circle of the standard style, drawn in a square; command buttons have none. Its
    // mark is drawn in IndicatorInk, dark on the light field whatever the fore colour.
    virtual bool HasIndicator() const { return false; }
    virtual void PaintIndicator(Hdc, const Rect&, bool) {}
    Color IndicatorInk() const;

    void OnPaint(Hdc dc, std::int32_t x, std::int32_t y) override;
    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnClick() override;
    void OnKeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void OnKeyUp(std::int16_t& keyCode, std::int16_t shift) override;
    void OnLostFocus() override;

    // Presses as a click would, then raises Click.
    void PressAndClick();

private:
    void PaintGraphical(Hdc dc, const Rect& rect, bool down);
    void PaintStandard(Hdc dc, const Rect& rect, bool down);

    std::string caption_;
    ButtonStyle style_ = ButtonStyle::Standard;
    std::optional<Bitmap> picture_;
    std::optional<Bitmap> downPicture_;
    bool mouseDown_ = false;    // the left button went down on the control and is still down
    bool pointerOver_ = false;  // while mouseDown_: the pointer is over the control
    bool keyDown_ = false;      // Space (or Enter) went down while the control had the focus
    bool clickPending_ = false; // a left-button release over the control, for OnClick
};

} // namespace platform
