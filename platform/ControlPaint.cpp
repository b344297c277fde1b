// Drawing helpers of the dialog controls: rectangles, rings, discs, arrows, clipped text and
// pictures.
#include "platform/ControlPaint.h"

#include <algorithm>

namespace platform::detail {
namespace {

// A context whose bitmap grows to the largest size asked for; text is drawn into it and copied
// back, so that it stays inside its clip rectangle. Never destroyed: the drawing layer's tables may
// be gone at the end of the process.
class Scratch {
public:
    Hdc Dc(std::int32_t width, std::int32_t height)
    {
        if (dc_ == 0) {
            dc_ = CreateCompatibleDC(0);
        }
        if (width > width_ || height > height_) {
            width_ = std::max(width, width_);
            height_ = std::max(height, height_);
            const Hbitmap fresh = CreateCompatibleBitmap(0, width_, height_);
            const Hgdiobj previous = SelectObject(dc_, fresh);
            DeleteObject(previous);
        }
        return dc_;
    }

private:
    Hdc dc_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

Scratch& TextScratch()
{
    static Scratch* const scratch = new Scratch;
    return *scratch;
}

Hdc MeasuringDc(const FontSpec& font)
{
    static const Hdc dc = CreateCompatibleDC(0);
    SelectObject(dc, CreateFontHandle(font));
    return dc;
}

// The part of rect that lies inside the bitmap of dc.
Rect ClipToDc(Hdc dc, const Rect& rect)
{
    const Bitmap* bitmap = SelectedBitmap(dc);
    if (bitmap == nullptr) {
        return {};
    }
    return Rect{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, bitmap->width),
                std::min(rect.bottom, bitmap->height)};
}

bool IsEmpty(const Rect& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

} // namespace

FontSpec ControlFont()
{
    return FontSpec{"DejaVu Sans", 10.0, false};
}

Rect MakeRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    return Rect{x, y, x + width, y + height};
}

Rect Inset(const Rect& rect, std::int32_t by)
{
    return Rect{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

bool Contains(const Rect& rect, std::int32_t x, std::int32_t y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

void Fill(Hdc dc, const Rect& rect, Color color)
{
    if (!IsEmpty(rect)) {
        FillBox(dc, rect.left, rect.top, rect.right - 1, rect.bottom - 1, color);
    }
}

void Outline(Hdc dc, const Rect& rect, Color color, std::int32_t width)
{
    if (IsEmpty(rect)) {
        return;
    }
    const std::int32_t across =
        std::min(width, std::min(rect.right - rect.left, rect.bottom - rect.top));
    Fill(dc, Rect{rect.left, rect.top, rect.right, rect.top + across}, color);
    Fill(dc, Rect{rect.left, rect.bottom - across, rect.right, rect.bottom}, color);
    Fill(dc, Rect{rect.left, rect.top, rect.left + across, rect.bottom}, color);
    Fill(dc, Rect{rect.right - across, rect.top, rect.right, rect.bottom}, color);
}

void DrawFocusRing(Hdc dc, const Rect& rect)
{
    Outline(dc, rect, FocusEdgeColor, 1);
    Outline(dc, Inset(rect, 1), FocusColor, FocusRingWidth - 1);
}

void DrawSelectedFrame(Hdc dc, const Rect& rect)
{
    const Rect frame = Inset(rect, FocusRingWidth);
    Outline(dc, frame, Rgb(255, 255, 255), SelectedFrameWidth / 2);
    Outline(dc, Inset(frame, SelectedFrameWidth / 2), Rgb(0, 0, 0), SelectedFrameWidth / 2);
}

void FillDisc(Hdc dc, std::int32_t x, std::int32_t y, std::int32_t diameter, Color color)
{
    // Row by row: a pixel belongs to the disc when its centre lies inside the circle.
    const std::int64_t d = diameter;
    for (std::int32_t row = 0; row < diameter; ++row) {
        const std::int64_t dy = 2 * row + 1 - d;
        std::int32_t first = diameter;
        std::int32_t last = -1;
        for (std::int32_t column = 0; column < diameter; ++column) {
            const std::int64_t dx = 2 * column + 1 - d;
            if (dx * dx + dy * dy <= d * d) {
                first = std::min(first, column);
                last = column;
            }
        }
        if (last >= first) {
            Fill(dc, Rect{x + first, y + row, x + last + 1, y + row + 1}, color);
        }
    }
}

void FillArrow(Hdc dc, const Rect& rect, Direction direction, Color color)
{
    const std::int32_t width = rect.right - rect.left;
    const std::int32_t height = rect.bottom - rect.top;
    const std::int32_t size = std::max(std::min(width, height) / 3, 2); // half the base
    const std::int32_t cx = rect.left + width / 2;
    const std::int32_t cy = rect.top + height / 2;
    for (std::int32_t step = 0; step < size; ++step) {
        const std::int32_t half = step; // the triangle widens by one pixel each side per step
        const std::int32_t along = step - size / 2;
        switch (direction) {
        case Direction::Left:
            Fill(dc, Rect{cx + along, cy - half, cx + along + 1, cy + half + 1}, color);
            break;
        case Direction::Right:
            Fill(dc, Rect{cx - along, cy - half, cx - along + 1, cy + half + 1}, color);
            break;
        case Direction::Up:
            Fill(dc, Rect{cx - half, cy + along, cx + half + 1, cy + along + 1}, color);
            break;
        case Direction::Down:
            Fill(dc, Rect{cx - half, cy - along, cx + half + 1, cy - along + 1}, color);
            break;
        }
    }
}

Size MeasureText(const FontSpec& font, std::string_view text)
{
    Size size;
    GetTextExtentPoint32A(MeasuringDc(font), text, &size);
    return size;
}

std::int32_t FontHeight(const FontSpec& font)
{
    TextMetrics metrics;
    GetTextMetrics(MeasuringDc(font), &metrics);
    return std::max(metrics.height, 1);
}

void WrapText(const FontSpec& font, std::string_view text, std::int32_t width,
              std::vector<std::string_view>& lines)
{
    lines.clear();
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        // Take as many words as fit; a line that fits whole is taken at once.
        while (MeasureText(font, line).cx > width) {
            std::size_t cut = line.find(' ');
            if (cut == std::string_view::npos) {
                break;
            }
            for (std::size_t next = line.find(' ', cut + 1);
                 next != std::string_view::npos &&
                 MeasureText(font, line.substr(0, next)).cx <= width;
                 next = line.find(' ', next + 1)) {
                cut = next;
            }
            lines.push_back(line.substr(0, cut));
            line.remove_prefix(cut + 1);
        }
        lines.push_back(line);
        start = end + 1;
    }
}

void DrawText(Hdc dc, const Rect& clip, std::int32_t x, std::int32_t y, std::string_view text,
              const FontSpec& font, Color color)
{
    const Rect area = ClipToDc(dc, clip);
    if (IsEmpty(area) || text.empty()) {
        return;
    }
    const std::int32_t width = area.right - area.left;
    const std::int32_t height = area.bottom - area.top;
    const Hdc scratch = TextScratch().Dc(width, height);
    BitBlt(scratch, 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
    SelectObject(scratch, CreateFontHandle(font));
    SetTextColor(scratch, color);
    TextOut(scratch, x - area.left, y - area.top, text);
    BitBlt(dc, area.left, area.top, width, height, scratch, 0, 0, SRCCOPY);
}

void DrawPicture(Hdc dc, const Rect& clip, std::int32_t x, std::int32_t y, const Bitmap& picture)
{
    Bitmap* target = SelectedBitmap(dc);
    if (target == nullptr || target->monochrome || picture.monochrome) {
        return;
    }
    const Rect area = ClipToDc(dc, clip);
    const std::int32_t left = std::max(area.left, x);
    const std::int32_t right = std::min(area.right, x + picture.width);
    const std::int32_t top = std::max(area.top, y);
    const std::int32_t bottom = std::min(area.bottom, y + picture.height);
    if (right <= left) {
        return;
    }
    for (std::int32_t row = top; row < bottom; ++row) {
        const std::uint32_t* source = picture.Row(row - y) + (left - x);
        std::copy(source, source + (right - left), target->Row(row) + left);
    }
}

void DrawPictureCentred(Hdc dc, const Rect& rect, const Bitmap& picture, std::int32_t shift)
{
    const std::int32_t x = rect.left + (rect.right - rect.left - picture.width) / 2 + shift;
    const std::int32_t y = rect.top + (rect.bottom - rect.top - picture.height) / 2 + shift;
    DrawPicture(dc, rect, x, y, picture);
}

} // namespace platform::detail
