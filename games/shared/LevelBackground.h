// The play field's background of the games that offer a choice of four: plain pictures, a plain
// colour, or the level map's own picture, loaded at each level that reads a map.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Form.h"
#include "toolkit/SpriteClass.h"

struct BackgroundChoices {
    // The plain pictures: prefix + n + ".gif" for the choices 0 .. simpleCount - 1.
    std::string_view simplePicture;
    // With 2, choice 2 is the plain colour; with 3 it is a plain picture too.
    std::int16_t simpleCount = 2;
    // Choice 3 shows "background0.jpg" when the map's own picture is missing.
    bool mapFallsBack = false;
};

// Empties the holder (its id, the map's picture number, stays) and loads the background of a
// stored choice: a plain picture; the plain colour of the section's "Red", "Green" and "Blue"
// painted on a canvas of the window's size, which also becomes the window's back colour; 3 the
// map's picture "Gfx\Common\Backgrounds\background<id>.jpg"; any other choice no picture.
void LoadLevelBackground(platform::Form& window, SpriteClass& background, std::int16_t choice,
                         std::string_view section, const BackgroundChoices& choices);

// The background opaque at its place; without a picture the window is cleared to its back colour,
// so that nothing moving leaves a trail.
void DrawLevelBackground(platform::Form& window, const SpriteClass& background);
