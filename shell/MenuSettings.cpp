// Reading and writing section "Menu".
#include "shell/MenuSettings.h"

#include "platform/Convert.h"
#include "platform/Settings.h"
#include "shell/HighScoreTable.h"

namespace MenuSettings {

std::string Value(std::string_view key, std::string_view fallback)
{
    return platform::GetSetting(Common::AppName, "Menu", key, fallback);
}

bool Boolean(std::string_view key, bool fallback)
{
    return platform::ToBoolean(Value(key, fallback ? "1" : "0"), fallback);
}

void Save(std::string_view key, std::string_view value)
{
    platform::SaveSetting(Common::AppName, "Menu", key, value);
}

} // namespace MenuSettings
