// Drawing: bitmaps of 32-bit pixels, memory device contexts and raster copies.
// Handles are never reused, so a stale handle stays invalid; every copy is clipped to both bitmaps.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// Colours are 0x00BBGGRR (red in the low byte); -1 is the answer for "no colour".
using Color = std::int32_t;
inline constexpr Color ClrInvalid = -1;
constexpr Color Rgb(int red, int green, int blue)
{
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

using Hdc = std::int32_t;      // device context handle; 0 = none
using Hgdiobj = std::int32_t;  // bitmap or font handle; 0 = none
using Hbitmap = Hgdiobj;

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;  // exclusive
    std::int32_t bottom = 0; // exclusive
};

struct Size {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

inline constexpr std::uint32_t SRCCOPY = 0x00CC0020;
inline constexpr std::uint32_t SRCPAINT = 0x00EE0086;
inline constexpr std::uint32_t SRCAND = 0x008800C6;
inline constexpr std::uint32_t SRCINVERT = 0x00660046;
inline constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
inline constexpr std::uint32_t BLACKNESS = 0x00000042;
inline constexpr std::uint32_t WHITENESS = 0x00FF0062;

// A picture in memory. Colour bitmaps hold 0x00BBGGRR pixels row by row; a monochrome bitmap holds
// 0 (black) or 1 (white) per pixel in the same vector.
struct Bitmap {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool monochrome = false;
    std::vector<std::uint32_t> pixels;

    Bitmap() = default;
    Bitmap(std::int32_t w, std::int32_t h, bool mono = false);
    std::uint32_t* Row(std::int32_t y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const std::uint32_t* Row(std::int32_t y) const
    {
        return pixels.data() + static_cast<std::size_t>(y) * width;
    }
};

// Contexts and objects. A fresh memory context holds a 1 x 1 monochrome bitmap, as on the original
// runtime; selecting a bitmap answers the one selected before.
Hdc CreateCompatibleDC(Hdc reference);
bool DeleteDC(Hdc dc);
Hbitmap CreateCompatibleBitmap(Hdc reference, std::int32_t width, std::int32_t height);
Hbitmap CreateBitmap(std::int32_t width, std::int32_t height, std::uint32_t planes,
                     std::uint32_t bitsPerPixel, const void* bits);
Hbitmap CreateBitmapFrom(Bitmap bitmap);  // takes a loaded picture into a handle
Hgdiobj SelectObject(Hdc dc, Hgdiobj object);
bool DeleteObject(Hgdiobj object);  // fails while the object is selected into a context

// Raster copy of width x height from src (sx, sy) to dst (x, y); clipped to both bitmaps.
// A source of 0 or an invalid handle copies nothing and answers false.
bool BitBlt(Hdc dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
            Hdc src, std::int32_t sx, std::int32_t sy, std::uint32_t rop);

// Colour-keyed copy: as BitBlt with SRCCOPY, except that the destination keeps its pixel wherever
// the source pixel (as GetPixel reads it) equals key. Reads the source from (sx, sy); allocates
// nothing. False for an invalid context.
bool TransparentBlt(Hdc dst, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, Hdc src, std::int32_t sx, std::int32_t sy, Color key);

Color SetBkColor(Hdc dc, Color color);  // answers the old colour, ClrInvalid for a bad handle
Color GetBkColor(Hdc dc);
Color SetTextColor(Hdc dc, Color color);
Color GetTextColor(Hdc dc);
Color GetPixel(Hdc dc, std::int32_t x, std::int32_t y);            // -1 outside or invalid
Color SetPixel(Hdc dc, std::int32_t x, std::int32_t y, Color color); // colour set, or -1

// Non-zero when a and b share a pixel (touching edges do not); dst then holds the overlap,
// otherwise an empty rectangle.
bool IntersectRect(Rect* dst, const Rect* a, const Rect* b);

// Pens: lines and boxes in a colour with a pen width. A box outline of width w is centred on the
// given edges, as the original runtime's thick pens are (details in docs/architecture.md): a pen
// of width w through coordinate c covers c - w div 2 .. c - w div 2 + w - 1. Both ends and both
// corners are included; FillBox fills x1..x2 by y1..y2.
void DrawLine(Hdc dc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              Color color, std::int32_t penWidth);
void DrawBox(Hdc dc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
             Color color, std::int32_t penWidth);
void FillBox(Hdc dc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
             Color color);

// The bitmap selected into a context, for code that works on whole rows (nullptr when invalid).
Bitmap* SelectedBitmap(Hdc dc);

}  // namespace platform
