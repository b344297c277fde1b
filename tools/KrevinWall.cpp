// KrevinWall DRAWING MAP: turns a text drawing of a brick wall (see KrevinWallDrawing.h) into a
// Krevin map file, written as the game's map module writes maps. The shipped levels are made with
// it:
//   build/tools/KrevinWall tools/walls/krevin/easy/1.txt Maps/Krevin/easy/1.map
#include <string>
#include <string_view>

#include "games/krevin/KrevinCommon.h"
#include "tools/KrevinWallDrawing.h"
#include "tools/LevelTool.h"

namespace {

namespace kc = KrevinCommon;

bool MakeMap(std::string_view text, std::string& error)
{
    const auto drawing = krevin::ReadWallDrawing(text, error);
    if (!drawing) {
        return false;
    }
    kc::MapBackground.id = drawing->background;
    kc::ClearBricks();
    for (const krevin::DrawnBrick& drawn : drawing->bricks) {
        SpriteClass brick;
        brick.X = drawn.x;
        brick.Y = drawn.y;
        brick.id = drawn.type;
        kc::MapBricks.push_back(brick);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    return RunLevelTool(argc, argv, "KrevinWall", MakeMap, kc::SaveMap);
}
