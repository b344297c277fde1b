// Picture boxes: the drawing surface sized to the control, the picture under the drawing, the
// border.
#include "platform/PictureBox.h"

#include <algorithm>
#include <utility>

#include "platform/ControlPaint.h"
#include "platform/Picture.h"

namespace platform {

PictureBox::PictureBox(Form& parent) : InputControl(parent)
{
    FitSurface();
}

void PictureBox::SetPicture(std::optional<Bitmap> picture)
{
    picture_ = std::move(picture);
    DrawPicture();
}

bool PictureBox::SetPictureFile(std::string_view path)
{
    SetPicture(LoadPicture(path));
    return picture_.has_value();
}

void PictureBox::SetBorderStyle(platform::BorderStyle style)
{
    borderStyle_ = style;
    FitSurface();
}

void PictureBox::Cls()
{
    Surface::Cls();
    DrawPicture();
}

void PictureBox::SetBackColor(Color color)
{
    Surface::SetBackColor(color);
    DrawPicture();
}

void PictureBox::OnPaint(Hdc dc, std::int32_t x, std::int32_t y)
{
    const std::int32_t border = BorderWidth();
    BitBlt(dc, x + border, y + border, ScaleWidth(), ScaleHeight(), hDC(), 0, 0, SRCCOPY);
    if (border > 0) {
        detail::Outline(dc, detail::MakeRect(x, y, Width(), Height()), detail::EdgeColor, border);
    }
}

void PictureBox::OnResize()
{
    FitSurface();
}

void PictureBox::Invalidate()
{
    Control::Invalidate();
}

std::int32_t PictureBox::BorderWidth() const
{
    return borderStyle_ == platform::BorderStyle::FixedSingle ? 1 : 0;
}

void PictureBox::FitSurface()
{
    const std::int32_t width = std::max(Width() - 2 * BorderWidth(), 0);
    const std::int32_t height = std::max(Height() - 2 * BorderWidth(), 0);
    if (hDC() == 0 || width != ScaleWidth() || height != ScaleHeight()) {
        Resize(width, height);
        DrawPicture();
    }
}

void PictureBox::DrawPicture()
{
    if (picture_) {
        detail::DrawPicture(hDC(), detail::MakeRect(0, 0, ScaleWidth(), ScaleHeight()), 0, 0,
                            *picture_);
    }
    Invalidate();
}

} // namespace platform
