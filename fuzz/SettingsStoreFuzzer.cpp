// Fuzz target for the settings store as a whole: any bytes as the settings file (or, by the first
// byte, that file stretched past the 16 MB cap) read as the parser reads them, or as empty; the
// first save keeps the old file aside whenever it could not be read whole, writes a file that
// reads back, and a batch's keys arrive together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz/ScratchFolder.h"
#include "platform/IniText.h"
#include "platform/Settings.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t Cap = 16 * 1024 * 1024;
constexpr std::size_t MaxChecked = 64; // entries compared per run

std::string ReadText(const fs::path& file)
{
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

void Require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::ScratchFolder();
    const fs::path file = platform::settings::FilePath("Vandrel");
    std::error_code ignored;
    fs::remove_all(file.parent_path(), ignored);
    // The store sees the file gone, so the next one is read afresh whatever its stamp.
    Require(platform::GetSetting("Vandrel", "Fuzz", "Key", "absent") == "absent");
    if (size == 0) {
        return 0;
    }
    const bool stretched = (data[0] & 1) != 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    const std::uintmax_t length = stretched ? Cap + 1 + text.size() : text.size();
    if (stretched) {
        fs::resize_file(file, length); // sparse: no memory is used
    }

    const auto ini = platform::IniText::Parse(text);
    std::size_t checked = 0;
    for (const auto& section : ini.Sections()) {
        for (const auto& entry : section.entries) {
            if (++checked > MaxChecked) {
                break;
            }
            const std::string read = platform::GetSetting("Vandrel", section.name, entry.key, "");
            Require(read == (stretched ? "" : *ini.Find(section.name, entry.key)));
        }
    }

    {
        platform::SettingsBatch batch;
        platform::SaveSetting("Vandrel", "Fuzz", "Key", "value");
        platform::SaveSetting("Vandrel", "Fuzz", "Other", text);
        Require(batch.Commit());
    }
    const bool keptAside = stretched || ini.DroppedLines() > 0;
    const fs::path aside = file.string() + ".bad";
    Require(fs::exists(aside) == keptAside);
    if (keptAside) {
        Require(fs::file_size(aside) == length);
        Require(stretched || ReadText(aside) == text);
    }
    const auto written = platform::IniText::Parse(ReadText(file));
    Require(written.DroppedLines() == 0);
    Require(*written.Find("Fuzz", "Key") == "value" && *written.Find("Fuzz", "Other") == text);
    return 0;
}
