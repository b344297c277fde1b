// The brick game's level map: the bricks with their places and types, the number of the level's
// background picture, the pictures of the eleven brick types, and the map file's reader and
// writer. Shared by the game and the brick map editor.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ListFile.h"
#include "toolkit/SpriteClass.h"

namespace KrevinCommon {

inline constexpr std::int16_t BrickTypeCount = 11;

// The bricks of the loaded map: element k holds the brick of record k of the file (X, Y the
// top-left corner, id the type 0..10, the mode's brick size, visible, frame 0 borrowed from
// BrickPictures[id]); every other element is a hidden placeholder with id -1. Never empty.
extern std::vector<SpriteClass> MapBricks;
// One picture per brick type, loaded and released by the program that uses the module.
extern std::array<SpriteClass, BrickTypeCount> BrickPictures;
// Holder of the level's background picture; id is the number of the map's "background" record and
// keeps its value across maps that have none (0 before any was read).
extern SpriteClass MapBackground;

// MapBricks becomes the single hidden placeholder.
void ClearBricks();
// Reads the records "background", n and "brick", x, y, type (keywords matched exactly; any other
// item in keyword position is skipped by itself, yet counts as a record). False when the file
// cannot be opened (the map is then left as it was), or when a value is not a whole number in
// -32768..32767, a type lies outside 0..10, the file ends inside a record or holds a 32768th
// record: the bricks read before stay, and the record being read leaves a placeholder.
bool LoadMap(std::string_view path);
// The same from a reader that is already open (the map's text in memory, for example).
bool ReadMap(platform::ListReader& reader);
// The map in its written form: the "background" record, then one "brick" record a line for every
// brick (placeholders are left out), so that the bricks read back behind the placeholder at 0.
void WriteMap(platform::ListWriter& writer);
// WriteMap to a file, whole or not at all; false when it could not be written.
bool SaveMap(std::string_view path);

} // namespace KrevinCommon
