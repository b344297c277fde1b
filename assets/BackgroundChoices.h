// The plain-colour picture of an options dialog's background row, shared by the games that offer
// one (their plain pictures and the map's own picture are Style's preview and level tiles).
#pragma once

#include "assets/Canvas.h"

namespace assetgen {

// A 60 x 60 choice for a plain colour mixed from red, green and blue.
Image PlainColourChoice();

} // namespace assetgen
