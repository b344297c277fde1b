// QuadrelTemplates DRAWING MAP: turns a text drawing of a level's piece templates (see
// QuadrelTemplateDrawing.h) into a Quadrel map file, laid out as the editor shows it. The shipped
// levels are made with it:
//   build/tools/QuadrelTemplates tools/templates/quadrel/easy/1.txt Maps/Quadrel/easy/1.map
#include <string>
#include <string_view>

#include "games/quadrel/QuadrelCommon.h"
#include "tools/LevelTool.h"
#include "tools/QuadrelTemplateDrawing.h"

int main(int argc, char** argv)
{
    return RunLevelTool(
        argc, argv, "QuadrelTemplates",
        [](std::string_view drawing, std::string& error) {
            const auto templates = quadrel::ReadTemplateDrawing(drawing, error);
            if (!templates) {
                return false;
            }
            quadrel::LayOutMap(*templates);
            return true;
        },
        QuadrelCommon::SaveMap);
}
