// ZentarFormation DRAWING MAP: turns a text drawing of an alien formation (see
// ZentarFormationDrawing.h) into a Zentar map file: the background record, then one alien a line.
// The shipped levels are made with it:
//   build/tools/ZentarFormation tools/formations/zentar/easy/1.txt Maps/Zentar/easy/1.map
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/ListFile.h"
#include "tools/ZentarFormationDrawing.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: ZentarFormation DRAWING MAP\n";
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
    const auto formation = zentar::ReadFormationDrawing(text.str(), error);
    if (!formation) {
        std::cerr << "vandrel: " << argv[1] << ": " << error << "\n";
        return 1;
    }
    platform::ListWriter writer;
    if (!writer.Create(argv[2])) {
        std::cerr << "vandrel: cannot create " << argv[2] << "\n";
        return 1;
    }
    writer.WriteText("background");
    writer.WriteInteger(formation->background);
    writer.EndLine();
    for (const zentar::FormationAlien& alien : formation->aliens) {
        writer.WriteText("alien");
        writer.WriteInteger(alien.type);
        writer.WriteInteger(alien.x);
        writer.WriteInteger(alien.y);
        writer.EndLine();
    }
    return writer.Close() ? 0 : 1;
}
