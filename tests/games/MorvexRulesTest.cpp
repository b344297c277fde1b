// The rules of Morvex on a headless window: the rock pools, scores and splits by mode, the wrap at
// the edges, the gap between shots, a ship hit against a shot, the speed-up at each wrap back to
// level 1, and a playing pass that allocates nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Common.h"
#include "games/morvex/MorvexForm.h"
#include "platform/Clock.h"
#include "tests/support/AllocationCounter.h"
#include "tests/support/GameWindowFixture.h"
#include "toolkit/GameUtil.h"

namespace {

using Mode = morvex::GameMode;

class MorvexRulesTest : public testsupport::GameWindowFixture<MorvexForm> {
protected:
    // The window loaded over a level 1 of its own, playing, with effects off and slow rocks.
    void Play(const std::string& map, const std::string& mode = "easy")
    {
        Save("Morvex", "Mode", mode);
        Save("Morvex", "FxOn", "0");
        Save("Morvex", "RockSpeed", "1");
        WriteMap("Morvex", 1, map, mode);
        LoadWindow();
        Pass(0);
        form.StartGame();
    }

    // A shot standing on the middle of a rock.
    void ShootAt(const SpriteClass& rock, std::size_t shot = 0)
    {
        SpriteClass& s = form.Shots[shot];
        s.StopSprite();
        s.X = rock.MiddleX() - s.width / 2;
        s.Y = rock.MiddleY() - s.Height / 2;
        s.visible = true;
    }

