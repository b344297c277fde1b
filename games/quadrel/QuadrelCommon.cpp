// The piece templates of a Quadrel map and their file.
#include "games/quadrel/QuadrelCommon.h"

#include <algorithm>
#include <utility>

#include "common/Common.h"
#include "games/shared/MapFile.h"
#include "platform/Numbers.h"

namespace QuadrelCommon {

namespace {

constexpr std::size_t EasyTemplates = 6;
constexpr std::size_t NormalTemplates = 12;
constexpr std::int32_t EasyCell = 40;
constexpr std::int32_t NormalCell = 20;

struct Origin {
    std::int16_t x;
    std::int16_t y;
};

// Where the editor shows each template, in collection order.
constexpr std::array<Origin, EasyTemplates> EasyOrigins = {
    {{60, 20}, {300, 20}, {540, 20}, {60, 260}, {300, 260}, {540, 260}}};
constexpr std::array<Origin, NormalTemplates> NormalOrigins = {{{28, 93},
                                                                {156, 93},
                                                                {284, 93},
                                                                {412, 93},
                                                                {540, 93},
                                                                {668, 93},
                                                                {28, 286},
                                                                {156, 286},
                                                                {284, 286},
                                                                {412, 286},
                                                                {540, 286},
                                                                {668, 286}}};

bool IsEasy()
{
    return Common::gMode == "easy";
}

bool ReadCell(platform::ListReader& reader, SpriteClass& cell)
{
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t id = 0;
    if (!MapFile::InputWhole(reader, x) || !MapFile::InputWhole(reader, y) ||
        !MapFile::InputWhole(reader, id) || id > MaxBlockId) {
        return false;
    }
    cell.X = x;
    cell.Y = y;
    cell.id = id;
    return true;
}

// A template joins the map only once all its cells were read.
bool ReadTemplates(platform::ListReader& reader)
{
    const std::int32_t size = CellSize();
    for (std::size_t t = 0; t < TemplateCount(); ++t) {
        PieceTemplate pieceTemplate;
        for (SpriteClass& cell : pieceTemplate) {
            cell.width = size;
            cell.Height = size;
            if (!ReadCell(reader, cell)) {
                return false;
            }
        }
        MapTemplates.push_back(std::move(pieceTemplate));
    }
    return true;
}

} // namespace

std::vector<PieceTemplate> MapTemplates;

std::size_t TemplateCount()
{
    return IsEasy() ? EasyTemplates : NormalTemplates;
}

std::int32_t CellSize()
{
    return IsEasy() ? EasyCell : NormalCell;
}

PieceTemplate LaidOutTemplate(std::size_t index)
{
    Origin origin{0, 0};
    if (IsEasy() && index < EasyOrigins.size()) {
        origin = EasyOrigins[index];
    } else if (!IsEasy() && index < NormalOrigins.size()) {
        origin = NormalOrigins[index];
    }
    PieceTemplate pieceTemplate;
    for (SpriteClass& cell : pieceTemplate) {
        cell.id = -1;
    }
    LayOutTemplate(pieceTemplate, origin.x, origin.y);
    return pieceTemplate;
}

void LayOutTemplate(PieceTemplate& pieceTemplate, double x, double y)
{
    const std::int32_t size = CellSize();
    for (std::size_t i = 0; i < pieceTemplate.size(); ++i) {
        SpriteClass& cell = pieceTemplate[i];
        cell.X = x + static_cast<std::int32_t>(i % TemplateSide) * size;
        cell.Y = y + static_cast<std::int32_t>(i / TemplateSide) * size;
        cell.width = size;
        cell.Height = size;
    }
}

bool HasBlock(const PieceTemplate& pieceTemplate)
{
    return std::any_of(pieceTemplate.begin(), pieceTemplate.end(),
                       [](const SpriteClass& cell) { return cell.id >= 0; });
}

bool LoadMap(std::string_view path)
{
    return MapFile::Load(path, ReadMap);
}

bool ReadMap(platform::ListReader& reader)
{
    MapTemplates.clear();
    const bool complete = ReadTemplates(reader);
    return complete && std::any_of(MapTemplates.begin(), MapTemplates.end(), HasBlock);
}

void WriteMap(platform::ListWriter& writer)
{
    for (const PieceTemplate& pieceTemplate : MapTemplates) {
        for (const SpriteClass& cell : pieceTemplate) {
            writer.WriteInteger(platform::CInt(cell.X));
            writer.WriteInteger(platform::CInt(cell.Y));
            writer.WriteInteger(cell.id);
            writer.EndLine();
        }
    }
}

bool SaveMap(std::string_view path)
{
    if (MapTemplates.size() != TemplateCount()) {
        return false;
    }
    return MapFile::Save(path, WriteMap);
}

} // namespace QuadrelCommon
