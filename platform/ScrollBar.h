// Scroll bars: a value between Min and Max, changed by the arrow buttons (SmallChange), clicks on
// the track (LargeChange), dragging the thumb, and the arrow, page, Home and End keys.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/InputControl.h"
#include "platform/Timer.h"

namespace platform {

// Value always lies between Min and Max (Min may be the larger: the bar then runs backwards);
// a value set outside is clamped. Change follows every change of Value, by the user or by code,
// except while the thumb is dragged: then Scroll follows each change, and Change the release.
// An arrow or the track held down with the mouse repeats its step.
class ScrollBar : public InputControl {
public:
    enum class Orientation : std::uint8_t { Horizontal, Vertical };
    ScrollBar(Form& parent, Orientation orientation);

    std::int16_t Min() const { return min_; }
    void SetMin(std::int16_t min);
    std::int16_t Max() const { return max_; }
    void SetMax(std::int16_t max);
    std::int16_t Value() const { return value_; }
    void SetValue(std::int16_t value);
    std::int16_t SmallChange() const { return smallChange_; }
    void SetSmallChange(std::int16_t change);
    std::int16_t LargeChange() const { return largeChange_; }
    void SetLargeChange(std::int16_t change);

    std::function<void(std::int16_t index)> Change;
    std::function<void(std::int16_t index)> Scroll;

    bool CanTakeFocus() const override { return focusable_; }
    // A bar that is part of another control (a list box's) leaves the focus where it is.
    void SetFocusable(bool focusable) { focusable_ = focusable; }

protected:
    void OnPaint(Hdc dc, std::int32_t x, std::int32_t y) override;
    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnKeyDown(std::int16_t& keyCode, std::int16_t shift) override;

private:
    enum class Part : std::uint8_t { None, LessArrow, MoreArrow, LessTrack, MoreTrack, Thumb };
    struct Layout {
        std::int32_t length = 0; // along the bar
        std::int32_t arrow = 0;  // length of each arrow button
        std::int32_t thumbStart = 0;
        std::int32_t thumbLength = 0;
    };

    Layout ComputeLayout() const;
    Part PartAt(std::int32_t along) const;
    std::int32_t Along(float x, float y) const;
    // Moves the value by steps towards Max (negative: towards Min); true when it changed.
    bool Step(std::int32_t steps);
    bool SetValueFromUser(std::int32_t value);
    void Repeat();

    Orientation orientation_;
    std::int16_t min_ = 0;
    std::int16_t max_ = 32767;
    std::int16_t value_ = 0;
    std::int16_t smallChange_ = 1;
    std::int16_t largeChange_ = 1;
    bool focusable_ = true;
    Part pressed_ = Part::None;
    std::int32_t pointerAlong_ = 0;
    std::int32_t grabOffset_ = 0; // from the thumb's start to the pointer, while dragging
    std::int16_t valueAtPress_ = 0;
    Timer repeat_;
};

class HScrollBar : public ScrollBar {
public:
    explicit HScrollBar(Form& parent) : ScrollBar(parent, Orientation::Horizontal) {}
};

class VScrollBar : public ScrollBar {
public:
    explicit VScrollBar(Form& parent) : ScrollBar(parent, Orientation::Vertical) {}
};

} // namespace platform
