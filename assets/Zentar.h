// The alien shooter's figures, also drawn on the launcher's game icon and the options symbols.
#pragma once

#include "assets/Canvas.h"

namespace assetgen {

inline constexpr int AlienTypes = 27;

// The ship, pointing up, in a box of `width` x 2/3 `width` design units with its top left at `at`.
void DrawShip(Canvas& canvas, Vec at, double width);
// Alien type 0 to 26 in a square box of `size` design units around centre.
void DrawAlien(Canvas& canvas, Vec centre, double size, int type);
// A field of stars over a vertical gradient, for space pictures of any size.
void DrawStarField(Canvas& canvas, Color top, Color bottom, int stars, unsigned seed);

} // namespace assetgen
