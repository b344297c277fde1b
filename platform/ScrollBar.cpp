// Scroll bars: layout of arrows, track and thumb along the bar; steps by mouse, keys and repeat.
#include "platform/ScrollBar.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ControlPaint.h"
#include "platform/Input.h"
#include "platform/Numbers.h"

namespace platform {
namespace {

// A held arrow or track first repeats after RepeatDelayMs, then every RepeatPeriodMs.
constexpr std::int32_t RepeatDelayMs = 400;
constexpr std::int32_t RepeatPeriodMs = 50;

} // namespace

ScrollBar::ScrollBar(Form& parent, Orientation orientation)
    : InputControl(parent), orientation_(orientation), repeat_(parent)
{
    repeat_.OnTimer = [this] { Repeat(); };
}

void ScrollBar::SetMin(std::int16_t min)
{
    min_ = min;
    SetValue(value_);
    Invalidate();
}

void ScrollBar::SetMax(std::int16_t max)
{
    max_ = max;
    SetValue(value_);
    Invalidate();
}

void ScrollBar::SetValue(std::int16_t value)
{
    SetValueFromUser(value);
}

void ScrollBar::SetSmallChange(std::int16_t change)
{
    smallChange_ = std::max<std::int16_t>(change, 1);
}

void ScrollBar::SetLargeChange(std::int16_t change)
{
    largeChange_ = std::max<std::int16_t>(change, 1);
    Invalidate();
}

ScrollBar::Layout ScrollBar::ComputeLayout() const
{
    const bool horizontal = orientation_ == Orientation::Horizontal;
    Layout layout;
    layout.length = horizontal ? Width() : Height();
    const std::int32_t across = horizontal ? Height() : Width();
    layout.arrow = std::min(across, layout.length / 2);
    const std::int32_t track = layout.length - 2 * layout.arrow;
    const std::int32_t range = std::abs(std::int32_t{max_} - std::int32_t{min_});
    // The thumb shows the share of LargeChange in the range, but never less than a square.
    const std::int32_t share = track * largeChange_ / (range + largeChange_);
    layout.thumbLength = std::clamp(share, std::min(across, track), track);
    layout.thumbStart = layout.arrow;
    if (range > 0) {
        const double ratio = static_cast<double>(std::int32_t{value_} - min_) /
                             static_cast<double>(std::int32_t{max_} - min_);
        layout.thumbStart += CLng(ratio * (track - layout.thumbLength));
    }
    return layout;
}

ScrollBar::Part ScrollBar::PartAt(std::int32_t along) const
{
    const Layout layout = ComputeLayout();
    if (along < layout.arrow) {
        return Part::LessArrow;
    }
    if (along >= layout.length - layout.arrow) {
        return Part::MoreArrow;
    }
    if (along < layout.thumbStart) {
        return Part::LessTrack;
    }
    if (along < layout.thumbStart + layout.thumbLength) {
        return Part::Thumb;
    }
    return Part::MoreTrack;
}

std::int32_t ScrollBar::Along(float x, float y) const
{
    return CLng(orientation_ == Orientation::Horizontal ? x : y);
}

bool ScrollBar::Step(std::int32_t steps)
{
    const std::int32_t towardsMax = max_ >= min_ ? steps : -steps;
    return SetValueFromUser(std::int32_t{value_} + towardsMax);
}

bool ScrollBar::SetValueFromUser(std::int32_t value)
{
    const auto clamped = static_cast<std::int16_t>(
        std::clamp(value, std::int32_t{std::min(min_, max_)}, std::int32_t{std::max(min_, max_)}));
    if (clamped == value_) {
        return false;
    }
    value_ = clamped;
    Invalidate();
    if (pressed_ != Part::Thumb && Change) {
        Change(Index());
    }
    return true;
}

void ScrollBar::Repeat()
{
    repeat_.SetInterval(RepeatPeriodMs);
    if (pressed_ == Part::None || pressed_ == Part::Thumb || PartAt(pointerAlong_) != pressed_) {
        return; // the pointer left the part pressed, or the thumb reached it
    }
    switch (pressed_) {
    case Part::LessArrow:
        Step(-smallChange_);
        break;
    case Part::MoreArrow:
        Step(smallChange_);
        break;
    case Part::LessTrack:
        Step(-largeChange_);
        break;
    default:
        Step(largeChange_);
        break;
    }
}

void ScrollBar::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (button == vbLeftButton && pressed_ == Part::None) {
        pointerAlong_ = Along(x, y);
        const Part part = PartAt(pointerAlong_);
        if (part == Part::Thumb) {
            grabOffset_ = pointerAlong_ - ComputeLayout().thumbStart;
            valueAtPress_ = value_;
            pressed_ = Part::Thumb;
        } else {
            pressed_ = part;
            Repeat();
            repeat_.SetInterval(RepeatDelayMs);
            repeat_.SetEnabled(true);
        }
        Invalidate();
    }
    InputControl::OnMouseDown(button, shift, x, y);
}

