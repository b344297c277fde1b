// Option buttons: groups by container, selection, arrow keys within the group, the round indicator.
#include "platform/OptionButton.h"

#include <algorithm>

#include "platform/ControlPaint.h"
#include "platform/Form.h"
#include "platform/Input.h"

namespace platform {

OptionButton::OptionButton(Form& parent) : ButtonControl(parent, detail::FaceColor) {}

void OptionButton::SetValue(bool value)
{
    if (value == value_) {
        return;
    }
    if (!value) {
        value_ = false;
        Invalidate();
        return;
    }
    Select();
    if (Click) {
        Click(Index());
    }
}

void OptionButton::Press()
{
    Select();
}

void OptionButton::Select()
{
    for (OptionButton* other : Group()) {
        if (other != this && other->value_) {
            other->value_ = false;
            other->Invalidate();
        }
    }
    value_ = true;
    Invalidate();
}

std::vector<OptionButton*> OptionButton::Group() const
{
    std::vector<OptionButton*> group;
    for (Control* control : Parent().Controls()) {
        auto* option = dynamic_cast<OptionButton*>(control);
        if (option != nullptr && option->Container() == Container()) {
            group.push_back(option);
        }
    }
    std::stable_sort(group.begin(), group.end(), [](const OptionButton* a, const OptionButton* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return group;
}

void OptionButton::OnKeyDown(std::int16_t& keyCode, std::int16_t shift)
{
    ButtonControl::OnKeyDown(keyCode, shift);
    if (keyCode == 0 || !KeepsKeys()) {
        return;
    }
    std::int32_t direction = 0;
    if (keyCode == vbKeyLeft || keyCode == vbKeyUp) {
        direction = -1;
    } else if (keyCode == vbKeyRight || keyCode == vbKeyDown) {
        direction = 1;
    } else {
        return;
    }
    const std::vector<OptionButton*> group = Group();
    const auto count = static_cast<std::int32_t>(group.size());
    const auto at =
        static_cast<std::int32_t>(std::find(group.begin(), group.end(), this) - group.begin());
    for (std::int32_t step = 1; step < count; ++step) {
        OptionButton* next =
            group[static_cast<std::size_t>((at + direction * step + count) % count)];
        if (next->IsShown() && next->IsEnabled()) {
            next->SetFocus();
            next->PressAndClick();
            return;
        }
    }
}

void OptionButton::PaintIndicator(Hdc dc, const Rect& box, bool down)
{
    const std::int32_t size = box.right - box.left;
    detail::FillDisc(dc, box.left, box.top, size, detail::EdgeColor);
    detail::FillDisc(dc, box.left + 2, box.top + 2, size - 4,
                     down ? detail::PressedFaceColor : detail::FieldColor);
    if (value_) {
        const std::int32_t dot = size / 2;
        detail::FillDisc(dc, box.left + (size - dot) / 2, box.top + (size - dot) / 2, dot,
                         IndicatorInk());
    }
}

} // namespace platform
