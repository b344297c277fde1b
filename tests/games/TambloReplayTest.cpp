// A recorded game of Tamblo: the shipped levels, a fixed clock and random state and a scripted
// route of held arrows. The end state was recorded from the game as it plays; any change of its
// behaviour (the figure's moves, the ghosts' draws, dots, catches, levels) ends elsewhere and fails
// here.
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
    // Fifteen dots eaten, no catch, and the figure on its way down the rightmost column.
    EXPECT_EQ(form.Level, 1);
    EXPECT_EQ(form.Lives, 3);
    EXPECT_EQ(Common::gScore, 150);
    EXPECT_NEAR(form.Player.X, 730, 1e-6);
    EXPECT_NEAR(form.Player.Y, 57.6, 1e-6);
}

} // namespace
