// The brick map of Krevin: its reader and its writer.
#include "games/krevin/KrevinCommon.h"

#include <limits>
#include <string>

#include "common/Common.h"
#include "games/shared/MapFile.h"
#include "platform/Numbers.h"

namespace KrevinCommon {

namespace {

// The record counter of the file format is 16-bit.
constexpr std::size_t MaxRecords = std::numeric_limits<std::int16_t>::max();

SpriteClass Placeholder()
{
    SpriteClass placeholder;
    placeholder.id = -1;
    placeholder.visible = false;
    return placeholder;
}

// The brick of record `record`. It is stored only when the whole record was read and its type names
// a picture, so that a failed load never leaves a visible brick without one.
bool ReadBrick(platform::ListReader& reader, std::size_t record)
{
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int32_t type = 0;
    if (!MapFile::InputWhole(reader, x) || !MapFile::InputWhole(reader, y) ||
        !MapFile::InputWholeIn(reader, type, 0, BrickTypeCount - 1)) {
        return false;
    }
    // Records that held no brick leave hidden placeholders, so every element is a brick or hidden.
    if (MapBricks.size() < record + 1) {
        MapBricks.resize(record + 1, Placeholder());
    }
    SpriteClass& brick = MapBricks[record];
    brick.X = x;
    brick.Y = y;
    brick.id = type;
    const bool normal = Common::gMode == "normal";
    brick.width = normal ? 40 : 60;
    brick.Height = normal ? 20 : 30;
    brick.visible = true;
    brick.SetDC(BrickPictures[static_cast<std::size_t>(type)].GetDC(-1));
    return true;
}

bool ReadRecords(platform::ListReader& reader)
{
    for (std::size_t record = 0; !reader.Eof(); ++record) {
        std::string keyword;
        if (record >= MaxRecords || !reader.Input(keyword)) {
            return false;
        }
        if (keyword == "brick") {
            if (!ReadBrick(reader, record)) {
                return false;
            }
        } else if (keyword == "background") {
            std::int16_t number = 0;
            if (!MapFile::InputWhole(reader, number)) {
                return false;
            }
            MapBackground.id = number;
        }
    }
    return true;
}

} // namespace

std::vector<SpriteClass> MapBricks{Placeholder()};
std::array<SpriteClass, BrickTypeCount> BrickPictures;
SpriteClass MapBackground;

void ClearBricks()
{
    MapBricks.assign(1, Placeholder());
}

bool LoadMap(std::string_view path)
{
    return MapFile::Load(path, ReadMap);
}

bool ReadMap(platform::ListReader& reader)
{
    ClearBricks();
    return ReadRecords(reader);
}

void WriteMap(platform::ListWriter& writer)
{
    writer.WriteText("background");
    writer.WriteInteger(MapBackground.id);
    writer.EndLine();
    for (const SpriteClass& brick : MapBricks) {
        if (brick.id >= 0 && brick.id < BrickTypeCount) {
            writer.WriteText("brick");
            writer.WriteInteger(platform::CInt(brick.X));
            writer.WriteInteger(platform::CInt(brick.Y));
            writer.WriteInteger(brick.id);
            writer.EndLine();
        }
    }
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

} // namespace KrevinCommon
