// The high-score procedures of Common: the six-entry table of a game's settings section, loaded
// into Common::gHighScores / gHighScoreNames (index 5 the best), tested and extended.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Common {

// Application name of every settings section of the program.
inline constexpr std::string_view AppName = "Vandrel";

// Keys of entry index (0 to 5): "Highscore0" ... "Highscore5", "HighscoreName0" ...
std::string HighScoreKey(std::size_t index);
std::string HighScoreNameKey(std::size_t index);
// The score an absent key stands for: 10 x (index + 1).
std::int32_t DefaultHighScore(std::size_t index);
// A default name, drawn afresh at each call: "Mirel" or "Tobrik".
std::string DefaultHighScoreName();

// Fills gHighScores and gHighScoreNames from section gGameName, indexes 0 to 5. A score that is not
// a number reads as its default.
void LoadHighScores();

// True when aScore is greater than at least one of the six scores stored in section aGameName (an
// equal score does not qualify). Reads the store; the loaded table is left as it is.
bool IsHighScore(std::int32_t aScore, std::string_view aGameName);

// Places the entry into the table loaded from section gGameName (directly below every stored entry
// with a greater or equal score), writes the six best back in one write and reloads them. After a
// placement aScore is -1; a score that beats nothing places nothing and is left as it was. False
// when the disk refused the table: nothing is placed and the table reloaded is the one on disk.
bool AddHighScore(std::string_view aName, std::int32_t& aScore);

// Writes the default table (scores 10 to 60, default names) to section gGameName in one write;
// false when the disk refused it. The loaded table is left as it is.
bool ResetHighScores();

} // namespace Common
