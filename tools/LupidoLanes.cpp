// LupidoLanes DRAWING MAP: turns a text drawing of a level's lanes (see LupidoLaneDrawing.h) into a
// Lupido map file. The shipped levels are made with it:
//   build/tools/LupidoLanes tools/lanes/lupido/easy/1.txt Maps/Lupido/easy/1.map
#include "games/lupido/LupidoCommon.h"
#include "tools/LevelTool.h"
#include "tools/LupidoLaneDrawing.h"

int main(int argc, char** argv)
{
    return RunLevelTool(argc, argv, "LupidoLanes", lupido::MakeLaneMap, LupidoCommon::SaveMap);
}
