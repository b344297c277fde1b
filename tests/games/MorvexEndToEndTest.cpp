// Morvex from the launcher and back, headless: Space to the fifth icon and Enter start it, keys
// turn, thrust and fire while its loop runs, Esc returns to the launcher; and an options dialog
// kept open for seconds that does not turn the ship by the time it was open.
#include <gtest/gtest.h>

#include <cmath>

#include "common/Common.h"
#include "games/morvex/MorvexForm.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Settings.h"
#include "shell/MenuForm.h"
#include "tests/support/ProgramFixture.h"
#include "toolkit/GameUtil.h"

namespace {

using platform::headless::After;

class MorvexEndToEndTest : public testsupport::ProgramFixture {
protected:
    MorvexForm& game = TheMorvexForm();
};

TEST_F(MorvexEndToEndTest, TheLauncherStartsMorvexWhichTurnsThrustsFiresAndReturnsOnEsc)
{
    MenuForm& launcher = TheMenuForm();
    RunProgram(launcher, {
                             [&] { ScanTo(4); },
                             [&] {
                                 // Enter launches the selected icon.
                                 After(100).KeyPress(platform::vbKeyReturn);
                                 // In the game: Right for 900 ms starts it and turns the ship
                                 // to 103 degrees (frame 10), Up moves it for 500 ms, Enter
                                 // fires.
                                 After(500).KeyDown(platform::vbKeyRight);
                                 After(1400).KeyUp(platform::vbKeyRight);
                                 After(1600).KeyDown(platform::vbKeyUp);
                                 After(2100).KeyUp(platform::vbKeyUp);
                                 After(2200).KeyDown(platform::vbKeyReturn);
                                 After(2300).KeyUp(platform::vbKeyReturn);
                                 After(2600).KeyPress(platform::vbKeyEscape);
                             },
                             [&] {
                                 EXPECT_TRUE(launcher.Visible());
                                 EXPECT_FALSE(game.IsLoaded());
                                 After(0).KeyPress(platform::vbKeyEscape);
                             },
                         });
    EXPECT_EQ(Common::gGameName, "Morvex");
    EXPECT_EQ(game.GameMode, morvex::GameMode::Playing);
    EXPECT_EQ(game.ShipFrame, 10);
    // 50 pixels along the heading of frame 10 from the start at (357, 197).
    const double heading = 100 * GameUtil::Pi() / 180;
    EXPECT_NEAR(game.Ship.X, 357 + 50 * std::cos(heading), 3);
    EXPECT_NEAR(game.Ship.Y, 197 + 50 * std::sin(heading), 3);
    EXPECT_GT(game.LastShotTime, 0);
    EXPECT_TRUE(testsupport::MediaSent("Play Music\\morvex.mid"));
    EXPECT_TRUE(testsupport::MediaSent("Close Music\\morvex.mid"));
}

// With one-button play the ship turns at 2 radians a second on its own; five seconds in the
// options dialog must not count.
TEST_F(MorvexEndToEndTest, TheHeadingDoesNotJumpAcrossAnOptionsDialog)
{
    platform::SaveSetting("Vandrel", "Menu", "OneButton", "1");
    float before = 0;
    After(100).KeyPress(platform::vbKeyF3);
    After(400).KeyPress(platform::vbKeyF1);
    RunProgram(game, {
                         [&] {
                             before = game.ShipAngle;
                             EXPECT_GT(before, 0.4F);
                             After(5000).KeyPress(platform::vbKeyEscape);
                             After(5100).KeyPress(platform::vbKeyF1);
                         },
                         [&] {
                             // A tenth of a second of play: a fifth of a radian at most.
                             EXPECT_GT(game.ShipAngle, before);
                             EXPECT_LT(game.ShipAngle - before, 0.25F);
                             // A launcher in one-button mode would scan for ever.
                             platform::SaveSetting("Vandrel", "Menu", "OneButton", "0");
                             After(0).KeyPress(platform::vbKeyEscape);
                             After(100).KeyPress(platform::vbKeyEscape);
                         },
                         [&] {
                             EXPECT_TRUE(TheMenuForm().Visible());
                             After(0).KeyPress(platform::vbKeyEscape);
                         },
                     });
}

} // namespace
