// TambloMaze DRAWING MAP: turns a text drawing of a maze (see TambloMazeDrawing.h) into a Tamblo
// map file, one row of comma-separated tile ids per line. The shipped levels are made with it:
//   build/tools/TambloMaze tools/mazes/tamblo/easy/1.txt Maps/Tamblo/easy/1.map
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/ListFile.h"
#include "tools/TambloMazeDrawing.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: TambloMaze DRAWING MAP\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "vandrel: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string error;
    const auto maze = tamblo::ReadMazeDrawing(text.str(), error);
    if (!maze) {
        std::cerr << "vandrel: " << argv[1] << ": " << error << "\n";
        return 1;
    }
    platform::ListWriter writer;
    if (!writer.Create(argv[2])) {
        std::cerr << "vandrel: cannot create " << argv[2] << "\n";
        return 1;
    }
    for (std::size_t index = 0; index < maze->tiles.size(); ++index) {
        writer.WriteInteger(maze->tiles[index]);
        if ((index + 1) % static_cast<std::size_t>(maze->cols) == 0) {
            writer.EndLine();
        }
    }
    return writer.Close() ? 0 : 1;
}
