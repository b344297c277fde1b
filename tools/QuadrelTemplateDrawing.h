// The piece templates of a Quadrel level drawn as text, turned into a map laid out where the
// falling-blocks editor shows it. Used by the template tool and the test of the shipped levels.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quadrel {

// A drawing holds the templates as 5 x 5 blocks of marks: '.' an empty cell, '0'-'5' a block of
// that picture. Templates stand side by side in bands of five lines, one blank between two
// templates of a band; a band holds any number of templates, and the templates count from the
// left of the first band to the right of the last. 6 templates make an easy map, 12 a normal one.
// Lines starting with '#' and empty lines are skipped (so they separate bands); line ends are LF
// or CR LF.
using TemplateIds = std::array<std::int16_t, 25>; // row-major from the top-left cell, -1 empty

// The templates of a drawing, or nothing with a message in error (line numbers from 1) when a band
// is not five lines of equally many templates, a mark is unknown, or the count is neither 6 nor
// 12.
std::optional<std::vector<TemplateIds>> ReadTemplateDrawing(std::string_view text,
                                                            std::string& error);

// Sets gMode by the number of templates ("easy" for 6, "normal" for 12) and fills
// QuadrelCommon::MapTemplates with them, each at its place and cell size in the editor.
void LayOutMap(const std::vector<TemplateIds>& templates);

} // namespace quadrel
