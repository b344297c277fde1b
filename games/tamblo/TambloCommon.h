// The maze of Tamblo: the grid of cells over the play field, the pictures of the eighteen tile
// kinds, and the reader and writer of the maze map file. Shared by the game, the maze editor and
// the maze tool.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "games/tamblo/TambloTiles.h"
#include "platform/ListFile.h"
#include "toolkit/SpriteClass.h"

namespace TambloCommon {

// Cell width and height in pixels (always equal): 60 in mode "easy", otherwise 40.
struct CellSize {
    std::int16_t Width = 0;
    std::int16_t Height = 0;
};

extern CellSize TileSize;
extern std::int16_t Cols; // 800 \ cell width: 13 in "easy", 20 in "normal"
extern std::int16_t Rows; // 480 \ cell height: 8 in "easy", 12 in "normal"
// One cell per grid position, row-major from the top-left: index = row * Cols + column. A cell uses
// X, Y (its top-left corner), width, Height and id (its tile id); it owns no picture.
extern std::vector<SpriteClass> Tiles;
// The picture of each tile id, loaded, sized and released by the program that uses the module.
extern std::array<SpriteClass, tamblo::TileCount> TileImages;

// TileSize from gMode: 60 when it is exactly "easy", else 40.
void SetTileSize();
// SetTileSize, Cols and Rows, and a fresh grid of floor cells: the first column at x 10 (x 0 in
// mode "normal"), the first row at y 0.
void BuildGrid();
// Reads one tile id per cell, in index order, from a list-format file; values after the last cell
// are not read. False when the file cannot be opened, ends early, or holds a value that is not an
// integer in 0..17: cells read before the failure keep their new ids, the others their old ones.
bool LoadMap(std::string_view path);
// The same from a reader that is already open (the map's text in memory, for example).
bool ReadMap(platform::ListReader& reader);
// Writes the tile id of every cell, one grid row a line, whole or not at all; false when the file
// could not be written.
bool SaveMap(std::string_view path);
// The same into a writer that is already open.
void WriteMap(platform::ListWriter& writer);

} // namespace TambloCommon
