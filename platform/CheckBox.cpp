// Check boxes: toggling and the box with its check mark.
#include "platform/CheckBox.h"

#include "platform/ControlPaint.h"

namespace platform {

CheckBox::CheckBox(Form& parent) : ButtonControl(parent, detail::FaceColor) {}

void CheckBox::SetValue(std::int16_t value)
{
    const std::int16_t normalised = value != vbUnchecked ? vbChecked : vbUnchecked;
    if (normalised == value_) {
        return;
    }
    value_ = normalised;
    Invalidate();
    if (Click) {
        Click(Index());
    }
}

void CheckBox::Press()
{
    // The Click of a toggle by the user follows the press, so the value changes quietly here.
    value_ = value_ == vbChecked ? vbUnchecked : vbChecked;
    Invalidate();
}

void CheckBox::PaintIndicator(Hdc dc, const Rect& box, bool down)
{
    detail::Fill(dc, box, detail::EdgeColor);
    detail::Fill(dc, detail::Inset(box, 2), down ? detail::PressedFaceColor : detail::FieldColor);
    if (IsSet()) {
        // A check mark from the left middle down to the bottom third, then up to the top right.
        const std::int32_t size = box.right - box.left;
        const Color ink = IndicatorInk();
        DrawLine(dc, box.left + size / 4, box.top + size / 2, box.left + size * 5 / 12,
                 box.top + size * 3 / 4 - 1, ink, 3);
        DrawLine(dc, box.left + size * 5 / 12, box.top + size * 3 / 4 - 1, box.right - size / 4,
                 box.top + size / 4, ink, 3);
    }
}

} // namespace platform
