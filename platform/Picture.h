// Pictures: GIF, JPEG, BMP and ICO files loaded into 32-bit bitmaps, and bitmaps saved as BMP.
// A picture's size in pixels is its size everywhere (the original HIMETRIC conversion is 1:1 here).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/Gdi.h"

namespace platform {

// Loads a picture file (path resolved as by ResolvePath). Nothing on any failure, and for a file
// over 64 MB, of another format, or whose header declares a picture of more than 8192 pixels
// either way (refused before decoding, with a line on stderr).
std::optional<Bitmap> LoadPicture(std::string_view path);

// Decodes the bytes of a picture file as LoadPicture does.
std::optional<Bitmap> DecodePicture(std::span<const std::uint8_t> bytes);

// Loads a picture into a new bitmap handle; 0 on any failure.
Hbitmap LoadPictureHandle(std::string_view path);

// Writes the bitmap as a 24-bit BMP; false when it cannot be written (the old file stays intact).
bool SaveBitmapFile(const Bitmap& bitmap, std::string_view path);

} // namespace platform
