// The rock map of Morvex, its reader and its writer.
#include "games/morvex/MorvexCommon.h"

#include <limits>
#include <string>

#include "games/shared/MapFile.h"
#include "platform/Numbers.h"

namespace MorvexCommon {

namespace {

using MapFile::InputWhole;

SpriteClass HiddenRock()
{
    SpriteClass rock;
    rock.visible = false;
    return rock;
}

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
        MapRocks.push_back(HiddenRock());
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
    while (!reader.Eof()) {
        std::string keyword;
        if (!reader.Input(keyword)) {
            return false;
        }
        if (IsRockKeyword(keyword)) {
            if (!ReadRock(reader, slot)) {
                return false;
            }
            slot += 1;
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

const char* Keyword(std::int32_t kind)
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

std::vector<SpriteClass> MapRocks{HiddenRock()};
SpriteClass MapBackground;

void ClearMap()
{
    MapRocks.assign(1, HiddenRock());
    MapBackground.CleanUp();
}

bool LoadMap(std::string_view path)
{
    ClearMap();
    platform::ListReader reader;
    if (!reader.Open(path)) {
        return false;
    }
    const bool complete = ReadRecords(reader);
    reader.Close();
    return complete;
}

bool SaveMap(std::string_view path)
{
    platform::ListWriter writer;
    if (!writer.Create(path)) {
        return false;
    }
    WriteMap(writer);
    return writer.Close();
}

void WriteMap(platform::ListWriter& writer)
{
    writer.WriteText("background");
    writer.WriteInteger(MapBackground.id);
    writer.EndLine();
    for (const SpriteClass& rock : MapRocks) {
        if (rock.visible) {
            writer.WriteText(Keyword(rock.id));
            writer.WriteInteger(rock.id);
            writer.WriteInteger(platform::CInt(rock.X));
            writer.WriteInteger(platform::CInt(rock.Y));
            writer.EndLine();
        }
    }
}

} // namespace MorvexCommon
