// Where the status panel picture puts its boxes, in the picture's pixels (the games draw it at
// y 480): the plaques behind the level and score numbers, and the box that holds the life icons.
#pragma once

namespace assetgen::panel {

struct Box {
    double left, top, right, bottom, corner;
};

// The numbers are centred on x 175 and 630; 4 digits of level and 6 of score fit.
inline constexpr Box LevelPlaque{130, 31, 220, 89, 14};
inline constexpr Box ScorePlaque{576, 31, 684, 89, 14};
// Three icons of every game fit: Krevin's 100-pixel pads side by side (x 240 to 560) and Morvex's
// 86-pixel ship frames upright (from y 29), all standing on y 115.
inline constexpr Box Lives{231, 25, 569, 118, 12};

} // namespace assetgen::panel
