// The maze tile ids: which wall piece each id 0 to 13 shows, as the set of directions in which it
// joins a neighbouring wall, and the ids of the walkable tiles. One table for the game's pictures,
// the maze tool, the map test and the maze editor.
#pragma once

#include <array>
#include <cstdint>

namespace tamblo {

// Direction bits, in the game's direction order (0 right, 1 down, 2 left, 3 up).
inline constexpr int JoinRight = 1 << 0;
inline constexpr int JoinDown = 1 << 1;
inline constexpr int JoinLeft = 1 << 2;
inline constexpr int JoinUp = 1 << 3;

inline constexpr int WallPieceCount = 14;
inline constexpr std::int16_t FloorTile = 14;
inline constexpr std::int16_t DotTile = 15;
inline constexpr std::int16_t PlayerStartTile = 16;
inline constexpr std::int16_t GhostStartTile = 17;
inline constexpr int TileCount = 18;

// Joins of wall piece id: 0-3 ends (one arm), 4-5 straights, 6-9 corners, 10-13 T-junctions.
inline constexpr std::array<int, WallPieceCount> WallJoins = {
    JoinRight,                       // 0: end, arm to the right
    JoinDown,                        // 1: end, arm down
    JoinLeft,                        // 2: end, arm to the left
    JoinUp,                          // 3: end, arm up
    JoinLeft | JoinRight,            // 4: horizontal straight
    JoinUp | JoinDown,               // 5: vertical straight
    JoinRight | JoinDown,            // 6: corner right and down
    JoinDown | JoinLeft,             // 7: corner down and left
    JoinLeft | JoinUp,               // 8: corner left and up
    JoinUp | JoinRight,              // 9: corner up and right
    JoinRight | JoinDown | JoinLeft, // 10: T, no arm up
    JoinDown | JoinLeft | JoinUp,    // 11: T, no arm to the right
    JoinLeft | JoinUp | JoinRight,   // 12: T, no arm down
    JoinUp | JoinRight | JoinDown,   // 13: T, no arm to the left
};

constexpr bool IsWall(int tileId)
{
    return tileId >= 0 && tileId < WallPieceCount;
}

// The wall piece that joins exactly the given directions; -1 for none or all four joins, which no
// piece can draw.
constexpr int WallTileForJoins(int joins)
{
    for (int id = 0; id < WallPieceCount; ++id) {
        if (WallJoins[static_cast<std::size_t>(id)] == joins) {
            return id;
        }
    }
    return -1;
}

} // namespace tamblo
