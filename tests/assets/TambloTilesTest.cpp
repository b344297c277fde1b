// The maze tile table: the fourteen wall pieces are every join of one to three directions plus
// the two straights, each once, and the lookup from joins finds them.
#include <gtest/gtest.h>

#include <bit>
#include <set>

#include "games/tamblo/TambloTiles.h"

namespace {

TEST(TambloTilesTest, WallPiecesAreEveryDrawableJoinOnce)
{
    std::set<int> joins(tamblo::WallJoins.begin(), tamblo::WallJoins.end());
    EXPECT_EQ(joins.size(), 14U);
    for (int mask = 1; mask < 15; ++mask) {
        EXPECT_EQ(joins.count(mask), 1U) << "joins " << mask;
    }
}

TEST(TambloTilesTest, PiecesComeInTheOrderEndsStraightsCornersJunctions)
{
    const struct {
        int first;
        int last;
        int arms;
    } groups[] = {{0, 3, 1}, {4, 5, 2}, {6, 9, 2}, {10, 13, 3}};
    for (const auto& g : groups) {
        for (int id = g.first; id <= g.last; ++id) {
            EXPECT_EQ(std::popcount(
                          static_cast<unsigned>(tamblo::WallJoins[static_cast<std::size_t>(id)])),
                      g.arms)
                << "id " << id;
        }
    }
    EXPECT_EQ(tamblo::WallJoins[4], tamblo::JoinLeft | tamblo::JoinRight);
    EXPECT_EQ(tamblo::WallJoins[5], tamblo::JoinUp | tamblo::JoinDown);
}

TEST(TambloTilesTest, JoinsFindTheirPieceAndUndrawableJoinsFindNone)
{
    for (int id = 0; id < tamblo::WallPieceCount; ++id) {
        EXPECT_EQ(tamblo::WallTileForJoins(tamblo::WallJoins[static_cast<std::size_t>(id)]), id);
    }
    EXPECT_EQ(tamblo::WallTileForJoins(0), -1);
    EXPECT_EQ(tamblo::WallTileForJoins(15), -1);
    EXPECT_TRUE(tamblo::IsWall(0));
    EXPECT_TRUE(tamblo::IsWall(13));
    EXPECT_FALSE(tamblo::IsWall(tamblo::FloorTile));
    EXPECT_FALSE(tamblo::IsWall(-1));
}

} // namespace
