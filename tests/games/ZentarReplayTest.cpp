// A recorded game of Zentar: the shipped levels, a fixed clock and random state, the ship
// patrolling by itself and firing every 20 passes. How many shots hit, that no alien lands and
// where the patrol ends were recorded from the game as it plays; level and score follow the rules
// from them. Any change of its behaviour (the march, the shots, hits, lives, levels) ends elsewhere
// and fails here.
#include <gtest/gtest.h>

#include "common/Common.h"
#include "games/zentar/ZentarForm.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "tests/support/GameWindowFixture.h"
#include "toolkit/GameUtil.h"

namespace {

class ZentarReplayTest : public testsupport::GameWindowFixture<ZentarForm> {};

TEST_F(ZentarReplayTest, AScriptedGameEndsWhereItWasRecorded)
{
    UseShippedMaps();
    for (const auto& [key, value] : {std::pair{"Mode", "easy"},
                                     {"ShipSpeed", "150"},
                                     {"AliensSpeed", "120"},
                                     {"FxOn", "0"},
                                     {"MusicOn", "0"}}) {
        Save("Zentar", key, value);
    }
    SetClockTo(2'000'000);
    GameUtil::SetRandomState(4242);
    ShowWindow();
    for (int pass = 0; pass < 2500; ++pass) {
        if (form.GameMode == zentar::GameMode::Waiting) {
            platform::headless::After(0).KeyDown(platform::vbKeySpace);
        }
        if (pass % 20 == 0) {
            platform::headless::After(0).KeyPress(platform::vbKeyUp);
        }
        RunPass();
    }
    // Level 1 of "easy" has ten aliens: all hit, then six of level 2, at 10 points a hit; no life
    // lost. The ship's X is where the recorded patrol ends.
    EXPECT_EQ(form.Level, 2);
    EXPECT_EQ(form.Lives, 3);
    EXPECT_EQ(Common::gScore, (10 + 6) * 10);
    EXPECT_NEAR(form.Ship.X, 345.4, 1e-6);
}

} // namespace
