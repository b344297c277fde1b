// MorvexRocks DRAWING MAP: turns a text drawing of a rock field (see MorvexRockDrawing.h) into a
// Morvex map file: the background record, then one rock a line. The shipped levels are made with
// it:
//   build/tools/MorvexRocks tools/rockfields/morvex/easy/1.txt Maps/Morvex/easy/1.map
#include "games/morvex/MorvexCommon.h"
#include "tools/LevelTool.h"
#include "tools/MorvexRockDrawing.h"

int main(int argc, char** argv)
{
    return RunLevelTool(argc, argv, "MorvexRocks", morvex::MakeRockMap, MorvexCommon::SaveMap);
}
