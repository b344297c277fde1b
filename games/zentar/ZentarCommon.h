// The alien shooter's level map: the aliens with their start positions, the number of the level's
// background picture, the pictures of the 27 alien types, and the map file reader and writer.
// Shared by the game, the alien map editor and the formation tool.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ListFile.h"
#include "toolkit/SpriteClass.h"

namespace ZentarCommon {

inline constexpr std::int16_t AlienTypeCount = 27;

// The aliens of the loaded map in file order: id is the type (an index into AlienPictures), X and
// Y the top-left corner, visible true for every alien read. Never empty: a map without aliens holds
// one hidden element. The aliens share their pictures and own none.
extern std::vector<SpriteClass> MapAliens;
// Holder of the level's background picture; id is the number of the map's "background" record and
// keeps its value across maps that have none (0 before any was read).
extern SpriteClass MapBackground;
// One picture per alien type, loaded and released by the program that uses the module.
extern std::array<SpriteClass, AlienTypeCount> AlienPictures;

// MapAliens becomes one hidden alien; the background picture is released, its number kept.
void ClearMap();
// Clears the map and reads the records of a map file: "alien", type, x, y and "background", n, in
// any order; keywords match exactly and any other item in keyword position is skipped by itself.
// False when the file cannot be opened, a value is not a whole number in -32768..32767, an alien
// type lies outside 0..26 or the file ends inside a record: the aliens read before stay.
bool LoadMap(std::string_view path);
// The same from a reader that is already open (the map's text in memory, for example).
bool ReadMap(platform::ListReader& reader);
// Writes the map: the "background" record, then one "alien" record (type, x, y) a line for every
// visible alien, whole or not at all; false when the file could not be written.
bool SaveMap(std::string_view path);
// The same into a writer that is already open.
void WriteMap(platform::ListWriter& writer);

} // namespace ZentarCommon
