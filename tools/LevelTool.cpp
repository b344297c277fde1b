// The shared main of the level tools, and the lines of a drawing.
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

std::vector<std::string_view> DrawingLines(std::string_view text)
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
