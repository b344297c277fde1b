// Line controls: ends, colour, width and drawing with the shared pen.
#include "platform/LineControl.h"

#include <algorithm>

namespace platform {

void LineControl::SetX1(std::int32_t x)
{
    x1_ = x;
    Invalidate();
}

void LineControl::SetY1(std::int32_t y)
{
    y1_ = y;
    Invalidate();
}

void LineControl::SetX2(std::int32_t x)
{
    x2_ = x;
    Invalidate();
}

void LineControl::SetY2(std::int32_t y)
{
    y2_ = y;
    Invalidate();
}

void LineControl::SetBorderColor(Color color)
{
    borderColor_ = color & 0x00FFFFFF;
    Invalidate();
}

void LineControl::SetBorderWidth(std::int32_t width)
{
    borderWidth_ = std::max(width, 1);
    Invalidate();
}

void LineControl::OnPaint(Hdc dc, std::int32_t x, std::int32_t y)
{
    DrawLine(dc, x + x1_, y + y1_, x + x2_, y + y2_, borderColor_, borderWidth_);
}

} // namespace platform
