// Labels: the caption wrapped to the label's width and drawn aligned, line under line.
#include "platform/Label.h"

#include "platform/ControlPaint.h"

namespace platform {

Label::Label(Form& parent) : StyledControl(parent, detail::FaceColor, detail::TextColor) {}

void Label::SetCaption(std::string_view caption)
{
    caption_ = caption;
    wrapped_ = false;
    Invalidate();
}

void Label::SetAlignment(platform::Alignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void Label::SetBackStyle(platform::BackStyle style)
{
    backStyle_ = style;
    Invalidate();
}

void Label::OnPaint(Hdc dc, std::int32_t x, std::int32_t y)
{
    const Rect rect = detail::MakeRect(x, y, Width(), Height());
    if (backStyle_ == platform::BackStyle::Opaque) {
        detail::Fill(dc, rect, BackColor());
    }
    if (!wrapped_) {
        detail::WrapText(Font(), caption_, Width(), lines_);
        wrapped_ = true;
    }
    const std::int32_t lineHeight = detail::FontHeight(Font());
    std::int32_t top = y;
    for (const std::string_view line : lines_) {
        const std::int32_t width = detail::MeasureText(Font(), line).cx;
        std::int32_t left = x;
        if (alignment_ == platform::Alignment::RightJustify) {
            left = x + Width() - width;
        } else if (alignment_ == platform::Alignment::Center) {
            left = x + (Width() - width) / 2;
        }
        detail::DrawText(dc, rect, left, top, line, Font(), InkColor());
        top += lineHeight;
    }
}

} // namespace platform