void ScrollBar::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y)
{
    pointerAlong_ = Along(x, y);
    if (pressed_ == Part::Thumb) {
        const Layout layout = ComputeLayout();
        const std::int32_t travel = layout.length - 2 * layout.arrow - layout.thumbLength;
        if (travel > 0) {
            const std::int32_t start =
                std::clamp(pointerAlong_ - grabOffset_, layout.arrow, layout.arrow + travel);
            const double ratio = static_cast<double>(start - layout.arrow) / travel;
            if (SetValueFromUser(min_ + CLng(ratio * (std::int32_t{max_} - min_))) && Scroll) {
                Scroll(Index());
            }
        }
    } else if (pressed_ != Part::None) {
        Invalidate(); // the pressed arrow shows pressed only while the pointer is on it
    }
    InputControl::OnMouseMove(button, shift, x, y);
}

void ScrollBar::OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (button == vbLeftButton && pressed_ != Part::None) {
        const bool dragged = pressed_ == Part::Thumb;
        pressed_ = Part::None;
        repeat_.SetEnabled(false);
        Invalidate();
        if (dragged && value_ != valueAtPress_ && Change) {
            Change(Index());
        }
    }
    InputControl::OnMouseUp(button, shift, x, y);
}

void ScrollBar::OnKeyDown(std::int16_t& keyCode, std::int16_t shift)
{
    InputControl::OnKeyDown(keyCode, shift);
    if (keyCode == 0 || !KeepsKeys() || pressed_ == Part::Thumb) {
        return;
    }
    switch (keyCode) {
    case vbKeyLeft:
    case vbKeyUp:
        Step(-smallChange_);
        break;
    case vbKeyRight:
    case vbKeyDown:
        Step(smallChange_);
        break;
    case vbKeyPageUp:
        Step(-largeChange_);
        break;
    case vbKeyPageDown:
        Step(largeChange_);
        break;
    case vbKeyHome:
        SetValueFromUser(min_);
        break;
    case vbKeyEnd:
        SetValueFromUser(max_);
        break;
    default:
        break;
    }
}

void ScrollBar::OnPaint(Hdc dc, std::int32_t x, std::int32_t y)
{
    const bool horizontal = orientation_ == Orientation::Horizontal;
    const Layout layout = ComputeLayout();
    const Rect rect = detail::MakeRect(x, y, Width(), Height());
    // A span along the bar as a rectangle across its whole width.
    const auto span = [&](std::int32_t start, std::int32_t length) {
        return horizontal ? detail::MakeRect(x + start, y, length, Height())
                          : detail::MakeRect(x, y + start, Width(), length);
    };
    detail::Fill(dc, rect, detail::TrackColor);
    const Color ink = IsEnabled() ? detail::TextColor : detail::DisabledTextColor;
    const bool onPressed = pressed_ != Part::None && PartAt(pointerAlong_) == pressed_;
    const struct {
        Part part;
        std::int32_t start;
        detail::Direction direction;
    } arrows[] = {
        {Part::LessArrow, 0, horizontal ? detail::Direction::Left : detail::Direction::Up},
        {Part::MoreArrow, layout.length - layout.arrow,
         horizontal ? detail::Direction::Right : detail::Direction::Down},
    };
    for (const auto& arrow : arrows) {
        const Rect box = span(arrow.start, layout.arrow);
        const bool pressed = onPressed && pressed_ == arrow.part;
        detail::Fill(dc, box, pressed ? detail::PressedFaceColor : detail::FaceColor);
        detail::Outline(dc, box, detail::EdgeColor, 1);
        detail::FillArrow(dc, box, arrow.direction, ink);
    }
    if (layout.thumbLength > 0 && IsEnabled()) {
        const Rect thumb = span(layout.thumbStart, layout.thumbLength);
        detail::Fill(dc, thumb, detail::ThumbColor);
        detail::Outline(dc, thumb, detail::EdgeColor, 1);
    }
    if (HasFocus()) {
        detail::DrawFocusRing(dc, rect);
    } else {
        detail::Outline(dc, rect, detail::EdgeColor, 1);
    }
}

} // namespace platform
