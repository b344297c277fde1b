// The drawing surface of windows and picture boxes: a back buffer with pen, colours, font and a
// text position.
#include "platform/Surface.h"

#include <algorithm>
#include <cstring>

#include "platform/Numbers.h"

namespace platform {
namespace {

constexpr double HimetricPerInch = 2540.0;
constexpr double PixelsPerInch = 96.0;

// Fills the first row and copies it to the others: a row copy is far faster than a pixel loop
// over the whole buffer, and games clear the window every frame.
void FillWith(Hdc dc, Color color)
{
    auto* bitmap = SelectedBitmap(dc);
    if (bitmap == nullptr || bitmap->width <= 0 || bitmap->height <= 0) {
        return;
    }
    std::uint32_t* first = bitmap->Row(0);
    std::fill(first, first + bitmap->width, static_cast<std::uint32_t>(color) & 0x00FFFFFFu);
    const auto rowBytes = static_cast<std::size_t>(bitmap->width) * sizeof(std::uint32_t);
    for (std::int32_t y = 1; y < bitmap->height; ++y) {
        std::memcpy(bitmap->Row(y), first, rowBytes);
    }
}

} // namespace

Surface::Surface() = default;

Surface::~Surface()
{
    if (dc_ != 0) {
        SelectObject(dc_, originalBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        DeleteObject(originalBitmap_);
    }
}

void Surface::Resize(std::int32_t width, std::int32_t height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (dc_ == 0) {
        dc_ = CreateCompatibleDC(0);
        SetBkColor(dc_, backColor_);
        SetTextColor(dc_, foreColor_);
        SelectObject(dc_, CreateFontHandle(font_));
    }
    Bitmap fresh(width, height);
    std::fill(fresh.pixels.begin(), fresh.pixels.end(),
              static_cast<std::uint32_t>(backColor_) & 0x00FFFFFFu);
    if (bitmap_ != 0) {
        const Bitmap& old = *SelectedBitmap(dc_);
        const auto keptWidth = static_cast<std::size_t>(std::min(width, old.width));
        for (std::int32_t y = 0; y < std::min(height, old.height); ++y) {
            std::copy_n(old.Row(y), keptWidth, fresh.Row(y));
        }
    }
    const auto handle = CreateBitmapFrom(std::move(fresh));
    const auto previous = SelectObject(dc_, handle);
    if (bitmap_ == 0) {
        originalBitmap_ = previous;
    } else {
        DeleteObject(previous);
    }
    bitmap_ = handle;
    width_ = width;
    height_ = height;
    Invalidate();
}

void Surface::SetDrawWidth(std::int32_t width)
{
    drawWidth_ = std::max(width, 1);
}

void Surface::SetBackColor(Color color)
{
    backColor_ = color & 0x00FFFFFF;
    SetBkColor(dc_, backColor_);
    FillWith(dc_, backColor_);
    Invalidate();
}

void Surface::SetForeColor(Color color)
{
    foreColor_ = color & 0x00FFFFFF;
    SetTextColor(dc_, foreColor_);
}

void Surface::SetFont(const FontSpec& font)
{
    font_ = font;
    SelectObject(dc_, CreateFontHandle(font_));
}

void Surface::Line(double x1, double y1, double x2, double y2, Color color, bool box, bool fill)
{
    const Color ink = color == ClrInvalid ? foreColor_ : color;
    const auto left = CLng(x1);
    const auto top = CLng(y1);
    const auto right = CLng(x2);
    const auto bottom = CLng(y2);
    if (box && fill) {
        FillBox(dc_, left, top, right, bottom, ink);
        DrawBox(dc_, left, top, right, bottom, ink, drawWidth_);
    } else if (box) {
        DrawBox(dc_, left, top, right, bottom, ink, drawWidth_);
    } else {
        DrawLine(dc_, left, top, right, bottom, ink, drawWidth_);
    }
    CurrentX = x2;
    CurrentY = y2;
    Invalidate();
}

void Surface::Print(std::string_view text)
{
    Size size;
    if (!GetTextExtentPoint32A(dc_, text, &size)) {
        return;
    }
    TextOut(dc_, CLng(CurrentX), CLng(CurrentY), text);
    CurrentX = 0;
    CurrentY += size.cy;
    Invalidate();
}

void Surface::Cls()
{
    FillWith(dc_, backColor_);
    CurrentX = 0;
    CurrentY = 0;
    Invalidate();
}

double Surface::HimetricToPixelsX(double himetric)
{
    return himetric * PixelsPerInch / HimetricPerInch;
}
double Surface::HimetricToPixelsY(double himetric)
{
    return himetric * PixelsPerInch / HimetricPerInch;
}
double Surface::PixelsToHimetricX(double pixels)
{
    return pixels * HimetricPerInch / PixelsPerInch;
}
double Surface::PixelsToHimetricY(double pixels)
{
    return pixels * HimetricPerInch / PixelsPerInch;
}

} // namespace platform
