// What happens once per process before the launcher is first shown (the font scale, the program
// folder, the single-instance test, the icon save and the display switch), and its undoing at exit.
#pragma once

#include <cstdint>

namespace StartUp {

// Display depths tried for the 800 x 600 mode, in this order.
inline constexpr std::int16_t DisplayDepths[] = {32, 16, 8, 4};

// Sets the font scale, makes the program folder current, and answers whether another instance of
// the program runs. Only when none runs: saves the desktop icon layout and switches the display to
// 800 x 600 (Common::gFullScreen tells whether it did), unless Shift is held.
bool BeginProgram();

// Brings back the display mode and then the desktop icon layout saved by BeginProgram.
void EndProgram();

} // namespace StartUp
