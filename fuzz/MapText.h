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

// What write puts in a list writer, open for reading.
template <typename Write> platform::ListReader Rewritten(Write write)
{
    platform::ListWriter writer;
    write(writer);
    return platform::ListReader(writer.Contents());
}

} // namespace fuzzsupport
