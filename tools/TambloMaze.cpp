// TambloMaze DRAWING MAP: turns a text drawing of a maze (see TambloMazeDrawing.h) into a Tamblo
// map file, one row of comma-separated tile ids per line. The shipped levels are made with it:
//   build/tools/TambloMaze tools/mazes/tamblo/easy/1.txt Maps/Tamblo/easy/1.map
#include "common/Common.h"
#include "games/tamblo/TambloCommon.h"
#include "tools/LevelTool.h"
#include "tools/TambloMazeDrawing.h"

int main(int argc, char** argv)
{
    return RunLevelTool(
        argc, argv, "TambloMaze",
        [](std::string_view drawing, std::string& error) {
            const auto maze = tamblo::ReadMazeDrawing(drawing, error);
            if (!maze) {
                return false;
            }
            // The drawing's size tells its mode, and the mode the grid.
            Common::gMode = maze->cols == 13 ? "easy" : "normal";
            TambloCommon::BuildGrid();
            for (std::size_t index = 0; index < maze->tiles.size(); ++index) {
                TambloCommon::Tiles[index].id = maze->tiles[index];
            }
            return true;
        },
        TambloCommon::SaveMap);
}
