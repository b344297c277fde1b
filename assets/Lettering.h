// Our own stroke lettering: each glyph is a few strokes on a small grid (capitals 6 units high,
// small letters 4, descenders 2 below the line), drawn as round-ended lines at any size.
#pragma once

#include <string_view>

#include "assets/Shape.h"

namespace assetgen {

enum class Align { Left, Centre, Right };

struct TextStyle {
    double capHeight = 12; // height of a capital letter in design units
    double weight = 0.12;  // stroke half-width as a share of the cap height
    double spacing = 0.25; // extra room between letters as a share of the cap height
};

// The text as one shape; `at` is on the baseline, at the left end, the middle or the right end.
Shape Text(std::string_view text, Vec at, const TextStyle& style, Align align = Align::Left);
double TextWidth(std::string_view text, const TextStyle& style);

} // namespace assetgen
