// Turning a text drawing of Lupido's lanes into its map.
#include "tools/LupidoLaneDrawing.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "games/lupido/LupidoCommon.h"
#include "tools/DrawingLines.h"

namespace lupido {

namespace {

namespace lc = LupidoCommon;

constexpr int Columns = 80;
constexpr int ColumnWidth = 10;
constexpr int FieldHeight = 480;
// The decorations' picture heights, the same in both modes: a flower stands in the middle of its
// row, a bush on the row's bottom.
constexpr int FlowerHeight = 24;
constexpr int BushHeight = 40;

struct Mode {
    int row;     // pixels
    int carRun;  // columns
    int logRun;  // columns
    int figure;  // pixel height of cars and logs
    int homeRow; // index of the row the rabbit must reach
};

constexpr Mode Easy{60, 11, 18, 48, 1};
constexpr Mode Normal{40, 7, 12, 32, 0};

void Add(std::vector<SpriteClass>& array, double x, double y, std::int32_t id, double speed)
{
    SpriteClass element;
    element.id = id;
    element.X = x;
    element.Y = y;
    element.xMov = speed;
    element.visible = true;
    // The first element takes over the hidden one of a cleared map.
    if (array.size() == 1 && !array[0].visible) {
        array[0] = element;
    } else {
        array.push_back(element);
    }
}

// The words of a line before its strip, split at blanks.
std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            break;
        }
        text.remove_prefix(start);
        const std::size_t end = text.find(' ');
        words.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end);
    }
    return words;
}

bool ReadSpeed(std::string_view word, double& speed)
{
    const auto [end, failure] = std::from_chars(word.data(), word.data() + word.size(), speed);
    return failure == std::errc{} && end == word.data() + word.size() && std::isfinite(speed) &&
           speed > 0;
}

// One row line: its lane (if any), its cars or logs, its decorations.
bool ReadRow(std::string_view line, int row, const Mode& mode, std::string& error)
{
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos || line.size() - bar != Columns + 2 || line.back() != '|') {
        error = "a row is its kind and 80 columns between bars";
        return false;
    }
    const std::string_view strip = line.substr(bar + 1, Columns);
    const std::vector<std::string_view> words = Words(line.substr(0, bar));
    const double top = row * mode.row;
    if (words.size() == 1 && words[0] == "grass") {
        for (int column = 0; column < Columns; ++column) {
            const char mark = strip[static_cast<std::size_t>(column)];
            const double x = column * ColumnWidth;
            if (mark == '*') {
                Add(lc::MapFlowers, x, top + (mode.row - FlowerHeight) / 2, 0, 0);
            } else if (mark == 'B') {
                Add(lc::MapBushes, x, top + mode.row - BushHeight, 0, 0);
            } else if (mark != '.') {
                error = std::string("grass holds '.', '*' and 'B', not '") + mark + "'";
                return false;
            }
        }
        return true;
    }
    const bool river = !words.empty() && words[0] == "river";
    if (words.size() != 4 || (!river && words[0] != "road")) {
        error = "a row is \"grass\", \"road V D S\" or \"river V D S\"";
        return false;
    }
    if (words[1].size() != 1 || words[1][0] < '0' || words[1][0] >= '0' + lc::LaneVariants) {
        error = "a lane's picture is 0..5";
        return false;
    }
    if (words[2] != ">" && words[2] != "<") {
        error = "a lane's direction is '>' or '<'";
        return false;
    }
    double speed = 0;
    if (!ReadSpeed(words[3], speed)) {
        error = "a lane's speed is a positive number";
        return false;
    }
    if (row <= mode.homeRow || row >= FieldHeight / mode.row - 1) {
        error = "lanes lie between the home row and the start row";
        return false;
    }
    Add(river ? lc::MapRivers : lc::MapRoads, 0, top, words[1][0] - '0', 0);
    const char mover = river ? 'L' : 'C';
    const int run = river ? mode.logRun : mode.carRun;
    const std::int32_t id = words[2] == ">" ? 0 : 1;
    int column = 0;
    while (column < Columns) {
        const char mark = strip[static_cast<std::size_t>(column)];
        if (mark == '.') {
            ++column;
            continue;
        }
        if (mark != mover) {
            error = std::string(river ? "a river" : "a road") + " holds '.' and '" + mover +
                    "', not '" + mark + "'";
            return false;
        }
        int end = column;
        while (end < Columns && strip[static_cast<std::size_t>(end)] == mover) {
            ++end;
        }
        if ((end - column) % run != 0) {
            error = "column " + std::to_string(column + 1) + ": each " + (river ? "log" : "car") +
                    " is " + std::to_string(run) + " columns long";
            return false;
        }
        for (int start = column; start < end; start += run) {
            Add(river ? lc::MapLogs : lc::MapCars, start * ColumnWidth,
                top + (mode.row - mode.figure) / 2, id, speed);
        }
        column = end;
    }
    return true;
}

} // namespace

bool MakeLaneMap(std::string_view drawing, std::string& error)
{
    lc::ClearMap();
    const Mode* mode = nullptr;
    int row = 0;
    for (const DrawingLine& drawn : DrawingLines(drawing)) {
        const std::string_view line = drawn.text;
        const auto where = "line " + std::to_string(drawn.number) + ": ";
        if (mode == nullptr) {
            if (line != "mode easy" && line != "mode normal") {
                error = where + "the drawing starts with \"mode easy\" or \"mode normal\"";
                return false;
            }
            mode = line == "mode easy" ? &Easy : &Normal;
            continue;
        }
        if (row >= FieldHeight / mode->row) {
            error = where + "more rows than the field holds";
            return false;
        }
        if (!ReadRow(line, row, *mode, error)) {
            error = where + error;
            return false;
        }
        ++row;
    }
    if (mode == nullptr) {
        error = "the drawing has no mode";
        return false;
    }
    if (row != FieldHeight / mode->row) {
        error = std::string(mode == &Easy ? "mode easy draws 8 rows" : "mode normal draws 12 rows");
        return false;
    }
    return true;
}

} // namespace lupido
