// Text: fonts by face name, point size (at 96 dpi) and weight, their extents and metrics, and
// printing into a device context with a transparent background in the context's text colour.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Gdi.h"

namespace platform {

// "Comic Sans MS" is drawn with Comic Neue; every other face with DejaVu Sans.
struct FontSpec {
    std::string face = "DejaVu Sans";
    double points = 8.0;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

struct TextMetrics {
    std::int32_t height = 0; // ascent + descent
    std::int32_t ascent = 0;
    std::int32_t descent = 0;
    std::int32_t averageCharWidth = 0;
};

// A font handle selected into a context with SelectObject; contexts start with the default font
// (DejaVu Sans 8 pt). Font handles are shared and cached by spec; DeleteObject on one is harmless.
Hgdiobj CreateFontHandle(const FontSpec& spec);

bool GetTextExtentPoint32A(Hdc dc, std::string_view text, Size* size);
bool GetTextMetrics(Hdc dc, TextMetrics* metrics);
// Draws text with its top-left corner at (x, y) in the context's text colour, background untouched.
bool TextOut(Hdc dc, std::int32_t x, std::int32_t y, std::string_view text);

// A number as the Print statement shows it: a leading blank for a number that is not negative,
// then the general number format (integers without a point, others with up to 7 significant digits
// for Single and 15 for Double).
std::string PrintNumber(double value, bool single = false);

// Checks that the font files exist; a clear message on standard error and false when one is
// missing.
bool CheckFonts();

} // namespace platform
