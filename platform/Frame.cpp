// Frames: the back colour, the border and the caption.
#include "platform/Frame.h"

#include "platform/ControlPaint.h"

namespace platform {
namespace {

constexpr std::int32_t CaptionIndent = 8;
constexpr std::int32_t CaptionGap = 3; // blank between the border and the caption on each side

} // namespace

Frame::Frame(Form& parent) : StyledControl(parent, detail::FaceColor, detail::TextColor) {}

void Frame::SetCaption(std::string_view caption)
{
    caption_ = caption;
    Invalidate();
}

void Frame::SetBorderStyle(platform::BorderStyle style)
{
    borderStyle_ = style;
    Invalidate();
}

void Frame::OnPaint(Hdc dc, std::int32_t x, std::int32_t y)
{
    const Rect rect = detail::MakeRect(x, y, Width(), Height());
    detail::Fill(dc, rect, BackColor());
    const Size text = caption_.empty() ? Size{} : detail::MeasureText(Font(), caption_);
    if (borderStyle_ == platform::BorderStyle::FixedSingle) {
        detail::Outline(dc, Rect{rect.left, rect.top + text.cy / 2, rect.right, rect.bottom},
                        detail::EdgeColor, 1);
    }
    if (!caption_.empty()) {
        const std::int32_t left = rect.left + CaptionIndent;
        detail::Fill(dc, Rect{left, rect.top, left + text.cx + 2 * CaptionGap, rect.top + text.cy},
                     BackColor());
        detail::DrawText(dc, rect, left + CaptionGap, rect.top, caption_, Font(), InkColor());
    }
}

} // namespace platform
