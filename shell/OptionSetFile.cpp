// Writing, reading and storing option set files.
#include "shell/OptionSetFile.h"

#include <utility>

#include "platform/Convert.h"
#include "platform/ListFile.h"
#include "platform/Settings.h"
#include "shell/HighScoreTable.h"

namespace OptionSetFile {

const std::array<Entry, ValueCount>& Entries()
{
    static constexpr std::array<Entry, ValueCount> entries{{
        {"Menu", "OneButton", "0", Kind::Boolean},
        {"Menu", "MusicOn", "1", Kind::Boolean},
        {"Menu", "FxOn", "1", Kind::Boolean},
        {"Menu", "HighScore", "0", Kind::Boolean},
        {"Menu", "PauseOnStop", "0", Kind::Boolean},
        {"Morvex", "Mode", "easy", Kind::Mode},
        {"Morvex", "ShipSpeed", "50", Kind::Number},
        {"Morvex", "RotateSpeed", "2", Kind::Number},
        {"Morvex", "RockSpeed", "50", Kind::Number},
        {"Morvex", "MusicOn", "1", Kind::Boolean},
        {"Morvex", "FxOn", "1", Kind::Boolean},
        {"Morvex", "Background", "3", Kind::Number},
        {"Krevin", "Mode", "easy", Kind::Mode},
        {"Krevin", "PadSpeed", "110", Kind::Number},
        {"Krevin", "BallSpeed", "50", Kind::Number},
        {"Krevin", "MusicOn", "1", Kind::Boolean},
        {"Krevin", "FxOn", "1", Kind::Boolean},
        {"Krevin", "Background", "3", Kind::Number},
        {"Tamblo", "Mode", "easy", Kind::Mode},
        {"Tamblo", "TambloSpeed", "50", Kind::Number},
        {"Tamblo", "GhostSpeed", "45", Kind::Number},
        {"Tamblo", "MaxNumGhosts", "20", Kind::Number},
        {"Tamblo", "MusicOn", "1", Kind::Boolean},
        {"Tamblo", "FxOn", "1", Kind::Boolean},
        {"Lupido", "Mode", "easy", Kind::Mode},
        {"Lupido", "MusicOn", "1", Kind::Boolean},
        {"Lupido", "FxOn", "1", Kind::Boolean},
        {"Zentar", "Mode", "easy", Kind::Mode},
        {"Zentar", "ShipSpeed", "50", Kind::Number},
        {"Zentar", "AliensSpeed", "45", Kind::Number},
        {"Zentar", "MusicOn", "1", Kind::Boolean},
        {"Zentar", "FxOn", "1", Kind::Boolean},
        {"Zentar", "Background", "3", Kind::Number},
        {"Quadrel", "Mode", "easy", Kind::Mode},
        {"Quadrel", "MoveSpeed", "500", Kind::Number},
        {"Quadrel", "FallSpeed", "40", Kind::Number},
        {"Quadrel", "MusicOn", "1", Kind::Boolean},
        {"Quadrel", "FxOn", "1", Kind::Boolean},
    }};
    return entries;
}

namespace {

bool Converts(Kind kind, const std::string& value)
{
    switch (kind) {
    case Kind::Boolean:
        return platform::ParseBoolean(value).has_value();
    case Kind::Number:
        return platform::ParseInt16(value).has_value();
    case Kind::Mode:
        return value == "easy" || value == "normal";
    }
    return false;
}

} // namespace

Values StoredValues()
{
    Values values;
    for (std::size_t line = 0; line < ValueCount; ++line) {
        const Entry& entry = Entries()[line];
        std::string stored =
            platform::GetSetting(Common::AppName, entry.section, entry.key, entry.fallback);
        values[line] =
            Converts(entry.kind, stored) ? std::move(stored) : std::string(entry.fallback);
    }
    return values;
}

void WriteValues(platform::ListWriter& writer, const Values& values)
{
    for (const std::string& value : values) {
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

std::optional<Values> Read(std::string_view path, Lines* lines)
{
    platform::ListReader reader;
    if (!reader.Open(path)) {
        return std::nullopt;
    }
    return Read(reader, lines);
}

std::optional<Values> Read(platform::ListReader& reader, Lines* lines)
{
    Values values;
    for (std::size_t line = 0; line < ValueCount; ++line) {
        if (!reader.Input(values[line])) {
            return std::nullopt;
        }
        if (lines != nullptr) {
            (*lines)[line] = reader.ItemLine();
        }
    }
    return values;
}

std::optional<std::size_t> FirstRefused(const Values& values)
{
    for (std::size_t line = 0; line < ValueCount; ++line) {
        if (!Converts(Entries()[line].kind, values[line])) {
            return line;
        }
    }
    return std::nullopt;
}

bool Store(const Values& values)
{
    if (FirstRefused(values)) {
        return false;
    }
    platform::SettingsBatch batch;
    for (std::size_t line = 0; line < ValueCount; ++line) {
        const Entry& entry = Entries()[line];
        platform::SaveSetting(Common::AppName, entry.section, entry.key, values[line]);
    }
    return batch.Commit();
}

} // namespace OptionSetFile
