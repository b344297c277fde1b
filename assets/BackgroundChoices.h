// The four pictures of an options dialog's background row, shared by the games that offer one:
// two plain backgrounds in miniature, the plain colour and the map's own picture.
#pragma once

#include "assets/Canvas.h"

namespace assetgen {

// A 60 x 60 choice showing a background picture scaled into an ink frame.
Image PictureChoice(const Image& background);
// A 60 x 60 choice for a plain colour mixed from red, green and blue.
Image PlainColourChoice();
// A 60 x 60 choice for the level map's own picture: a framed landscape.
Image MapPictureChoice();

} // namespace assetgen
