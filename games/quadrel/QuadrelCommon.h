// The falling-blocks game's level map: the piece templates the falling pieces are drawn from, and
// the map file's reader and writer. Shared by the game and the falling-blocks map editor.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/ListFile.h"
#include "toolkit/SpriteClass.h"

namespace QuadrelCommon {

inline constexpr std::size_t TemplateSide = 5;
inline constexpr std::size_t TemplateCells = TemplateSide * TemplateSide;
// Block pictures 0..5 fill the map's cells; 6 is the row flash's own picture.
inline constexpr std::int32_t MaxMapBlockId = 5;
inline constexpr std::int32_t MaxBlockId = 6;

// A 5 x 5 square of cells, row-major from the top-left cell 0: X and Y the cell's top-left corner
// (where the editor lays it out), width and Height the mode's cell size, id -1 (or any negative
// number) for an empty cell and 0..6 for a block picture.
using PieceTemplate = std::array<SpriteClass, TemplateCells>;

// The templates of the loaded map, in file order.
extern std::vector<PieceTemplate> MapTemplates;

// 6 templates when gMode is "easy", otherwise 12.
std::size_t TemplateCount();
// 40 pixels when gMode is "easy", otherwise 20.
std::int32_t CellSize();
// True when some cell of the template holds a block (id 0 or more).
bool HasBlock(const PieceTemplate& pieceTemplate);

// Template `index` (from 0) of the mode as the editor lays it out: 25 empty cells (id -1) of the
// mode's cell size in rows of five from the template's origin (easy: three templates 240 px apart
// in two rows 240 px apart from (60, 20); normal: six 128 px apart in two rows from (28, 93) and
// (28, 286)). An index beyond the mode's templates gives an empty template at the origin.
PieceTemplate LaidOutTemplate(std::size_t index);
// Puts the template's cells in rows of five from (x, y), each of the mode's cell size; the ids
// stay.
void LayOutTemplate(PieceTemplate& pieceTemplate, double x, double y);

// Reads the mode's templates, each as 25 cells of X, Y and id. False when the file cannot be opened
// (MapTemplates then stays as it was), when a value is not a whole number in -32768..32767, an id
// lies above 6 or the file ends early (the templates read completely before stay), or when no
// template holds a block (a map whose pieces are all empty could never spawn one).
bool LoadMap(std::string_view path);
// The same from a reader that is already open (the map's text in memory, for example).
bool ReadMap(platform::ListReader& reader);
// Writes MapTemplates so that LoadMap in the same mode reads them back: one cell a line.
void WriteMap(platform::ListWriter& writer);
// WriteMap into a file, whole or not at all. False,
// leaving any old file as it was, when the map does not hold the mode's number of templates or the
// file cannot be written.
bool SaveMap(std::string_view path);

} // namespace QuadrelCommon
