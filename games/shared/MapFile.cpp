// Map file names, opening, writing, and the whole-number reader of the map modules.
#include "games/shared/MapFile.h"

#include <cmath>
#include <limits>

#include "platform/Numbers.h"

namespace MapFile {

std::string LevelPath(std::string_view game, std::string_view mode, std::int16_t level)
{
    return "Maps\\" + std::string(game) + "\\" + std::string(mode) + "\\" + std::to_string(level) +
           ".map";
}

bool Load(std::string_view path, const std::function<bool(platform::ListReader&)>& read)
{
    platform::ListReader reader;
    if (!reader.Open(path)) {
        return false;
    }
    const bool complete = read(reader);
    reader.Close();
    return complete;
}

bool Save(std::string_view path, const std::function<void(platform::ListWriter&)>& write)
{
    platform::ListWriter writer;
    if (!writer.Create(path)) {
        return false;
    }
    write(writer);
    return writer.Close();
}

bool InputWholeIn(platform::ListReader& reader, std::int32_t& value, std::int32_t min,
                  std::int32_t max)
{
    // Read as a number and checked here: the reader's integers would round "2.5" to 2.
    double number = 0;
    if (!reader.Input(number) || number != std::floor(number) || number < min || number > max) {
        return false;
    }
    value = platform::CLng(number);
    return true;
}

bool InputWhole(platform::ListReader& reader, std::int16_t& value)
{
    std::int32_t whole = 0;
    if (!InputWholeIn(reader, whole, std::numeric_limits<std::int16_t>::min(),
                      std::numeric_limits<std::int16_t>::max())) {
        return false;
    }
    value = static_cast<std::int16_t>(whole);
    return true;
}

} // namespace MapFile
