// Where the engine flame sits behind the ship: the offset of the flame picture's top-left corner
// from the ship picture's, for each heading frame (36 repeats heading 0). The ship pictures are
// drawn to match.
#pragma once

#include <array>
#include <cstdint>

namespace morvex {

inline constexpr std::array<std::int16_t, 37> AfterburnerOffsetX = {
    -1, 2,  3,  6,  8,  14, 19, 24, 30, 37, 46, 51, 57, 64, 68, 70, 74, 73, 77,
    74, 73, 69, 67, 63, 59, 52, 45, 37, 30, 24, 19, 12, 8,  4,  -1, -2, -1};
inline constexpr std::array<std::int16_t, 37> AfterburnerOffsetY = {
    40, 34, 26, 21, 16, 11, 9,  6,  3,  2,  3,  5,  8,  12, 15, 21, 27, 33, 40,
    49, 55, 60, 66, 70, 75, 77, 77, 77, 78, 77, 74, 69, 64, 61, 54, 47, 40};

} // namespace morvex
