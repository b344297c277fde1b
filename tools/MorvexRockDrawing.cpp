// Turning a text drawing of a rock field into a Morvex map.
#include "tools/MorvexRockDrawing.h"

#include <sstream>

#include "games/morvex/MorvexCommon.h"

namespace morvex {

namespace {

constexpr int BackgroundCount = 27;

std::optional<std::int16_t> KindOfMark(char mark)
{
    switch (mark) {
    case 'L':
        return MorvexCommon::Large;
    case 'M':
        return MorvexCommon::Medium;
    case 'S':
        return MorvexCommon::Small;
    default:
        return std::nullopt;
    }
}

int SizeOfKind(std::int16_t kind)
{
    return 80 - 20 * kind;
}

// "background N" with N a whole number in 0..26.
bool ReadBackground(const std::string& line, std::optional<std::int16_t>& background,
                    std::string& error)
{
    std::istringstream words(line);
    std::string name;
    int number = -1;
    std::string rest;
    words >> name;
    if (name != "background") {
        error = "neither the background nor a row between bars";
        return false;
    }
    if (background) {
        error = "background given twice";
        return false;
    }
    if (!(words >> number) || (words >> rest) || number < 0 || number >= BackgroundCount) {
        error = "background needs one whole number in 0..26";
        return false;
    }
    background = static_cast<std::int16_t>(number);
    return true;
}

// The rocks of one row of cells, appended in order from the left.
bool ReadRow(std::string_view cells, int row, std::vector<DrawnRock>& rocks, std::string& error)
{
    if (cells.size() != FieldColumns) {
        error = "a row holds 40 cells between two bars";
        return false;
    }
    for (int column = 0; column < FieldColumns; ++column) {
        const char mark = cells[static_cast<std::size_t>(column)];
        if (mark == '.') {
            continue;
        }
        const auto kind = KindOfMark(mark);
        if (!kind) {
            error = "unknown mark '" + std::string(1, mark) + "'";
            return false;
        }
        const int size = SizeOfKind(*kind);
        const int x = column * CellSize;
        const int y = row * CellSize;
        if (x + size > FieldColumns * CellSize || y + size > FieldRows * CellSize) {
            error = "the rock at column " + std::to_string(column + 1) + " reaches past the field";
            return false;
        }
        rocks.push_back({*kind, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
    }
    return true;
}

} // namespace

std::optional<RockDrawing> ReadRockDrawing(std::string_view text, std::string& error)
{
    std::istringstream lines{std::string(text)};
    std::optional<std::int16_t> background;
    RockDrawing drawing;
    int rows = 0;
    int lineNumber = 0;
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        bool read = false;
        if (line.front() != '|') {
            read = ReadBackground(line, background, error);
        } else if (line.size() < 2 || line.back() != '|') {
            error = "a row ends with a bar";
        } else if (rows == FieldRows) {
            error = "more than 24 rows";
        } else {
            read = ReadRow(std::string_view(line).substr(1, line.size() - 2), rows, drawing.rocks,
                           error);
            ++rows;
        }
        if (!read) {
            error = "line " + std::to_string(lineNumber) + ": " + error;
            return std::nullopt;
        }
    }
    if (!background) {
        error = "the background is missing";
        return std::nullopt;
    }
    if (rows != FieldRows) {
        error = "the field needs 24 rows";
        return std::nullopt;
    }
    drawing.background = *background;
    return drawing;
}

bool MakeRockMap(std::string_view text, std::string& error)
{
    const auto drawing = ReadRockDrawing(text, error);
    if (!drawing) {
        return false;
    }
    MorvexCommon::ClearMap();
    MorvexCommon::MapBackground.id = drawing->background;
    MorvexCommon::MapRocks.resize(std::max<std::size_t>(drawing->rocks.size(), 1));
    for (std::size_t i = 0; i < drawing->rocks.size(); ++i) {
        SpriteClass& rock = MorvexCommon::MapRocks[i];
        rock.id = drawing->rocks[i].kind;
        rock.X = drawing->rocks[i].x;
        rock.Y = drawing->rocks[i].y;
        rock.visible = true;
    }
    return true;
}

} // namespace morvex
