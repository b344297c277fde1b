// Inside the text code: font handles, the font files behind them, and a cache of rendered texts, so
// that printing the same text again (a score every frame) neither renders nor allocates.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Text.h"

namespace platform::detail {

// A text as the font draws it: its extent and the coverage (0..255) of each pixel, row by row.
struct RenderedText {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> coverage;
};

class LoadedFont;

// The font of a handle, opened on first use; nullptr for a handle that is no font or whose file
// cannot be opened.
LoadedFont* FontOf(Hgdiobj handle);

// The rendered text (cached); nullptr when it cannot be rendered.
const RenderedText* Render(LoadedFont& font, std::string_view text);
TextMetrics MetricsOf(LoadedFont& font);

// The font file for a spec, and its size in pixels at 96 dpi.
const char* FontFileFor(const FontSpec& spec);
std::int32_t PixelSize(double points);

} // namespace platform::detail
