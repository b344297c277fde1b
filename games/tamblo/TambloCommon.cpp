// The maze grid of Tamblo and its map reader and writer.
#include "games/tamblo/TambloCommon.h"

#include "common/Common.h"
#include "games/shared/MapFile.h"
#include "platform/ListFile.h"
#include "platform/Numbers.h"

namespace TambloCommon {

CellSize TileSize;
std::int16_t Cols = 0;
std::int16_t Rows = 0;
std::vector<SpriteClass> Tiles;
std::array<SpriteClass, tamblo::TileCount> TileImages;

namespace {

constexpr std::int16_t FieldWidth = 800;
constexpr std::int16_t FieldHeight = 480;

} // namespace

void SetTileSize()
{
    const std::int16_t size = Common::gMode == "easy" ? 60 : 40;
    TileSize = {size, size};
}

void BuildGrid()
{
    SetTileSize();
    Cols = platform::IntDiv(FieldWidth, TileSize.Width);
    Rows = platform::IntDiv(FieldHeight, TileSize.Height);
    // Only "normal" fills the whole width; every other mode leaves a 10-pixel margin on the left.
    const std::int16_t left = Common::gMode == "normal" ? 0 : 10;
    Tiles.assign(static_cast<std::size_t>(Cols) * static_cast<std::size_t>(Rows), SpriteClass{});
    for (std::size_t index = 0; index < Tiles.size(); ++index) {
        const auto column = static_cast<std::int32_t>(index % static_cast<std::size_t>(Cols));
        const auto row = static_cast<std::int32_t>(index / static_cast<std::size_t>(Cols));
        SpriteClass& cell = Tiles[index];
        cell.X = left + column * TileSize.Width;
        cell.Y = row * TileSize.Height;
        cell.width = TileSize.Width;
        cell.Height = TileSize.Height;
        cell.id = tamblo::FloorTile;
    }
}

bool LoadMap(std::string_view path)
{
    return MapFile::Load(path, ReadMap);
}

bool ReadMap(platform::ListReader& reader)
{
    for (SpriteClass& cell : Tiles) {
        // "2.5" or an id beyond the pictures fails instead of being rounded or reaching the
        // drawing.
        std::int32_t id = 0;
        if (!MapFile::InputWholeIn(reader, id, 0, tamblo::TileCount - 1)) {
            return false;
        }
        cell.id = id;
    }
    return true;
}

bool SaveMap(std::string_view path)
{
    return MapFile::Save(path, WriteMap);
}

void WriteMap(platform::ListWriter& writer)
{
    for (std::size_t index = 0; index < Tiles.size(); ++index) {
        writer.WriteInteger(Tiles[index].id);
        if ((index + 1) % static_cast<std::size_t>(Cols) == 0) {
            writer.EndLine();
        }
    }
}

} // namespace TambloCommon
