// Settings reads and writes of the game windows and their options dialogs.
#include "games/shared/GameSettings.h"

#include <algorithm>

#include "platform/Convert.h"
#include "platform/Settings.h"

namespace GameSettings {

bool ReadBoolean(std::string_view section, std::string_view key, bool fallback)
{
    return platform::ToBoolean(platform::GetSetting(App, section, key, fallback ? "1" : "0"),
                               fallback);
}

std::int16_t ReadInteger(std::string_view section, std::string_view key, std::int16_t fallback)
{
    return platform::ToInt16(platform::GetSetting(App, section, key, std::to_string(fallback)),
                             fallback);
}

float ReadSingle(std::string_view section, std::string_view key, float fallback)
{
    return platform::ToSingle(platform::GetSetting(App, section, key, std::to_string(fallback)),
                              fallback);
}

std::int16_t ReadSpeed(std::string_view section, std::string_view key, std::int16_t fallback)
{
    const std::int16_t speed = ReadInteger(section, key, fallback);
    return speed < 1 ? fallback : speed;
}

std::string ReadMode(std::string_view section)
{
    return platform::GetSetting(App, section, "Mode", "easy") == "normal" ? "normal" : "easy";
}

platform::Color ReadColour(std::string_view section)
{
    const auto part = [section](std::string_view key) {
        return std::clamp<std::int16_t>(ReadInteger(section, key, 50), 0, 255);
    };
    return platform::Rgb(part("Red"), part("Green"), part("Blue"));
}

void SaveBoolean(std::string_view section, std::string_view key, bool value)
{
    platform::SaveSetting(App, section, key, value ? "1" : "0");
}

void SaveInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    platform::SaveSetting(App, section, key, std::to_string(value));
}

} // namespace GameSettings
