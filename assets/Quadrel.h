// The falling-blocks game's block, also drawn on the launcher's game icon.
#pragma once

#include "assets/Canvas.h"

namespace assetgen {

// The colours of the six block pictures, by block id.
inline constexpr Color BlockColours[] = {0xE8473D, 0xFF9A2E, 0xFFC531,
                                         0x2EB35A, 0x3FA9F5, 0xA66BFF};

// A bevelled block filling the square of `size` design units with its top left at `at`.
void DrawBlock(Canvas& canvas, Vec at, double size, Color colour);

} // namespace assetgen
