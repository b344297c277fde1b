// The crossing game's rabbit, also drawn on the launcher's game icon.
#pragma once

#include "assets/Canvas.h"

namespace assetgen {

// The rabbit seen from above in a square box of `size` design units around centre, facing up
// before it is turned by `degrees` clockwise; `sink` (0 to 1) shrinks it and tints it with water
// as it goes under.
void DrawRabbit(Canvas& canvas, Vec centre, double size, double degrees, double sink);

} // namespace assetgen
