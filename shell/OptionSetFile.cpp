// Writing, reading and storing option set files.
#include "shell/OptionSetFile.h"

#include <algorithm>

#include "platform/ListFile.h"
#include "platform/Settings.h"
#include "shell/HighScoreTable.h"

namespace OptionSetFile {

const std::array<Entry, ValueCount>& Entries()
{
    static constexpr std::array<Entry, ValueCount> entries{{
        {"Menu", "OneButton", "0"},      {"Menu", "MusicOn", "1"},
        {"Menu", "FxOn", "1"},           {"Menu", "HighScore", "0"},
        {"Menu", "PauseOnStop", "0"},    {"Morvex", "Mode", "easy"},
        {"Morvex", "ShipSpeed", "50"},   {"Morvex", "RotateSpeed", "2"},
        {"Morvex", "RockSpeed", "50"},   {"Morvex", "MusicOn", "1"},
        {"Morvex", "FxOn", "1"},         {"Morvex", "Background", "3"},
        {"Krevin", "Mode", "easy"},      {"Krevin", "PadSpeed", "110"},
        {"Krevin", "BallSpeed", "50"},   {"Krevin", "MusicOn", "1"},
        {"Krevin", "FxOn", "1"},         {"Krevin", "Background", "3"},
        {"Tamblo", "Mode", "easy"},      {"Tamblo", "TambloSpeed", "50"},
        {"Tamblo", "GhostSpeed", "45"},  {"Tamblo", "MaxNumGhosts", "20"},
        {"Tamblo", "MusicOn", "1"},      {"Tamblo", "FxOn", "1"},
        {"Lupido", "Mode", "easy"},      {"Lupido", "MusicOn", "1"},
        {"Lupido", "FxOn", "1"},         {"Zentar", "Mode", "easy"},
        {"Zentar", "ShipSpeed", "50"},   {"Zentar", "AliensSpeed", "45"},
        {"Zentar", "MusicOn", "1"},      {"Zentar", "FxOn", "1"},
        {"Zentar", "Background", "3"},   {"Quadrel", "Mode", "easy"},
        {"Quadrel", "MoveSpeed", "500"}, {"Quadrel", "FallSpeed", "40"},
        {"Quadrel", "MusicOn", "1"},     {"Quadrel", "FxOn", "1"},
    }};
    return entries;
}

Values StoredValues()
{
    Values values;
    for (std::size_t line = 0; line < ValueCount; ++line) {
        const Entry& entry = Entries()[line];
        values[line] =
            platform::GetSetting(Common::AppName, entry.section, entry.key, entry.fallback);
    }
    return values;
}

void WriteValues(platform::ListWriter& writer, const Values& values)
{
    for (std::string value : values) {
        // The list format has no escape for a quote inside a quoted text.
        std::replace(value.begin(), value.end(), '"', '\'');
        writer.WriteQuoted(value);
    }
}

bool Write(std::string_view path)
{
    platform::ListWriter writer;
    if (!writer.Create(path)) {
        return false;
    }
    WriteValues(writer, StoredValues());
    return writer.Close();
}

std::optional<Values> Read(std::string_view path)
{
    platform::ListReader reader;
    if (!reader.Open(path)) {
        return std::nullopt;
    }
    return Read(reader);
}

std::optional<Values> Read(platform::ListReader& reader)
{
    Values values;
    for (std::string& value : values) {
        if (!reader.Input(value)) {
            return std::nullopt;
        }
    }
    return values;
}

void Store(const Values& values)
{
    for (std::size_t line = 0; line < ValueCount; ++line) {
        const Entry& entry = Entries()[line];
        const std::string& value = values[line];
        if (entry.key == "Mode" && value != "easy" && value != "normal") {
            continue;
        }
        platform::SaveSetting(Common::AppName, entry.section, entry.key, value);
    }
}

} // namespace OptionSetFile
