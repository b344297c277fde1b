// Turning a text drawing of a brick wall into Krevin map records.
#include "tools/KrevinWallDrawing.h"

#include <charconv>

#include "tools/DrawingLines.h"

namespace krevin {

namespace {

// The brick grid of a mode: its first cell's corner, the cell size and how many cells it holds.
struct Grid {
    std::int16_t left, top, width, height, columns, rows;
};
constexpr Grid EasyGrid{40, 20, 60, 30, 12, 13};
constexpr Grid NormalGrid{20, 20, 40, 20, 19, 21};
constexpr long BackgroundCount = 27;

std::optional<std::int16_t> TypeOfMark(char mark)
{
    if (mark >= '0' && mark <= '9') {
        return static_cast<std::int16_t>(mark - '0');
    }
    if (mark == 'a') {
        return std::int16_t{10};
    }
    return std::nullopt;
}

// One setting line into the drawing; false with a message when it is none, repeated or bad.
bool ReadSetting(std::string_view line, WallDrawing& drawing, bool& hasMode, bool& hasBackground,
                 std::string& error)
{
    const std::size_t blank = line.find(' ');
    const std::string_view name = line.substr(0, blank);
    const std::string_view value =
        blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
    if (name == "mode") {
        if (hasMode) {
            error = "mode given twice";
            return false;
        }
        if (value != "easy" && value != "normal") {
            error = "mode must be easy or normal";
            return false;
        }
        drawing.mode = value;
        hasMode = true;
        return true;
    }
    if (name == "background") {
        if (hasBackground) {
            error = "background given twice";
            return false;
        }
        long number = -1;
        const auto [end, failure] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (failure != std::errc{} || end != value.data() + value.size() || number < 0 ||
            number >= BackgroundCount) {
            error = "background needs a whole number in 0..26";
            return false;
        }
        drawing.background = static_cast<std::int16_t>(number);
        hasBackground = true;
        return true;
    }
    error = "neither a setting nor a row between bars";
    return false;
}

} // namespace

std::optional<WallDrawing> ReadWallDrawing(std::string_view text, std::string& error)
{
    WallDrawing drawing;
    bool hasMode = false;
    bool hasBackground = false;
    std::vector<DrawingLine> rows; // the cells between the bars
    for (const DrawingLine& line : DrawingLines(text)) {
        const std::string where = "line " + std::to_string(line.number) + ": ";
        if (line.text.front() != '|') {
            if (!ReadSetting(line.text, drawing, hasMode, hasBackground, error)) {
                error = where + error;
                return std::nullopt;
            }
        } else if (line.text.size() < 2 || line.text.back() != '|') {
            error = where + "a row ends with a bar";
            return std::nullopt;
        } else {
            rows.push_back({line.number, line.text.substr(1, line.text.size() - 2)});
        }
    }
    if (!hasMode || !hasBackground) {
        error = "mode and background are both needed";
        return std::nullopt;
    }
    const Grid grid = drawing.mode == "normal" ? NormalGrid : EasyGrid;
    if (rows.size() > static_cast<std::size_t>(grid.rows)) {
        error = "the " + drawing.mode + " grid holds " + std::to_string(grid.rows) + " rows";
        return std::nullopt;
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto& [number, cells] = rows[row];
        const std::string where = "line " + std::to_string(number) + ": ";
        if (cells.size() != static_cast<std::size_t>(grid.columns)) {
            error = where + "a row of the " + drawing.mode + " grid has " +
                    std::to_string(grid.columns) + " cells";
            return std::nullopt;
        }
        for (std::size_t column = 0; column < cells.size(); ++column) {
            if (cells[column] == '.') {
                continue;
            }
            const auto type = TypeOfMark(cells[column]);
            if (!type) {
                error = where + "unknown mark '" + std::string(1, cells[column]) + "'";
                return std::nullopt;
            }
            drawing.bricks.push_back(
                {static_cast<std::int16_t>(grid.left + static_cast<int>(column) * grid.width),
                 static_cast<std::int16_t>(grid.top + static_cast<int>(row) * grid.height), *type});
        }
    }
    return drawing;
}

} // namespace krevin
