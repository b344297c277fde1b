// The shared main of the level tools.
#include "tools/LevelTool.h"

#include <fstream>
#include <iostream>
#include <sstream>

int RunLevelTool(int argc, char** argv, std::string_view name,
                 const std::function<bool(std::string_view drawing, std::string& error)>& makeMap,
                 const std::function<bool(std::string_view path)>& saveMap)
{
    if (argc != 3) {
        std::cerr << "usage: " << name << " DRAWING MAP\n";
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
    if (!makeMap(text.str(), error)) {
        std::cerr << "vandrel: " << argv[1] << ": " << error << "\n";
        return 1;
    }
    // The writer names what failed on standard error.
    return saveMap(argv[2]) ? 0 : 1;
}
