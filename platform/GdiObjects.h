// Inside the drawing layer: the tables behind context, bitmap and font handles, shared by the
// drawing, text and picture code. Nothing outside platform/ includes this.
#pragma once

#include <cstdint>

#include "platform/Gdi.h"

namespace platform::detail {

struct BitmapObject {
    Bitmap bitmap;
    Hdc selectedInto = 0;
};

struct DcState {
    Hbitmap bitmap = 0;               // always a valid bitmap handle while the context lives
    BitmapObject* selected = nullptr; // its table entry (entries never move)
    Hbitmap ownedBitmap = 0; // the fresh context's own 1 x 1 bitmap until it is selected out
    Hgdiobj font = 0;
    Color backColor = Rgb(255, 255, 255);
    Color textColor = Rgb(0, 0, 0);
};

// A new handle, never handed out before; 0 once the 32-bit range is spent.
std::int32_t NewHandle();

DcState* FindDc(Hdc dc);
BitmapObject* FindBitmap(Hgdiobj object);

// Fonts live in the text code; the drawing code only selects them.
bool IsFont(Hgdiobj object);
Hgdiobj DefaultFont();

// The stored value of a colour in a bitmap: the colour itself, or for a monochrome bitmap 1 (white)
// when the colour is light and 0 (black) when it is dark.
inline std::uint32_t StoredValue(const Bitmap& bitmap, Color color)
{
    const auto value = static_cast<std::uint32_t>(color) & 0x00FFFFFFu;
    if (!bitmap.monochrome) {
        return value;
    }
    const std::uint32_t red = value & 0xFF;
    const std::uint32_t green = (value >> 8) & 0xFF;
    const std::uint32_t blue = (value >> 16) & 0xFF;
    return red * 299 + green * 587 + blue * 114 >= 128 * 1000 ? 1u : 0u;
}

// The colour a stored value shows: monochrome 1 is white, 0 black.
inline Color ShownColor(const Bitmap& bitmap, std::uint32_t value)
{
    if (bitmap.monochrome) {
        return value != 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
    }
    return static_cast<Color>(value & 0x00FFFFFFu);
}

} // namespace platform::detail
