// Line controls: a line from (X1, Y1) to (X2, Y2) drawn over the form in a colour and a width, as
// the form's own lines are drawn; it takes no input.
#pragma once

#include <cstdint>

#include "platform/Control.h"

namespace platform {

// Coordinates are in the client pixels of the form (or of the container the line is in). The
// control's own rectangle stays empty, so that clicks pass through to what lies under the line.
class LineControl : public Control {
public:
    explicit LineControl(Form& parent) : Control(parent) {}

    std::int32_t X1() const { return x1_; }
    std::int32_t Y1() const { return y1_; }
    std::int32_t X2() const { return x2_; }
    std::int32_t Y2() const { return y2_; }
    void SetX1(std::int32_t x);
    void SetY1(std::int32_t y);
    void SetX2(std::int32_t x);
    void SetY2(std::int32_t y);
    Color BorderColor() const { return borderColor_; }
    void SetBorderColor(Color color);
    std::int32_t BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(std::int32_t width);

protected:
    void OnPaint(Hdc dc, std::int32_t x, std::int32_t y) override;

private:
    std::int32_t x1_ = 0;
    std::int32_t y1_ = 0;
    std::int32_t x2_ = 0;
    std::int32_t y2_ = 0;
    Color borderColor_ = Rgb(0, 0, 0);
    std::int32_t borderWidth_ = 1;
};

} // namespace platform
