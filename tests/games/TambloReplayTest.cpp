// A recorded game of Tamblo: the shipped levels, a fixed clock and random state and a scripted
// route of held arrows. Which dots the route eats and that no ghost catches the figure were recorded
// from the game as it plays; the numbers they give follow the rules. Any change of its behaviour
// (the figure's moves, the ghosts' draws, dots, catches, levels) ends elsewhere and fails here.
#include <gtest/gtest.h>

#include <cstdint>

#include "common/Common.h"
#include "games/tamblo/TambloForm.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "tests/support/GameWindowFixture.h"
#include "toolkit/GameUtil.h"

namespace {

class TambloReplayTest : public testsupport::GameWindowFixture<TambloForm> {};

TEST_F(TambloReplayTest, AScriptedGameEndsWhereItWasRecorded)
{
    UseShippedMaps();
    for (const auto& [key, value] : {std::pair{"Mode", "easy"},
                                     {"MaxNumGhosts", "4"},
                                     {"TambloSpeed", "150"},
                                     {"GhostSpeed", "100"},
                                     {"FxOn", "0"},
                                     {"MusicOn", "0"}}) {
        Save("Tamblo", key, value);
    }
    SetClockTo(2'000'000);
    GameUtil::SetRandomState(4242);
    ShowWindow();
    KeyPress(platform::vbKeyF3); // play starts
    const std::int16_t route[] = {platform::vbKeyRight, platform::vbKeyDown,  platform::vbKeyLeft,
                                  platform::vbKeyUp,    platform::vbKeyRight, platform::vbKeyUp};
    for (int pass = 0; pass < 2000; ++pass) {
        const std::int16_t held = route[pass / 25 % 6];
        for (const std::int16_t arrow : route) {
            platform::headless::SetKeyState(arrow, arrow == held);
        }
        RunPass();
    }
    // Fifteen dots at 10 points each, no catch. The figure is in the rightmost column (10 + 12 x
    // 60) on its way down from the top row: Down is held from pass 1975, the figure sets off from
    // rest in that pass and moves in the 24 after it, 16 ms each at 150 px/s.
    EXPECT_EQ(form.Level, 1);
    EXPECT_EQ(form.Lives, 3);
    EXPECT_EQ(Common::gScore, 15 * 10);
    EXPECT_NEAR(form.Player.X, 10 + 12 * 60, 1e-6);
    EXPECT_NEAR(form.Player.Y, 24 * 0.016 * 150, 1e-6);
}

} // namespace
