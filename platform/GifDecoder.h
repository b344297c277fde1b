// Decoding the first image of a GIF file with giflib, reading only the bytes it is given.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/Gdi.h"

namespace platform {

// The first image at its own size, each pixel its palette colour (a transparent index keeps its
// colour). Nothing when the file is malformed or the image is larger than pictures may be.
std::optional<Bitmap> DecodeGif(std::span<const std::uint8_t> bytes);

} // namespace platform
