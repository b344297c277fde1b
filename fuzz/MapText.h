// The fuzz input as a map file's text in memory, and a map written back into memory for a second
// read, so the map targets never touch the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/ListFile.h"

namespace fuzzsupport {

inline platform::ListReader InputReader(const std::uint8_t* data, std::size_t size)
{
    return platform::ListReader(std::string(reinterpret_cast<const char*>(data), size));
}

// Runs its action when the input's run ends, on every path. The map targets empty their map module
// with it, so that each run ends holding the memory it began with: libFuzzer looks for leaks
// (slowly) after every run that ends with more allocations than it began with.
template <typename Action> struct AtEnd {
    Action action;
    ~AtEnd() { action(); }
};
template <typename Action> AtEnd(Action) -> AtEnd<Action>;

// What write puts in a list writer, open for reading.
template <typename Write> platform::ListReader Rewritten(Write write)
{
    platform::ListWriter writer;
    write(writer);
    return platform::ListReader(writer.Contents());
}

} // namespace fuzzsupport
