// Fuzz target for the settings file's parser: any text parses without harm, what it read writes
// out and reads back unchanged, and any section, key and value round-trip through the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/IniText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto ini = platform::IniText::Parse(text);
    const std::string once = ini.Serialize();
    const auto again = platform::IniText::Parse(once);
    if (again.DroppedLines() != 0 || again.Serialize() != once) {
        std::abort();
    }
    for (const auto& section : ini.Sections()) {
        for (const auto& entry : section.entries) {
            const std::string* value = again.Find(section.name, entry.key);
            if (value == nullptr || *value != entry.value) {
                std::abort();
            }
        }
    }

    // The input cut in three at its first two NUL bytes: a section, a key and a value.
    const std::size_t first = text.find('\0');
    const std::size_t second = first == std::string_view::npos ? first : text.find('\0', first + 1);
    if (second != std::string_view::npos) {
        const auto section = text.substr(0, first);
        const auto key = text.substr(first + 1, second - first - 1);
        const auto value = text.substr(second + 1);
        platform::IniText fresh = again;
        fresh.Set(section, key, value);
        const auto reread = platform::IniText::Parse(fresh.Serialize());
        const std::string* stored = reread.Find(section, key);
        if (stored == nullptr || *stored != value) {
            std::abort();
        }
    }
    return 0;
}
