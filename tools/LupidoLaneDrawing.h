// The lanes of a Lupido level drawn as text, turned into the crossing map. Used by the lane tool
// and the test of the shipped levels.
#pragma once

#include <string>
#include <string_view>

namespace lupido {

// A drawing holds a line "mode easy" or "mode normal" and then one line per row of the field from
// the top, 8 rows of 60 pixels in mode easy, 12 rows of 40 in normal. Each row line is a kind, its
// settings and 80 columns of 10 pixels between bars:
//   grass             |..*.....B..|  '*' a flower, 'B' a bush at that column
//   road 2 > 1.5      |..CCCCCCC..|  road lane with picture 2, cars driving right ('>') or left
//                                     ('<') at 1.5 times the level speed; each car is a run of 11
//                                     'C' in mode easy, 7 in normal
//   river 0 < 1       |LLLLLLLL...|  river lane likewise, each log a run of 18 'L' (12 in normal)
// '.' is empty. Lanes lie between the home row (the second row in easy, the first in normal) and
// the last row, where the rabbit starts; cars and logs stand in the middle of their lane.
// Lines starting with '#' and empty lines are skipped; line ends are LF or CR LF.
//
// Fills LupidoCommon's map from the drawing: lanes, cars, logs and decorations each from the top
// row down and from the left. False with a message in error (line numbers from 1) when the mode is
// missing or unknown, a row line is malformed, a mark does not belong to its row's kind, a run is
// not whole cars or logs, a lane lies outside the rows between home and start, or the number of
// rows is wrong.
bool MakeLaneMap(std::string_view drawing, std::string& error);

} // namespace lupido
