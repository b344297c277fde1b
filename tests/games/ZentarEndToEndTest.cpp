// Zentar from the launcher and back, headless: Space twice and Enter start it, keys steer and fire
// while its loop runs, Esc returns to the launcher; and a trip through the options dialog and the
// colour dialog that stores the keys and paints the field in the chosen colour.
#include <gtest/gtest.h>

#include <utility>

#include "common/Common.h"
#include "games/zentar/ZentarForm.h"
#include "games/zentar/ZentarOptions.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"
#include "shell/MenuForm.h"
#include "tests/support/ProgramFixture.h"
#include "toolkit/ColorDialog.h"

namespace {

using platform::headless::After;

using testsupport::MediaSent;

class ZentarEndToEndTest : public testsupport::ProgramFixture {
protected:
    ZentarForm& game = TheZentarForm();
};

TEST_F(ZentarEndToEndTest, TheLauncherStartsZentarWhichPlaysAndReturnsOnEsc)
{
    MenuForm& launcher = TheMenuForm();
    RunProgram(launcher, {
                             [&] { ScanTo(1); },
                             [&] {
                                 // Enter launches the selected icon.
                                 After(100).KeyPress(platform::vbKeyReturn);
                                 // In the game: Left held for a second starts it and steers,
                                 // Up fires, Esc leaves.
                                 After(500).KeyDown(platform::vbKeyLeft);
                                 After(1500).KeyUp(platform::vbKeyLeft);
                                 After(1600).KeyPress(platform::vbKeyUp);
                                 After(2000).KeyPress(platform::vbKeyEscape);
                             },
                             [&] {
                                 EXPECT_TRUE(launcher.Visible());
                                 EXPECT_FALSE(game.IsLoaded());
                                 After(0).KeyPress(platform::vbKeyEscape);
                             },
                         });
    EXPECT_EQ(Common::gGameName, "Zentar");
    EXPECT_EQ(Common::gMode, "easy");
    EXPECT_EQ(game.Level, 1);
    EXPECT_EQ(game.GameMode, zentar::GameMode::Playing);
    // About a second at the default 100 px/s to the left of the middle (370), then a shot.
    EXPECT_NEAR(game.Ship.X, 270, 5);
    EXPECT_GT(game.LastShotTime, 0);
    EXPECT_TRUE(MediaSent("Play Music\\zentar.mid"));
    EXPECT_TRUE(MediaSent("Play Sfx\\click.wav"));
    EXPECT_TRUE(MediaSent("Close Music\\zentar.mid"));
}

TEST_F(ZentarEndToEndTest, TheOptionsAndColourDialogsStoreTheKeysAndTheFieldTakesTheColour)
{
    const auto setting = [](const char* key) {
        return platform::GetSetting("Vandrel", "Zentar", key, "(none)");
    };
    ZentarOptions& options = game.Options;
    ColorDialog& colours = options.Colors;
    After(200).KeyPress(platform::vbKeyF1);
    RunProgram(game, {
                         [&] {
                             // The options dialog: the plain-colour background, with the mouse.
                             ASSERT_TRUE(options.Visible());
                             const platform::Rect box = options.Background[2].ClientRect();
                             Click(options, box.left + 30, box.top + 30);
                         },
                         [&] {
                             // The colour dialog: green to 200, then its OK.
                             ASSERT_TRUE(colours.Visible());
                             EXPECT_EQ(colours.gameName, "Zentar");
                             colours.GreenScroll.SetValue(200);
                             const SpriteClass& ok = colours.OkSprite;
                             Click(colours, platform::CLng(ok.X) + 5, platform::CLng(ok.Y) + 5);
                         },
                         [&] {
                             // Back in the options dialog, still open: its OK.
                             ASSERT_TRUE(options.Visible());
                             EXPECT_TRUE(options.Background[2].Value());
                             const SpriteClass& ok = options.OkSprite;
                             Click(options, platform::CLng(ok.X) + 5, platform::CLng(ok.Y) + 5);
                             // The game plays on; F1 again shows its field under the dialog.
                             After(300).KeyPress(platform::vbKeyF1);
                         },
                         [&] {
                             ASSERT_TRUE(options.Visible());
                             EXPECT_EQ(platform::headless::ScreenPixel(5, 5),
                                       platform::Rgb(0, 200, 255));
                             EXPECT_EQ(platform::headless::ScreenPixel(795, 470),
                                       platform::Rgb(0, 200, 255));
                             After(0).KeyPress(platform::vbKeyEscape);
                             After(200).KeyPress(platform::vbKeyEscape);
                         },
                         [&] {
                             // The launcher: the game has left.
                             EXPECT_TRUE(TheMenuForm().Visible());
                             After(0).KeyPress(platform::vbKeyEscape);
                         },
                     });
    const std::pair<const char*, const char*> keys[] = {
        {"ShipSpeed", "50"}, {"AliensSpeed", "45"}, {"Mode", "easy"},
        {"MusicOn", "1"},    {"FxOn", "1"},         {"Background", "2"},
        {"Red", "0"},        {"Green", "200"},      {"Blue", "255"},
    };
    for (const auto& [key, value] : keys) {
        EXPECT_EQ(setting(key), value) << key;
    }
    // The new settings restarted the game: the dialog's speeds are in force.
    EXPECT_EQ(game.ShipSpeed, 50);
    EXPECT_EQ(game.AliensSpeed, 45);
    EXPECT_EQ(game.BackgroundChoice, 2);
}

} // namespace
