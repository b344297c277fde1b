// The high-score table of a game's settings section: loading, the qualifying test, placing.
#include "shell/HighScoreTable.h"

#include <array>

#include "common/Common.h"
#include "platform/Convert.h"
#include "platform/Settings.h"
#include "toolkit/GameUtil.h"

namespace Common {

namespace {

std::int32_t ReadScore(std::string_view section, std::size_t index)
{
    const std::int32_t fallback = DefaultHighScore(index);
    return platform::ToInt32(
        platform::GetSetting(AppName, section, HighScoreKey(index), std::to_string(fallback)),
        fallback);
}

} // namespace

std::string HighScoreKey(std::size_t index)
{
    return "Highscore" + std::to_string(index);
}

std::string HighScoreNameKey(std::size_t index)
{
    return "HighscoreName" + std::to_string(index);
}

std::int32_t DefaultHighScore(std::size_t index)
{
    return static_cast<std::int32_t>(10 * (index + 1));
}

std::string DefaultHighScoreName()
{
    return GameUtil::RandomInt(0, 1) == 1 ? "Mirel" : "Tobrik";
}

void LoadHighScores()
{
    for (std::size_t index = 0; index < HighScoreCount; ++index) {
        gHighScores[index] = ReadScore(gGameName, index);
        gHighScoreNames[index] = platform::GetSetting(AppName, gGameName, HighScoreNameKey(index),
                                                      DefaultHighScoreName());
    }
}

bool IsHighScore(std::int32_t aScore, std::string_view aGameName)
{
    for (std::size_t index = 0; index < HighScoreCount; ++index) {
        if (aScore > ReadScore(aGameName, index)) {
            return true;
        }
    }
    return false;
}

bool AddHighScore(std::string_view aName, std::int32_t& aScore)
{
    // Seven slots, 6 the best: the stored entries move down from the top, the new one goes in above
    // the first stored score it beats, and slot 0 (the lowest of the seven) falls out. A flag of
    // its own keeps the entry to one placement, whatever the stored scores are.
    std::array<std::int32_t, HighScoreCount + 1> scores{};
    std::array<std::string, HighScoreCount + 1> names{};
    bool placed = false;
    int write = static_cast<int>(HighScoreCount);
    int read = write - 1;
    while (read >= 0) {
        const auto from = static_cast<std::size_t>(read);
        const auto to = static_cast<std::size_t>(write);
        if (!placed && aScore > gHighScores[from]) {
            // The same stored entry is compared again for the next slot down.
            scores[to] = aScore;
            names[to] = std::string(aName);
            placed = true;
        } else {
            scores[to] = gHighScores[from];
            names[to] = gHighScoreNames[from];
            --read;
        }
        --write;
    }
    // One write for the whole table: a table cut short would pair scores with the wrong names.
    platform::SettingsBatch batch;
    for (std::size_t slot = 1; slot <= HighScoreCount; ++slot) {
        platform::SaveSetting(AppName, gGameName, HighScoreKey(slot - 1),
                              std::to_string(scores[slot]));
        platform::SaveSetting(AppName, gGameName, HighScoreNameKey(slot - 1), names[slot]);
    }
    const bool written = batch.Commit();
    if (placed && written) {
        aScore = -1;
    }
    LoadHighScores();
    return written;
}

bool ResetHighScores()
{
    platform::SettingsBatch batch;
    for (std::size_t index = 0; index < HighScoreCount; ++index) {
        platform::SaveSetting(AppName, gGameName, HighScoreKey(index),
                              std::to_string(DefaultHighScore(index)));
        platform::SaveSetting(AppName, gGameName, HighScoreNameKey(index), DefaultHighScoreName());
    }
    return batch.Commit();
}

} // namespace Common
