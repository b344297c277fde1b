// A wall of bricks drawn as text, turned into the records of a Krevin map. Used by the wall tool
// and the test of the shipped levels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krevin {

// A drawing holds, in any order, the two settings and the rows of the mode's brick grid:
//   mode M            "easy" (60 x 30 bricks, 12 cells a row from x 40) or "normal" (40 x 20
//                     bricks, 19 cells a row from x 20); the rows start at y 20
//   background N      the level's background picture number, 0..26
//   |..0123456789a|   one grid row between bars, a character per cell: '0'-'9' and 'a' are brick
//                     types 0..10, '.' an empty cell; at most 13 (easy) or 21 (normal) rows
// Lines starting with '#' and empty lines are skipped; line ends are LF or CR LF.
struct DrawnBrick {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t type = 0;
    bool operator==(const DrawnBrick&) const = default;
};

struct WallDrawing {
    std::string mode;
    std::int16_t background = 0;
    std::vector<DrawnBrick> bricks; // row by row from the top, each row from the left
};

// The bricks of a drawing, or nothing with a message in error (line numbers from 1) when a setting
// is missing, repeated or out of range, a line is neither a setting nor a row, a row does not fill
// the grid's width, there are more rows than the grid holds, or a mark is unknown.
std::optional<WallDrawing> ReadWallDrawing(std::string_view text, std::string& error);

} // namespace krevin
