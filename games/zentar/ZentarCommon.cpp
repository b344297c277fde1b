// The alien map of Zentar and its reader and writer.
#include "games/zentar/ZentarCommon.h"

#include <limits>
#include <string>

#include "games/shared/MapFile.h"
#include "platform/ListFile.h"
#include "platform/Numbers.h"

namespace ZentarCommon {

namespace {

SpriteClass HiddenAlien()
{
    SpriteClass alien;
    alien.visible = false;
    return alien;
}

// The alien counter of the file format is 16-bit: one more alien than it holds fails.
constexpr std::size_t MaxAliens = std::numeric_limits<std::int16_t>::max();

using MapFile::InputWhole;

// One alien record after its keyword. The alien is stored only when the whole record was read and
// its type names a picture: a partly read alien would be an invisible 0 x 0 sprite that can
// neither be hit nor land, so its level could never end.
bool ReadAlien(platform::ListReader& reader, std::size_t& count)
{
    std::int16_t type = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    if (!InputWhole(reader, type) || type < 0 || type >= AlienTypeCount || !InputWhole(reader, x) ||
        !InputWhole(reader, y)) {
        return false;
    }
    if (count >= MaxAliens) {
        return false;
    }
    SpriteClass alien;
    alien.id = type;
    alien.X = x;
    alien.Y = y;
    alien.visible = true;
    // The first alien takes over the hidden element that ClearMap left.
    if (count == 0) {
        MapAliens[0] = alien;
    } else {
        MapAliens.push_back(alien);
    }
    count += 1;
    return true;
}

bool ReadRecords(platform::ListReader& reader)
{
    std::size_t count = 0;
    while (!reader.Eof()) {
        std::string keyword;
        if (!reader.Input(keyword)) {
            return false;
        }
        if (keyword == "alien") {
            if (!ReadAlien(reader, count)) {
                return false;
            }
        } else if (keyword == "background") {
            std::int16_t number = 0;
            if (!InputWhole(reader, number)) {
                return false;
            }
            MapBackground.id = number;
        }
    }
    return true;
}

} // namespace

std::vector<SpriteClass> MapAliens{HiddenAlien()};
SpriteClass MapBackground;
std::array<SpriteClass, AlienTypeCount> AlienPictures;

void ClearMap()
{
    MapAliens.assign(1, HiddenAlien());
    MapBackground.CleanUp();
}

bool LoadMap(std::string_view path)
{
    ClearMap();
    return MapFile::Load(path, ReadRecords);
}

bool SaveMap(std::string_view path)
{
    return MapFile::Save(path, WriteMap);
}

void WriteMap(platform::ListWriter& writer)
{
    writer.WriteText("background");
    writer.WriteInteger(MapBackground.id);
    writer.EndLine();
    for (const SpriteClass& alien : MapAliens) {
        if (alien.visible) {
            writer.WriteText("alien");
            writer.WriteInteger(alien.id);
            writer.WriteInteger(platform::CLng(alien.X));
            writer.WriteInteger(platform::CLng(alien.Y));
            writer.EndLine();
        }
    }
}

} // namespace ZentarCommon
