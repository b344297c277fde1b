// Picture boxes: a control that is also a drawing surface, showing a picture file and whatever code
// draws into it (its persistent back buffer), with or without a border.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/InputControl.h"
#include "platform/Surface.h"

namespace platform {

// The drawing area (hDC, ScaleWidth, ScaleHeight) is the control's size less its border, and keeps
// what is drawn on it when the box is resized, as far as it fits. The picture is drawn at the
// area's top-left corner whenever it is set and again by a resize, Cls and SetBackColor, so that
// it lies under whatever code draws afterwards. A picture box does not take the focus.
class PictureBox : public InputControl, public Surface {
public:
    explicit PictureBox(Form& parent);

    // The picture, or none; a picture that could not be loaded leaves the box without one.
    const std::optional<Bitmap>& Picture() const { return picture_; }
    void SetPicture(std::optional<Bitmap> picture);
    // Loads a picture file (path as for LoadPicture); false, and no picture, when it cannot.
    bool SetPictureFile(std::string_view path);

    platform::BorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(platform::BorderStyle style);

    // Clearing fills the area with the back colour and draws the picture again.
    void Cls();
    void SetBackColor(Color color);

protected:
    void OnPaint(Hdc dc, std::int32_t x, std::int32_t y) override;
    void OnResize() override;
    void Invalidate() override;

private:
    std::int32_t BorderWidth() const;
    void FitSurface();
    void DrawPicture();

    std::optional<Bitmap> picture_;
    platform::BorderStyle borderStyle_ = platform::BorderStyle::None;
};

} // namespace platform
