// Option set files (".vdl"): the global options and those of all six games as 38 quoted values,
// one per line, in a fixed order that alone says which key each value belongs to.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class ListReader;
class ListWriter;
} // namespace platform

namespace OptionSetFile {

// What a key holds, and so what an imported value must convert to: a Boolean ("True", "False" or
// a number), a 16-bit integer, or the mode "easy" or "normal".
enum class Kind { Boolean, Number, Mode };

struct Entry {
    std::string_view section;
    std::string_view key;
    std::string_view fallback; // written when the key is absent
    Kind kind;
};

inline constexpr std::size_t ValueCount = 38;
using Values = std::array<std::string, ValueCount>;

// The lines of the file, in order.
const std::array<Entry, ValueCount>& Entries();

// The 38 values of the store, each key's default where it is absent.
Values StoredValues();

// Adds the values to a writer, each quoted on a line of its own ending in CR LF; a double quote
// inside a value becomes an apostrophe, so that every line reads back.
void WriteValues(platform::ListWriter& writer, const Values& values);

// Writes the stored values; replaces an existing file whole; false when it could not be written.
bool Write(std::string_view path);

// Reads the first 38 values; nothing when the file cannot be opened or read, or ends before.
std::optional<Values> Read(std::string_view path);
std::optional<Values> Read(platform::ListReader& reader);

// Stores the values under their keys as they are, in one write, when every value converts to what
// its key holds; otherwise stores nothing and gives false. (A failed write is reported as every
// failed save is, and the values hold for the run.)
bool Store(const Values& values);

} // namespace OptionSetFile
