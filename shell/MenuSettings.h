// Section "Menu" of the settings store: the global options ("OneButton", "MusicOn", "FxOn",
// "HighScore", "PauseOnStop"), read by the launcher, the high-score window, the dialog and games.
#pragma once

#include <string>
#include <string_view>

namespace MenuSettings {

std::string Value(std::string_view key, std::string_view fallback);
// 1, 0, True and False are understood; other text gives the fallback.
bool Boolean(std::string_view key, bool fallback);
void Save(std::string_view key, std::string_view value);

} // namespace MenuSettings
