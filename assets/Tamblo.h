// The maze game's figures, also drawn on the launcher's game icon.
#pragma once

#include "assets/Canvas.h"

namespace assetgen {

// The player's figure in a box of `size` design units around centre, facing direction
// (0 right, 1 down, 2 left, 3 up), mouth open or closed.
void DrawGulpo(Canvas& canvas, Vec centre, double size, int direction, bool open);
// One of the five ghost looks (0 to 4) in a box of `size` around centre.
void DrawGhost(Canvas& canvas, Vec centre, double size, int look);
// A maze cell of `size` with its top left at `at`: tile id 0 to 17 of the tile table.
void DrawMazeTile(Canvas& canvas, Vec at, double size, int tileId);

} // namespace assetgen
