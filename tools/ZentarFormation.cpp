// ZentarFormation DRAWING MAP: turns a text drawing of an alien formation (see
// ZentarFormationDrawing.h) into a Zentar map file: the background record, then one alien a line.
// The shipped levels are made with it:
//   build/tools/ZentarFormation tools/formations/zentar/easy/1.txt Maps/Zentar/easy/1.map
#include "games/zentar/ZentarCommon.h"
#include "tools/LevelTool.h"
#include "tools/ZentarFormationDrawing.h"

int main(int argc, char** argv)
{
    return RunLevelTool(
        argc, argv, "ZentarFormation",
        [](std::string_view drawing, std::string& error) {
            const auto formation = zentar::ReadFormationDrawing(drawing, error);
            if (!formation) {
                return false;
            }
            ZentarCommon::ClearMap();
            ZentarCommon::MapBackground.id = formation->background;
            for (const zentar::FormationAlien& at : formation->aliens) {
                SpriteClass alien;
                alien.id = at.type;
                alien.X = at.x;
                alien.Y = at.y;
                ZentarCommon::MapAliens.push_back(alien);
            }
            return true;
        },
        ZentarCommon::SaveMap);
}
