// Turning a text drawing of a maze into Tamblo tile ids.
#include "tools/TambloMazeDrawing.h"

#include <array>
#include <utility>

#include "games/tamblo/TambloTiles.h"

namespace tamblo {

namespace {

constexpr std::array<std::pair<std::int16_t, std::int16_t>, 2> ModeSizes = {{{13, 8}, {20, 12}}};
constexpr std::int16_t WallMark = -1; // a wall whose piece is not chosen yet

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

std::optional<std::int16_t> TileOfMark(char mark)
{
    switch (mark) {
    case '#':
        return WallMark;
    case '.':
        return DotTile;
    case '_':
    case ' ':
        return FloorTile;
    case 'P':
        return PlayerStartTile;
    case 'G':
        return GhostStartTile;
    default:
        return std::nullopt;
    }
}

std::string Where(std::size_t row, std::size_t column)
{
    return "row " + std::to_string(row + 1) + ", column " + std::to_string(column + 1);
}

} // namespace

std::optional<MazeDrawing> ReadMazeDrawing(std::string_view text, std::string& error)
{
    const std::vector<std::string_view> lines = SplitLines(text);
    MazeDrawing maze;
    for (const auto& [cols, rows] : ModeSizes) {
        if (!lines.empty() && lines.size() == static_cast<std::size_t>(rows) &&
            lines.front().size() == static_cast<std::size_t>(cols)) {
            maze.cols = cols;
            maze.rows = rows;
        }
    }
    if (maze.cols == 0) {
        error = "the drawing is neither 13 x 8 (easy) nor 20 x 12 (normal) characters";
        return std::nullopt;
    }
    const auto cols = static_cast<std::size_t>(maze.cols);
    const auto rows = static_cast<std::size_t>(maze.rows);
    for (std::size_t row = 0; row < rows; ++row) {
        if (lines[row].size() != cols) {
            error = "row " + std::to_string(row + 1) + " is " + std::to_string(lines[row].size()) +
                    " characters long instead of " + std::to_string(cols);
            return std::nullopt;
        }
        for (std::size_t column = 0; column < cols; ++column) {
            const auto tile = TileOfMark(lines[row][column]);
            if (!tile) {
                error = Where(row, column) + ": unknown character '" +
                        std::string(1, lines[row][column]) + "'";
                return std::nullopt;
            }
            maze.tiles.push_back(*tile);
        }
    }
    const auto isWall = [&](std::size_t row, std::size_t column) {
        return maze.tiles[row * cols + column] == WallMark;
    };
    std::vector<std::int16_t> chosen = maze.tiles;
    for (std::size_t row = 0; row < rows; ++row) {
        for (std::size_t column = 0; column < cols; ++column) {
            if (!isWall(row, column)) {
                continue;
            }
            int joins = 0;
            if (column + 1 < cols && isWall(row, column + 1)) {
                joins |= JoinRight;
            }
            if (row + 1 < rows && isWall(row + 1, column)) {
                joins |= JoinDown;
            }
            if (column > 0 && isWall(row, column - 1)) {
                joins |= JoinLeft;
            }
            if (row > 0 && isWall(row - 1, column)) {
                joins |= JoinUp;
            }
            const int piece = WallTileForJoins(joins);
            if (piece < 0) {
                error = Where(row, column) +
                        (joins == 0 ? ": a wall with no wall beside it"
                                    : ": a wall with walls on all four sides") +
                        " has no wall piece";
                return std::nullopt;
            }
            chosen[row * cols + column] = static_cast<std::int16_t>(piece);
        }
    }
    maze.tiles = std::move(chosen);
    return maze;
}

} // namespace tamblo
