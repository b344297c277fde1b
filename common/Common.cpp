// Definitions of the shared public state.
#include "common/Common.h"

namespace Common {

bool gFullScreen = false;
bool gOptionsOk = false;
std::string gMode;
std::string gGameName;
std::int32_t gScore = 0;
bool gOneButton = false;
bool gPauseOnStop = false;
bool gStopHint = false;
std::int32_t gStopHintUntil = 0;
std::array<std::int32_t, HighScoreCount> gHighScores{};
std::array<std::string, HighScoreCount> gHighScoreNames{};

} // namespace Common
