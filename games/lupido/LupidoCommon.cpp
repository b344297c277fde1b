// The crossing map of Lupido, its reader and its writer.
#include "games/lupido/LupidoCommon.h"

#include <iterator>
#include <limits>
#include <string>

#include "games/shared/MapFile.h"
#include "platform/Numbers.h"

namespace LupidoCommon {

namespace {

// The record counters of the file format are 16-bit.
constexpr std::size_t MaxRecords = std::numeric_limits<std::int16_t>::max();

enum class Kind { Lane, Mover, Decoration };

SpriteClass Hidden()
{
    SpriteClass sprite;
    sprite.visible = false;
    return sprite;
}

// The values of one record after its keyword, into a new sprite.
bool ReadRecord(platform::ListReader& reader, Kind kind, SpriteClass& element)
{
    std::int16_t id = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    double speed = 0;
    switch (kind) {
    case Kind::Lane:
        if (!MapFile::InputWhole(reader, id) || id < 0 || id >= LaneVariants ||
            !MapFile::InputWhole(reader, y)) {
            return false;
        }
        break;
    case Kind::Mover:
        if (!MapFile::InputWhole(reader, id) || !MapFile::InputWhole(reader, x) ||
            !MapFile::InputWhole(reader, y) || !reader.Input(speed)) {
            return false;
        }
        break;
    case Kind::Decoration:
        if (!MapFile::InputWhole(reader, x) || !MapFile::InputWhole(reader, y)) {
            return false;
        }
        break;
    }
    element.id = id;
    element.X = x;
    element.Y = y;
    element.xMov = speed;
    element.visible = true;
    return true;
}

// The first record of a kind takes over the hidden element that ClearMap left.
bool Append(std::vector<SpriteClass>& array, std::size_t& count, const SpriteClass& element)
{
    if (count >= MaxRecords) {
        return false;
    }
    if (count == 0) {
        array[0] = element;
    } else {
        array.push_back(element);
    }
    count += 1;
    return true;
}

struct Record {
    std::string_view keyword;
    std::vector<SpriteClass>& array;
    Kind kind;
};

bool ReadRecords(platform::ListReader& reader)
{
    // In the order the keywords are compared.
    Record records[] = {
        {"river", MapRivers, Kind::Lane},         {"log", MapLogs, Kind::Mover},
        {"road", MapRoads, Kind::Lane},           {"car", MapCars, Kind::Mover},
        {"flower", MapFlowers, Kind::Decoration}, {"bush", MapBushes, Kind::Decoration}};
    std::size_t counts[std::size(records)] = {};
    while (!reader.Eof()) {
        std::string keyword;
        if (!reader.Input(keyword)) {
            return false;
        }
        for (std::size_t i = 0; i < std::size(records); ++i) {
            if (keyword != records[i].keyword) {
                continue;
            }
            SpriteClass element;
            if (!ReadRecord(reader, records[i].kind, element) ||
                !Append(records[i].array, counts[i], element)) {
                return false;
            }
            break;
        }
    }
    return true;
}

void WriteRecords(platform::ListWriter& writer, std::string_view keyword,
                  const std::vector<SpriteClass>& array, Kind kind)
{
    for (const SpriteClass& element : array) {
        if (!element.visible) {
            continue;
        }
        writer.WriteText(keyword);
        if (kind != Kind::Decoration) {
            writer.WriteInteger(element.id);
        }
        if (kind != Kind::Lane) {
            writer.WriteInteger(platform::CLng(element.X));
        }
        writer.WriteInteger(platform::CLng(element.Y));
        if (kind == Kind::Mover) {
            writer.WriteDouble(element.xMov);
        }
        writer.EndLine();
    }
}

} // namespace

std::vector<SpriteClass> MapRoads{Hidden()};
std::vector<SpriteClass> MapCars{Hidden()};
std::vector<SpriteClass> MapRivers{Hidden()};
std::vector<SpriteClass> MapLogs{Hidden()};
std::vector<SpriteClass> MapFlowers{Hidden()};
std::vector<SpriteClass> MapBushes{Hidden()};

void ClearMap()
{
    for (std::vector<SpriteClass>* array :
         {&MapRoads, &MapCars, &MapRivers, &MapLogs, &MapFlowers, &MapBushes}) {
        array->assign(1, Hidden());
    }
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

void WriteMap(platform::ListWriter& writer)
{
    WriteRecords(writer, "road", MapRoads, Kind::Lane);
    WriteRecords(writer, "river", MapRivers, Kind::Lane);
    WriteRecords(writer, "car", MapCars, Kind::Mover);
    WriteRecords(writer, "log", MapLogs, Kind::Mover);
    WriteRecords(writer, "flower", MapFlowers, Kind::Decoration);
    WriteRecords(writer, "bush", MapBushes, Kind::Decoration);
}

bool SaveMap(std::string_view path)
{
    return MapFile::Save(path, WriteMap);
}

} // namespace LupidoCommon
