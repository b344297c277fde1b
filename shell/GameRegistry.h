// The six games the launcher starts, by launcher index: each game library registers its window
// here, so that the launcher needs no code of any game. An index nobody registered launches
// nothing.
#pragma once

#include <cstdint>

namespace platform {
class Form;
}

namespace GameRegistry {

// Launcher indexes, in the launcher's icon order.
enum class Game : std::int16_t {
    Tamblo = 0,
    Zentar = 1,
    Lupido = 2,
    Krevin = 3,
    Morvex = 4,
    Quadrel = 5,
};
inline constexpr std::int16_t GameCount = 6;

// The game's window object, which lives for the process (its default instance).
using WindowFunction = platform::Form& (*)();

// Registers (or, with nullptr, removes) the window of a game. Answers true, so that a game's
// library can register from a static initialiser in its window's source file, linked whole into the
// program:
//   const bool registered = GameRegistry::Register(
//       GameRegistry::Game::Tamblo, []() -> platform::Form& { return TheTambloForm(); });
bool Register(Game game, WindowFunction window);

// The registered window of launcher index 0 to 5, or nullptr.
platform::Form* GameWindow(std::int16_t index);

} // namespace GameRegistry
