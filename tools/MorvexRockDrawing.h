// A field of rocks drawn as text, turned into the map of a Morvex level. Used by the rock tool and
// the test of the shipped levels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvex {

// A drawing holds, in any order, one setting line and the 24 rows of the field:
//   background N      the level's background picture number, 0..26
//   |..L....M...S..|  one row of 40 cells between bars, each cell 20 x 20 pixels of the 800 x 480
//                     field: 'L', 'M' and 'S' put a large (80 px), medium (60 px) or small (40 px)
//                     rock with its top-left corner at that cell; '.' is empty space
// Lines starting with '#' and empty lines are skipped; line ends are LF or CR LF.
inline constexpr int FieldColumns = 40;
inline constexpr int FieldRows = 24;
inline constexpr int CellSize = 20;

struct DrawnRock {
    std::int16_t kind = 0; // 0 large, 1 medium, 2 small
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool operator==(const DrawnRock&) const = default;
};

struct RockDrawing {
    std::int16_t background = 0;
    std::vector<DrawnRock> rocks; // row by row from the top, each row from the left
};

// The rocks of a drawing, or nothing with a message in error (line numbers from 1) when the
// background is missing, repeated or out of range, a line is neither the setting nor a row, a row
// is not 40 cells wide, there are not 24 rows, a mark is unknown or a rock reaches past the field.
std::optional<RockDrawing> ReadRockDrawing(std::string_view text, std::string& error);

// Reads a drawing into MorvexCommon's map: its background number and its rocks, all visible.
bool MakeRockMap(std::string_view text, std::string& error);

} // namespace morvex
