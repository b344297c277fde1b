// A Tamblo window on the headless backend for the rules and window tests: levels of its own drawn
// as mazes, square test figures, the settings each test starts from, and passes of the loop run
// one at a time.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "games/tamblo/TambloForm.h"
#include "games/tamblo/TambloTiles.h"
#include "platform/Gdi.h"
#include "tests/support/GameWindowFixture.h"
#include "toolkit/GameUtil.h"
#include "tools/TambloMazeDrawing.h"

namespace tamblotest {

using Mode = tamblo::GameMode;

inline constexpr platform::Color Key = platform::Rgb(255, 0, 255);
inline constexpr std::int32_t Cell = 60; // mode "easy"

// The top-left corner of a cell of the easy grid.
inline double CellX(int column)
{
    return 10 + Cell * column;
}
inline double CellY(int row)
{
    return Cell * row;
}

// A 60 x 60 picture in a context of its own: the colour key, with an opaque square covering the
// pixels 10 to 49 on both axes. Two such figures touch when 39 pixels apart, not when 40.
inline platform::Hdc SquarePicture()
{
    platform::Bitmap bitmap(Cell, Cell);
    for (std::int32_t y = 0; y < Cell; ++y) {
        for (std::int32_t x = 0; x < Cell; ++x) {
            const bool inside = x >= 10 && x < 50 && y >= 10 && y < 50;
            bitmap.Row(y)[x] =
                static_cast<std::uint32_t>(inside ? platform::Rgb(200, 160, 0) : Key);
        }
    }
    const platform::Hdc dc = platform::CreateCompatibleDC(0);
    platform::DeleteObject(platform::SelectObject(dc, platform::CreateBitmapFrom(bitmap)));
    return dc;
}

inline void UseSquare(SpriteClass& sprite)
{
    sprite.CleanUp();
    sprite.SetDC(SquarePicture());
    sprite.width = Cell;
    sprite.Height = Cell;
    sprite.colorKey = Key;
}

class TambloGame : public testsupport::GameWindowFixture<TambloForm> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        GameUtil::SetRandomState(20240601);
        const std::pair<const char*, const char*> tamblo[] = {
            {"Mode", "easy"},      {"TambloSpeed", "300"}, {"GhostSpeed", "300"},
            {"MaxNumGhosts", "0"}, {"MusicOn", "0"},       {"FxOn", "0"},
            {"Highscore0", "10"},  {"Highscore1", "20"},   {"Highscore2", "30"},
            {"Highscore3", "40"},  {"Highscore4", "50"},   {"Highscore5", "60"},
        };
        for (const auto& [key, value] : tamblo) {
            Save("Tamblo", key, value);
        }
        for (const char* key : {"OneButton", "HighScore", "PauseOnStop"}) {
            Save("Menu", key, "0");
        }
    }

    // Writes level `level` of mode "easy" from a drawing (the maze tool's marks); rows and columns
    // not given are floor. With a wall id, every wall cell takes that id instead of its piece.
    void WriteLevel(int level, std::vector<std::string> rows, int wallId = -1)
    {
        rows.resize(8);
        std::string text;
        for (std::string& row : rows) {
            row.resize(13, '_');
            text += row + "\n";
        }
        std::string error;
        const auto maze = tamblo::ReadMazeDrawing(text, error);
        ASSERT_TRUE(maze) << error;
        std::string map;
        for (std::size_t i = 0; i < maze->tiles.size(); ++i) {
            const int id = wallId >= 0 && tamblo::IsWall(maze->tiles[i]) ? wallId : maze->tiles[i];
            map += std::to_string(id) + ((i + 1) % 13 == 0 ? "\r\n" : ",");
        }
        WriteMap("Tamblo", level, map);
    }

    void Setting(const char* section, const char* key, const char* value)
    {
        Save(section, key, value);
    }

    // Shows the window as the launcher does, but runs its passes from the test: the loop timer is
    // stopped, the figure and the ghosts become squares, and a new game waits at level 1.
    void Start()
    {
        form.Show();
        form.startLoopTimer.SetEnabled(false);
        for (SpriteClass& image : form.PlayerImages) {
            UseSquare(image);
        }
        for (SpriteClass& image : form.GhostImages) {
            UseSquare(image);
        }
        form.Player.SetSpriteDC(form.PlayerImages[0]);
        form.LivesIcon.SetSpriteDC(form.PlayerImages[0]);
        form.InitLevel(true, true);
        form.LastTime = GameUtil::GetTickMs();
    }

    bool AtCell(const SpriteClass& sprite, int row, int column) const
    {
        return sprite.X == CellX(column) && sprite.Y == CellY(row) && sprite.xMov == 0 &&
               sprite.yMov == 0;
    }
};

} // namespace tamblotest
