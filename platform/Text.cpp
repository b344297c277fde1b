// Text in device contexts: extents, metrics and drawing in the context's font and text colour,
// and numbers formatted as the Print statement shows them.
#include "platform/Text.h"

#include <algorithm>
#include <cstdio>

#include "platform/FontCache.h"
#include "platform/GdiObjects.h"

namespace platform {
namespace {

detail::LoadedFont* FontOfDc(Hdc dc)
{
    const auto* state = detail::FindDc(dc);
    return state == nullptr ? nullptr : detail::FontOf(state->font);
}

// Mixes the text colour into a pixel by the glyph's coverage, channel by channel, rounded.
std::uint32_t Blend(std::uint32_t under, std::uint32_t color, std::uint32_t coverage)
{
    std::uint32_t mixed = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t a = (color >> shift) & 0xFF;
        const std::uint32_t b = (under >> shift) & 0xFF;
        mixed |= ((a * coverage + b * (255 - coverage) + 127) / 255) << shift;
    }
    return mixed;
}

} // namespace

bool GetTextExtentPoint32A(Hdc dc, std::string_view text, Size* size)
{
    auto* font = FontOfDc(dc);
    const auto* rendered =
        font == nullptr || size == nullptr ? nullptr : detail::Render(*font, text);
    if (rendered == nullptr) {
        return false;
    }
    *size = Size{rendered->width, rendered->height};
    return true;
}

bool GetTextMetrics(Hdc dc, TextMetrics* metrics)
{
    auto* font = FontOfDc(dc);
    if (font == nullptr || metrics == nullptr) {
        return false;
    }
    *metrics = detail::MetricsOf(*font);
    return true;
}

bool TextOut(Hdc dc, std::int32_t x, std::int32_t y, std::string_view text)
{
    auto* font = FontOfDc(dc);
    const auto* rendered = font == nullptr ? nullptr : detail::Render(*font, text);
    if (rendered == nullptr) {
        return false;
    }
    Bitmap& bitmap = *SelectedBitmap(dc);
    const auto color = static_cast<std::uint32_t>(GetTextColor(dc));
    const auto ink = detail::StoredValue(bitmap, static_cast<Color>(color));
    const std::int64_t left = std::max<std::int64_t>(0, -std::int64_t{x});
    const std::int64_t right =
        std::min<std::int64_t>(rendered->width, std::int64_t{bitmap.width} - x);
    const std::int64_t top = std::max<std::int64_t>(0, -std::int64_t{y});
    const std::int64_t bottom =
        std::min<std::int64_t>(rendered->height, std::int64_t{bitmap.height} - y);
    for (auto j = top; j < bottom; ++j) {
        const auto* coverage = rendered->coverage.data() + j * rendered->width;
        auto* row = bitmap.Row(static_cast<std::int32_t>(y + j));
        for (auto i = left; i < right; ++i) {
            const std::uint32_t a = coverage[i];
            auto& pixel = row[x + i];
            if (a == 0) {
                continue;
            }
            if (bitmap.monochrome) {
                pixel = a >= 128 ? ink : pixel;
            } else {
                pixel = a == 255 ? color : Blend(pixel, color, a);
            }
        }
    }
    return true;
}

std::string PrintNumber(double value, bool single)
{
    // The general format: up to 7 (Single) or 15 (Double) significant digits, no trailing zeros,
    // no point for a whole number, exponent form outside that precision ("1E+20", "1E-05").
    char digits[40];
    if (single) {
        std::snprintf(digits, sizeof digits, "%.7G",
                      static_cast<double>(static_cast<float>(value)));
    } else {
        std::snprintf(digits, sizeof digits, "%.15G", value);
    }
    std::string text = digits;
    if (text == "-0") {
        text = "0";
    }
    return text.front() == '-' ? text : " " + text;
}

} // namespace platform
