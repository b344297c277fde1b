// Reducing a picture to at most 256 colours for GIF files, keeping a key colour exact.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "assets/Canvas.h"

namespace assetgen {

struct Indexed {
    std::vector<Color> palette;        // at most 256 entries
    std::vector<std::uint8_t> indices; // one per pixel
};

// With a key, palette entry 0 is exactly the key, every key pixel uses it and no other pixel does.
// Pictures with few enough colours keep every colour exactly; others are reduced by median cut.
Indexed Quantize(const Image& image, std::optional<Color> key);

} // namespace assetgen
