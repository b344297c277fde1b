// Where the 800 x 600 screen picture lies in a window of any size when the window shows it without
// a graphics card: scaled by one factor to fit, centred between black bars, each window pixel
// showing the nearest picture pixel. The pointer maps back through the same rule, so a click lands
// on the picture pixel drawn under it.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Form.h"
#include "platform/Gdi.h"
#include "platform/Input.h"

namespace platform {

class Letterbox {
public:
    Letterbox(std::int32_t windowWidth, std::int32_t windowHeight);

    std::int32_t WindowWidth() const { return windowWidth_; }
    std::int32_t WindowHeight() const { return windowHeight_; }
    // The window pixels that show the picture; the rest are bars.
    const Rect& PictureRect() const { return picture_; }
    // The picture pixel shown at a window pixel (clamped into the picture, for the bars).
    Point ToPicture(Point window) const;
    // The first window pixel that shows a picture pixel.
    Point ToWindow(Point picture) const;

    // Draws the picture rows first..last (inclusive) into 32-bit window pixels, red and blue
    // swapped when asked (for a window whose order differs from the picture's); answers the
    // window rows it wrote. bars: clears the bars too.
    Rect Draw(const Bitmap& picture, std::int32_t first, std::int32_t last, std::uint32_t* window,
              std::int32_t pitchPixels, bool swapRedBlue, bool bars) const;

private:
    std::int32_t windowWidth_;
    std::int32_t windowHeight_;
    Rect picture_{};
    std::vector<std::int32_t> sourceColumns_; // picture column of each column of PictureRect
};

} // namespace platform
