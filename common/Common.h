// The shared public state of the main program and the editors: flags, the running game's name,
// mode and score, the stop hint, and the high-score table last loaded.
// Every variable lives for the whole process and starts at the zero value of its type.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Common {

inline constexpr std::size_t HighScoreCount = 6;

extern bool gFullScreen;  // the display was switched to 800 x 600 at start
extern bool gOptionsOk;   // the modal options or colour dialog that closed last was left with OK
extern std::string gMode; // "easy" or "normal": mode of the running game (or the edited map)
extern std::string gGameName; // settings section of the running game, e.g. "Tamblo"
extern std::int32_t gScore;   // score of the running game; -1 after it was placed in the table
extern bool gOneButton;       // one-button control mode
extern bool gPauseOnStop;     // offer the stop hint when a level restarts
extern bool gStopHint;        // the stop hint shows: stop button framed, Enter leaves the game
extern std::int32_t gStopHintUntil; // tick of GameUtil::GetTickMs at which the hint ends

// The high-score table last loaded, ascending: index 0 the lowest, index 5 the best.
extern std::array<std::int32_t, HighScoreCount> gHighScores;
extern std::array<std::string, HighScoreCount> gHighScoreNames;

} // namespace Common
