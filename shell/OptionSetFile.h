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

// The 38 values in effect, as the program reads the store: each stored text that converts to what
// its key holds, and the line's default where the key is absent or its text does not convert. So
// every file written from them is one that Store accepts.
Values StoredValues();

// Adds the values to a writer, each quoted on a line of its own ending in CR LF.
void WriteValues(platform::ListWriter& writer, const Values& values);

// Writes the values in effect; replaces an existing file whole; false when it could not be
// written (LastWriteFailure in platform/AtomicFile.h says why).
bool Write(std::string_view path);

// Reads the first 38 values, and into *lines the line of the file (from 1) each one starts on;
// nothing when the file cannot be opened or read, or ends before.
using Lines = std::array<std::size_t, ValueCount>;
std::optional<Values> Read(std::string_view path, Lines* lines = nullptr);
std::optional<Values> Read(platform::ListReader& reader, Lines* lines = nullptr);

// The index of the first value that does not convert to what its key holds; nothing when all do.
std::optional<std::size_t> FirstRefused(const Values& values);

// Stores the values under their keys as they are, in one write, when every value converts to what
// its key holds. False, with nothing stored, when one does not or when the disk refused the write
// (LastWriteFailure says why).
bool Store(const Values& values);

} // namespace OptionSetFile
