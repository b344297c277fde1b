// The crossing game's level map: road and river lanes, cars, logs, flowers and bushes as six
// arrays of sprites, with the map file's reader and its one writer. Shared by the game, the level
// tool and the crossing map editor.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ListFile.h"
#include "toolkit/SpriteClass.h"

namespace LupidoCommon {

// Lane ids pick one of this many lane pictures.
inline constexpr std::int16_t LaneVariants = 6;

// Each array holds the records of its kind in file order, every one visible; a kind without
// records holds one hidden element. The reader sets id and Y of lanes; id (0 moves right, any
// other value left), X, Y and the speed factor in xMov of cars and logs; X and Y of flowers and
// bushes. The elements own no pictures: the game shares its pictures into them.
extern std::vector<SpriteClass> MapRoads;
extern std::vector<SpriteClass> MapCars;
extern std::vector<SpriteClass> MapRivers;
extern std::vector<SpriteClass> MapLogs;
extern std::vector<SpriteClass> MapFlowers;
extern std::vector<SpriteClass> MapBushes;

// Every array becomes one hidden element.
void ClearMap();
// Clears the map and reads a map file's records: "river" or "road", id, Y; "log" or "car", id, X,
// Y, speed factor; "flower" or "bush", X, Y. Keywords match exactly and any other item in keyword
// position is skipped by itself. False when the file cannot be opened, a coordinate or id is not a
// whole number in -32768..32767, a speed is not a number, a lane id lies outside 0..5 (it picks a
// lane picture), a kind passes 32767 records or the file ends inside a record; the records read
// before stay, and a record is stored only once it was read whole.
bool LoadMap(std::string_view path);
// The same from a reader that is already open (the map's text in memory, for example).
bool ReadMap(platform::ListReader& reader);
// Writes the map, whole file or nothing: one record a line for every visible element, lanes
// first, then cars, logs, flowers and bushes.
bool SaveMap(std::string_view path);
void WriteMap(platform::ListWriter& writer);

} // namespace LupidoCommon