    // The first visible rock, smallest pool last.
    SpriteClass* FirstRock()
    {
        for (auto* pool : {&form.LargeRocks, &form.MediumRocks, &form.SmallRocks}) {
            for (SpriteClass& rock : *pool) {
                if (rock.visible) {
                    return &rock;
                }
            }
        }
        return nullptr;
    }
};

TEST_F(MorvexRulesTest, PoolsHoldTheVisibleMapRocksAndASpareForEveryFragment)
{
    const struct {
        const char* map;
        std::size_t large, medium, small;
        int shown[3];
    } cases[] = {
        {"large,0,10,10\nlarge,0,100,10\nmedium,1,10,300\nsmall,2,600,10\nsmall,2,600,100\n"
         "small,2,600,300\n",
         2,
         5,
         13,
         {2, 1, 3}},
        // No rock at all, and kinds the game does not know, start with nothing in play.
        {"background,1\n", 1, 2, 4, {0, 0, 0}},
        {"large,7,10,10\nsmall,-1,10,10\nsmall,2,10,10\n", 1, 2, 5, {0, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.map);
        Play(c.map);
        EXPECT_EQ(form.LargeRocks.size(), c.large);
        EXPECT_EQ(form.MediumRocks.size(), c.medium);
        EXPECT_EQ(form.SmallRocks.size(), c.small);
        EXPECT_EQ(GameUtil::CountVisible(form.LargeRocks), c.shown[0]);
        EXPECT_EQ(GameUtil::CountVisible(form.MediumRocks), c.shown[1]);
        EXPECT_EQ(GameUtil::CountVisible(form.SmallRocks), c.shown[2]);
        Pass(16);
        EXPECT_EQ(form.GameMode,
                  c.shown[0] + c.shown[1] + c.shown[2] == 0 ? Mode::LevelCleared : Mode::Playing);
        form.FreeGraphics();
        form.CloseSounds();
        form.Unload();
    }
}

// A large rock is worth 10, a medium one 20, a small one 40; in "easy" a large rock leaves two
// medium ones, in "normal" each of those leaves two small ones too.
TEST_F(MorvexRulesTest, ClearingOneLargeRockTakesThreeHitsInEasyAndSevenInNormal)
{
    const struct {
        const char* mode;
        int hits;
        std::int32_t score;
    } cases[] = {{"easy", 3, 10 + 2 * 20}, {"normal", 7, 10 + 2 * 20 + 4 * 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Play("large,0,40,40\n", c.mode);
        int hits = 0;
        while (SpriteClass* rock = FirstRock()) {
            ASSERT_LT(hits, 10);
            ShootAt(*rock);
            Pass(1);
            ++hits;
        }
        EXPECT_EQ(hits, c.hits);
        EXPECT_EQ(Common::gScore, c.score);
        EXPECT_EQ(form.GameMode, Mode::LevelCleared);
        form.Unload();
    }
}

TEST_F(MorvexRulesTest, RocksLeaveAnEdgeWhollyAndComeBackWhollyOutsideTheOpposite)
{
    Play("large,0,40,40\n");
    constexpr double Outside = -1; // the rock's own size before the left or top edge
    const struct {
        double x, y, expectedX, expectedY;
    } cases[] = {
        {800.5, 100, Outside, 100}, // past the right edge
        {-80.6, 100, 800, 100},     // its right edge past the left edge
        {100, 480.5, 100, Outside}, // past the bottom
        {100, -80.6, 100, 480},     // its bottom past the top
    };
    // A hidden spare wraps as a rock in play does.
    for (auto* pool : {&form.LargeRocks, &form.MediumRocks}) {
        SpriteClass& rock = pool->front();
        for (const auto& c : cases) {
            rock.StopSprite();
            rock.X = c.x;
            rock.Y = c.y;
            form.MoveRocks(*pool);
            EXPECT_EQ(rock.X, c.expectedX == Outside ? -rock.width : c.expectedX);
            EXPECT_EQ(rock.Y, c.expectedY == Outside ? -rock.Height : c.expectedY);
        }
    }
}

TEST_F(MorvexRulesTest, ShotsLeaveMoreThan250MsApartAndOnlyWhileOneIsFree)
{
    Play("large,0,40,40\n");
    const struct {
        std::int32_t wait;
        int inFlight;
    } steps[] = {{0, 1}, {250, 1}, {1, 2}, {251, 3}, {251, 4}, {251, 4}};
    for (const auto& step : steps) {
        platform::virtualclock::Advance(step.wait);
        form.FireShot();
        EXPECT_EQ(GameUtil::CountVisible(form.Shots), step.inFlight) << "after " << step.wait;
    }
}

TEST_F(MorvexRulesTest, ARockOnTheShipCostsTheLifeEvenWhenAShotHitsItInTheSamePass)
{
    Play("large,0,360,200\n");
    ShootAt(form.LargeRocks[0]);
    Pass(1);
    EXPECT_EQ(form.GameMode, Mode::LifeLost);
    EXPECT_TRUE(form.LargeRocks[0].visible);
    EXPECT_TRUE(form.Shots[0].visible);
    EXPECT_EQ(Common::gScore, 0);
}

// Every wrap from the last level back to level 1 multiplies the rock speed by 1.5, halves going to
// the even neighbour, up to the largest speed whose random span fits 16 bits.
TEST_F(MorvexRulesTest, RocksSpeedUpHalfAgainAtEveryWrapBackToLevelOne)
{
    Save("Morvex", "RockSpeed", "50");
    WriteMap("Morvex", 1, "large,0,40,40\n");
    LoadWindow();
    EXPECT_EQ(form.LevelRockSpeed, 50);
    for (std::int16_t expected : {75, 112, 168}) {
        form.Level = 2;
        form.InitLevel(false, true);
        EXPECT_EQ(form.Level, 1);
        EXPECT_EQ(form.LevelRockSpeed, expected);
    }
    form.Level = 2;
    form.LevelRockSpeed = 16000;
    form.InitLevel(false, true);
    EXPECT_EQ(form.LevelRockSpeed, 16383);
}

// Splits only show spares: a hundred passes of the rules with rocks breaking up allocate nothing.
TEST_F(MorvexRulesTest, PlayingPassesWithRocksSplittingAllocateNothing)
{
    std::string map;
    for (int i = 0; i < 8; ++i) {
        map += "large,0," + std::to_string(i * 90) + ",20\n";
    }
    Play(map, "normal");
    const allocations::Scope scope;
    for (int pass = 0; pass < 100; ++pass) {
        if (SpriteClass* rock = FirstRock()) {
            ShootAt(*rock);
        }
        Pass(16);
    }
    EXPECT_EQ(scope.Made(), 0U);
    EXPECT_EQ(Common::gScore, 8 * (10 + 2 * 20 + 4 * 40));
    EXPECT_EQ(form.GameMode, Mode::LevelCleared);
}

} // namespace
