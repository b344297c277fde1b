// GameUtil: procedures shared by every window: the millisecond clock, random integers, the
// colour-keyed copy, rectangles and angles, the display mode, large fonts, screenshots, the panel.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/Gdi.h"
#include "platform/Surface.h"

class SpriteClass;

namespace GameUtil {

// Scale of the high-score window's fonts: 1 for normal fonts, below 1 for large ones.
extern double gFontScale;

// Milliseconds of the performance counter, rounded ties to even. The count wraps at the 32-bit
// limit; differences of readings less than 24 days apart stay right when taken in 32 bits
// (TicksBetween).
std::int32_t GetTickMs();
// later - earlier, wrapping as the clock does.
std::int32_t TicksBetween(std::int32_t earlier, std::int32_t later);

// An integer from low to high, both included. Every call mixes the current tick into one running
// generator, so calls within one millisecond still draw independently.
std::int16_t RandomInt(std::int16_t low, std::int16_t high);
// Fixes the generator's state, so that a run repeats.
void SetRandomState(std::uint64_t state);

// Copies the width x height block at the top-left corner of src to (x, y) of dest, leaving dest
// unchanged where the source pixel equals key. srcX and srcY are not used: the block always starts
// at (0, 0). A source without a picture draws nothing.
void BlitTransparent(platform::Hdc dest, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, platform::Hdc src, std::int32_t srcX, std::int32_t srcY,
                     platform::Color key);

// Non-zero when a and b share a pixel (right and bottom exclusive); d then holds the overlap.
std::int32_t RectsIntersect(const platform::Rect& a, const platform::Rect& b, platform::Rect& d);

double Pi();
float DegToRad(double degrees);
float RadToDeg(double radians);

std::int16_t CountVisible(std::span<const SpriteClass> sprites);

// Switches the display to the first listed mode of that size and depth; true when it is in force.
bool SetDisplayMode(std::int16_t aWidth, std::int16_t aHeight, std::int16_t aBitsPerPixel);
// Brings back the mode found by the first SetDisplayMode.
void RestoreDisplayMode();
// Sets gFontScale from the desktop's text height; true when large fonts are found.
bool CheckLargeFonts();
// Writes the active window's client area as a 24-bit BMP; a failure goes to standard error.
void SaveScreenShot(std::string_view fileName);

// Deletes a frame's context and the picture selected into it; on success the handle becomes 0.
// A handle of 0 answers 1 at once; a context already gone answers 0.
std::int32_t DeleteDCImage(platform::Hdc& handle);

// The status panel of a game window: level centred on (175, 540), score on (630, 540), in the
// form's font and colour, and one colour-keyed icon per life in a row centred on x 400, bottoms at
// y 595.
void DrawPanel(platform::Surface& aForm, std::int16_t level, std::int32_t score, std::int16_t lives,
               const SpriteClass& icon);

} // namespace GameUtil
