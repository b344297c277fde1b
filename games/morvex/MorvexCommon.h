// The rock game's level map: the rocks with their kinds and start positions, the number of the
// level's background picture, and the map file's reader and writer. Shared by the game, the rock
// map editor and the level tool.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ListFile.h"
#include "toolkit/SpriteClass.h"

namespace MorvexCommon {

// A rock's size, kept in its sprite's id.
enum RockKind : std::int32_t { Large = 0, Medium = 1, Small = 2 };

// The rocks of the loaded map in file order: id the kind (a kind outside 0..2 is kept here and
// ignored by the game), X and Y the picture's top-left corner, visible true for every rock read.
// Never empty: a map without rocks holds one hidden entry of kind 0 at (0, 0).
extern std::vector<SpriteClass> MapRocks;
// Holder of the level's background picture; id is the number of the map's "background" record and
// keeps its value across maps that have none (0 before any was read).
extern SpriteClass MapBackground;

// MapRocks becomes one hidden entry; the background picture is released, its number kept.
void ClearMap();
// Clears the map and reads the records of a map file: "background", n and "large", "medium" or
// "small" followed by kind, x, y, in any order; keywords match exactly, and any other item in
// keyword position is skipped by itself. The keyword of a rock only marks the record: the kind
// number decides the size. False when the file cannot be opened, a value is not a whole number in
// -32768..32767, the file ends inside a record, or it holds more than 32767 rocks; what was read
// before stays, and a rock cut short keeps the values read but stays hidden.
bool LoadMap(std::string_view path);
// The same from a reader that is already open (the map's text in memory, for example).
bool ReadMap(platform::ListReader& reader);
// Writes the map: the "background" record, then one rock record a line for every visible entry,
// the keyword naming its kind ("large" for a kind outside 0..2); whole or not at all, false when
// the file could not be written.
bool SaveMap(std::string_view path);
// The same into a writer that is already open.
void WriteMap(platform::ListWriter& writer);

} // namespace MorvexCommon
