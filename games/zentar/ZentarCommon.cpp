// The alien map of Zentar and its reader and writer.
#include "games/zentar/ZentarCommon.h"

#include <limits>
#include <string>

#include "games/shared/MapFile.h"
#include "games/shared/SpriteMapFile.h"
#include "platform/ListFile.h"

namespace ZentarCommon {

namespace {

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
    return MapFile::ReadSpriteRecords(reader, MapBackground, [&](const std::string& keyword) {
        return keyword != "alien" || ReadAlien(reader, count);
    });
}

} // namespace

std::vector<SpriteClass> MapAliens = MapFile::NoSprites();
SpriteClass MapBackground;
std::array<SpriteClass, AlienTypeCount> AlienPictures;

void ClearMap()
{
    MapFile::ClearSprites(MapAliens, MapBackground);
}

bool LoadMap(std::string_view path)
{
    ClearMap();
    return MapFile::Load(path, ReadRecords);
}

bool ReadMap(platform::ListReader& reader)
{
    ClearMap();
    return ReadRecords(reader);
}

bool SaveMap(std::string_view path)
{
    return MapFile::Save(path, WriteMap);
}

void WriteMap(platform::ListWriter& writer)
{
    MapFile::WriteSpriteRecords(writer, MapBackground, MapAliens,
                                [](const SpriteClass&) { return "alien"; });
}

} // namespace ZentarCommon
