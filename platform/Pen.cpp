// Pens: lines, box outlines and filled boxes. A pen of width w drawn through the point (x, y)
// covers the square of pixels from x - w div 2 to x - w div 2 + w - 1 (the same rows), so it is
// centred on the grid line that runs along the left and top edges of pixel (x, y). Ends are
// included.
#include <algorithm>
#include <cstdlib>

#include "platform/Gdi.h"
#include "platform/GdiObjects.h"

namespace platform {
namespace {

// Fills the pixels from (left, top) to (right, bottom), both corners included, inside the bitmap.
void FillPixels(Bitmap& bitmap, std::int64_t left, std::int64_t top, std::int64_t right,
                std::int64_t bottom, std::uint32_t value)
{
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, bitmap.width - 1);
    bottom = std::min<std::int64_t>(bottom, bitmap.height - 1);
    if (left > right) {
        return;
    }
    for (auto y = top; y <= bottom; ++y) {
        auto* row = bitmap.Row(static_cast<std::int32_t>(y));
        std::fill(row + left, row + right + 1, value);
    }
}

// The offset across the line at step `along` of `length` steps for a total offset `across`,
// rounded to the nearest pixel (halves away from the start). Magnitudes are worked in unsigned
// 64 bits, which hold every product of two 32-bit coordinate differences.
std::int64_t Offset(std::int64_t along, std::int64_t length, std::int64_t across)
{
    const auto magnitude = static_cast<std::uint64_t>(along) *
                           static_cast<std::uint64_t>(across < 0 ? -across : across);
    const auto divisor = static_cast<std::uint64_t>(length);
    auto quotient = magnitude / divisor;
    if (2 * (magnitude % divisor) >= divisor) {
        ++quotient;
    }
    const auto offset = static_cast<std::int64_t>(quotient);
    return across < 0 ? -offset : offset;
}

struct Pen {
    Bitmap* bitmap = nullptr;
    std::uint32_t value = 0;
    std::int64_t width = 1;
    std::int64_t half = 0;

    // The pen's square through each point from (x1, y1) to (x2, y2) along a grid line.
    void Band(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) const
    {
        FillPixels(*bitmap, std::min(x1, x2) - half, std::min(y1, y2) - half,
                   std::max(x1, x2) - half + width - 1, std::max(y1, y2) - half + width - 1, value);
    }
};

bool MakePen(Hdc dc, Color color, std::int32_t penWidth, Pen* pen)
{
    pen->bitmap = SelectedBitmap(dc);
    if (pen->bitmap == nullptr) {
        return false;
    }
    pen->value = detail::StoredValue(*pen->bitmap, color);
    pen->width = std::max(penWidth, 1);
    pen->half = pen->width / 2;
    return true;
}

} // namespace

void DrawLine(Hdc dc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              Color color, std::int32_t penWidth)
{
    Pen pen;
    if (!MakePen(dc, color, penWidth, &pen)) {
        return;
    }
    if (x1 == x2 || y1 == y2) {
        pen.Band(x1, y1, x2, y2);
        return;
    }
    // One point per step along the longer axis, the other coordinate rounded to the nearest pixel;
    // only the steps whose square can reach the bitmap are walked.
    const bool alongX = std::abs(std::int64_t{x2} - x1) >= std::abs(std::int64_t{y2} - y1);
    std::int64_t a1 = alongX ? x1 : y1;
    std::int64_t b1 = alongX ? y1 : x1;
    std::int64_t a2 = alongX ? x2 : y2;
    std::int64_t b2 = alongX ? y2 : x2;
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const std::int64_t extent = alongX ? pen.bitmap->width : pen.bitmap->height;
    const std::int64_t first = std::max(a1, pen.half - pen.width + 1);
    const std::int64_t last = std::min(a2, extent - 1 + pen.half);
    for (auto a = first; a <= last; ++a) {
        const auto b = b1 + Offset(a - a1, a2 - a1, b2 - b1);
        if (alongX) {
            pen.Band(a, b, a, b);
        } else {
            pen.Band(b, a, b, a);
        }
    }
}

void DrawBox(Hdc dc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
             Color color, std::int32_t penWidth)
{
    Pen pen;
    if (!MakePen(dc, color, penWidth, &pen)) {
        return;
    }
    pen.Band(x1, y1, x2, y1);
    pen.Band(x1, y2, x2, y2);
    pen.Band(x1, y1, x1, y2);
    pen.Band(x2, y1, x2, y2);
}

void FillBox(Hdc dc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
             Color color)
{
    Pen pen;
    if (MakePen(dc, color, 1, &pen)) {
        pen.Band(x1, y1, x2, y2);
    }
}

} // namespace platform
