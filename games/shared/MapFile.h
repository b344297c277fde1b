// What the games' map modules share in reading and naming their map files. A library of its own
// that needs only the platform, so that the map editors link it without the game windows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/ListFile.h"

namespace MapFile {

// "Maps\<game>\<mode>\<level>.map", the level in decimal.
std::string LevelPath(std::string_view game, std::string_view mode, std::int16_t level);

// Opens a map file and reads it with read; false when it cannot be opened or read fails. The file
// is closed on every path.
bool Load(std::string_view path, const std::function<bool(platform::ListReader&)>& read);
// Writes a map file with write, whole or not at all; false when it could not be written (the
// writer names the failure on standard error).
bool Save(std::string_view path, const std::function<void(platform::ListWriter&)>& write);

// A whole number in -32768..32767 in any decimal notation ("12", "-3", "1.2E+3"): "2.5" fails
// instead of being rounded to another value. A failed read leaves value unchanged.
bool InputWhole(platform::ListReader& reader, std::int16_t& value);
// A whole number in min..max, likewise.
bool InputWholeIn(platform::ListReader& reader, std::int32_t& value, std::int32_t min,
                  std::int32_t max);

} // namespace MapFile
