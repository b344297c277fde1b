// The lines of a level tool's text drawing that carry something, numbered for the tool's messages.
// Shared by the drawing readers of the level tools.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

struct DrawingLine {
    std::size_t number = 0; // from 1
    std::string_view text;  // without its line end
};

// Lines end in LF or CR LF; empty lines and lines starting with '#' are left out.
inline std::vector<DrawingLine> DrawingLines(std::string_view text)
{
    std::vector<DrawingLine> lines;
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!line.empty() && line.front() != '#') {
            lines.push_back({number, line});
        }
    }
    return lines;
}
