// A maze drawn as text, turned into Tamblo tile ids: each wall cell gets the wall piece that joins
// exactly its wall neighbours. Used by the maze tool and the test of the shipped levels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamblo {

// Characters of a drawing: '#' wall, '.' dot, '_' or ' ' floor, 'P' player start, 'G' ghost start.
// A drawing is 13 x 8 (mode "easy") or 20 x 12 (mode "normal") characters, one line per row (LF or
// CR LF; a last line end and empty lines after the last row are allowed).
struct MazeDrawing {
    std::int16_t cols = 0;
    std::int16_t rows = 0;
    std::vector<std::int16_t> tiles; // row-major, as in a map file
};

// The tiles of a drawing, or nothing with a message in error (row and column from 1) when a line
// has the wrong length, a character is unknown, the size is neither mode's, or a wall cell has no
// piece (no wall beside it, or walls on all four sides).
std::optional<MazeDrawing> ReadMazeDrawing(std::string_view text, std::string& error);

} // namespace tamblo
