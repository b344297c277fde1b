// The main of every level tool "NAME DRAWING MAP": a text drawing of a level turned into a map file
// by the game's own map writer.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Reads DRAWING; makeMap turns its text into the map module's map (false with a message for a bad
// drawing); saveMap writes MAP. Answers the exit status: 0 written, 1 a file or drawing failed (a
// line "vandrel: ..." on standard error), 2 wrong arguments (the usage line).
int RunLevelTool(int argc, char** argv, std::string_view name,
                 const std::function<bool(std::string_view drawing, std::string& error)>& makeMap,
                 const std::function<bool(std::string_view path)>& saveMap);
