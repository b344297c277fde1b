// The rock map of Morvex, its reader and its writer.
#include "games/morvex/MorvexCommon.h"

#include <limits>
#include <string>
#include <string_view>

#include "games/shared/MapFile.h"
#include "games/shared/SpriteMapFile.h"

namespace MorvexCommon {

namespace {

using MapFile::InputWhole;

// The slot counter of the file format is 16-bit: the rock after the 32767th fills its slot and
// then fails.
constexpr std::size_t LastSlot = std::numeric_limits<std::int16_t>::max();

bool IsRockKeyword(const std::string& keyword)
{
    return keyword == "large" || keyword == "medium" || keyword == "small";
}

// One rock record after its keyword, into the slot the counter names. The rock shows only once
// its record is whole: a rock cut short by the end of the file is no rock of the map.
bool ReadRock(platform::ListReader& reader, std::size_t slot)
{
    if (slot > 0) {
        MapRocks.emplace_back().visible = false;
    }
    SpriteClass& rock = MapRocks[slot];
    std::int16_t kind = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    if (!InputWhole(reader, kind)) {
        return false;
    }
    rock.id = kind;
    if (!InputWhole(reader, x)) {
        return false;
    }
    rock.X = x;
    if (!InputWhole(reader, y)) {
        return false;
    }
    rock.Y = y;
    rock.visible = true;
    return slot < LastSlot;
}

bool ReadRecords(platform::ListReader& reader)
{
    std::size_t slot = 0;
    return MapFile::ReadSpriteRecords(reader, MapBackground, [&](const std::string& keyword) {
        if (!IsRockKeyword(keyword)) {
            return true;
        }
        return ReadRock(reader, slot++);
    });
}

std::string_view Keyword(std::int32_t kind)
{
    switch (kind) {
    case Medium:
        return "medium";
    case Small:
        return "small";
    default:
        return "large";
    }
}

} // namespace

std::vector<SpriteClass> MapRocks = MapFile::NoSprites();
SpriteClass MapBackground;

void ClearMap()
{
    MapFile::ClearSprites(MapRocks, MapBackground);
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
    MapFile::WriteSpriteRecords(writer, MapBackground, MapRocks,
                                [](const SpriteClass& rock) { return Keyword(rock.id); });
}

} // namespace MorvexCommon
