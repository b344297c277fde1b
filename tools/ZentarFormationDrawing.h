// A formation of aliens drawn as text, turned into the records of a Zentar map. Used by the
// formation tool and the test of the shipped levels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentar {

// A drawing holds, in any order, one line of each setting and the rows of the grid:
//   background N      the level's background picture number, 0..26
//   cell W H          the pixel distance between columns and between rows of the grid
//   origin X Y        the top-left corner of the grid's first cell
//   |0.1.2 ..q|       one grid row between bars: '0'-'9' and 'a'-'q' are alien types 0..26,
//                     '.' and ' ' are empty cells
// Lines starting with '#' and empty lines are skipped; line ends are LF or CR LF.
struct FormationAlien {
    std::int16_t type = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool operator==(const FormationAlien&) const = default;
};

struct FormationDrawing {
    std::int16_t background = 0;
    std::vector<FormationAlien> aliens; // row by row from the top, each row from the left
};

// The aliens of a drawing, or nothing with a message in error (line numbers from 1) when a setting
// is missing, repeated or out of range, a line is neither a setting nor a row, a mark is unknown,
// or an alien's position leaves the 16-bit range.
std::optional<FormationDrawing> ReadFormationDrawing(std::string_view text, std::string& error);

} // namespace zentar
