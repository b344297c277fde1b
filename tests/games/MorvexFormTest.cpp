// The Morvex window on the headless backend: settings as the game takes them, every load starting
// clean, F3 between play and pause only, leaving when level 1 is missing, and a replay of scripted
// input that ends where the rules put it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "common/Common.h"
#include "games/morvex/MorvexForm.h"
#include "platform/Input.h"
#include "tests/support/GameWindowFixture.h"
#include "toolkit/GameUtil.h"

namespace {

using Mode = morvex::GameMode;

class MorvexFormTest : public testsupport::GameWindowFixture<MorvexForm> {
protected:
    MorvexFormTest()
    {
        WriteMap("Morvex", 1, "large,0,40,40\n", "easy");
        WriteMap("Morvex", 1, "large,0,40,40\n", "normal");
    }
};

TEST_F(MorvexFormTest, StoredSettingsThatDoNotFitGiveDefaultsOrTheNearestValueInRange)
{
    const struct {
        std::vector<std::pair<const char*, const char*>> stored;
        std::int16_t shipSpeed;
        float rotateSpeed;
        std::int16_t rockSpeed, background;
        const char* mode;
        std::size_t shots;
    } cases[] = {
        {{}, 100, 2, 50, 3, "easy", 4},
        {{{"ShipSpeed", "fast"},
          {"RotateSpeed", "x"},
          {"RockSpeed", "-5"},
          {"Background", "7"},
          {"Mode", "Normal"}},
         100,
         2,
         50,
         3,
         "easy",
         4},
        {{{"ShipSpeed", "5000"},
          {"RotateSpeed", "0.5"},
          {"RockSpeed", "400"},
          {"Background", "-1"},
          {"Mode", "normal"}},
         300,
         1,
         300,
         3,
         "normal",
         2},
        {{{"ShipSpeed", "10"}, {"RotateSpeed", "25"}, {"RockSpeed", "1"}, {"Background", "2"}},
         20,
         20,
         1,
         2,
         "easy",
         4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shipSpeed);
        for (const char* key : {"ShipSpeed", "RotateSpeed", "RockSpeed", "Background", "Mode"}) {
            Save("Morvex", key, "");
        }
        for (const auto& [key, value] : c.stored) {
            Save("Morvex", key, value);
        }
        form.ReadSettings();
        EXPECT_EQ(form.ShipSpeed, c.shipSpeed);
        EXPECT_EQ(form.RotateSpeed, c.rotateSpeed);
        EXPECT_EQ(form.RockSpeed, c.rockSpeed);
        EXPECT_EQ(form.Background, c.background);
        EXPECT_EQ(Common::gMode, c.mode);
        EXPECT_EQ(form.Shots.size(), c.shots);
    }
}

TEST_F(MorvexFormTest, EveryLoadStartsCleanAndAMissingLevelOneLeavesAtOnce)
{
    ShowWindow();
    form.GameMode = Mode::LevelCleared;
    form.WonSoundPlayed = true;
    form.StarsLaunched = true;
    form.QuitGame = true;
    form.FreeGraphics();
    form.CloseSounds();
    form.Unload();
    ShowWindow();
    EXPECT_FALSE(form.QuitGame);
    EXPECT_FALSE(form.WonSoundPlayed);
    EXPECT_FALSE(form.StarsLaunched);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    form.FreeGraphics();
    form.CloseSounds();
    form.Unload();

    std::filesystem::remove_all(folder / "Maps" / "Morvex");
    ShowWindow();
    EXPECT_TRUE(form.QuitGame);
}

// F3 starts a waiting game and switches between play and pause; an exploding ship, a fly-out and
// a falling curtain go on.
TEST_F(MorvexFormTest, F3SwitchesOnlyBetweenPlayAndPause)
{
    ShowWindow();
    const std::pair<Mode, Mode> cases[] = {
        {Mode::Waiting, Mode::Playing},   {Mode::Playing, Mode::Paused},
        {Mode::Paused, Mode::Playing},    {Mode::LevelCleared, Mode::LevelCleared},
        {Mode::LifeLost, Mode::LifeLost}, {Mode::GameOver, Mode::GameOver},
    };
    for (const auto& [before, after] : cases) {
        form.GameMode = before;
        KeyPress(platform::vbKeyF3);
        EXPECT_EQ(form.GameMode, after) << static_cast<int>(before);
    }
}

// A cancelled options dialog held open for a minute: the ship, rocks and a shot in play, the sparks
// of a fly-out and the falling curtain each resume where they stopped.
TEST_F(MorvexFormTest, NothingMovesAcrossACancelledOptionsDialog)
{
    const auto positions = [this] {
        return std::vector<double>{form.Ship.X,     form.Ship.Y,     form.LargeRocks[0].X,
                                   form.Shots[0].X, form.Stars[0].X, form.Stars[0].Y,
                                   form.Curtain.Y};
    };
    for (const Mode mode : {Mode::Playing, Mode::LevelCleared, Mode::GameOver}) {
        SCOPED_TRACE(static_cast<int>(mode));
        ShowWindow();
        Pass(0);
        form.StartGame();
        form.LargeRocks[0].xMov = 50;
        form.FireShot();
        KeyDown(platform::vbKeyUp);
        Pass(100);
        KeyUp(platform::vbKeyUp);
        form.GameMode = mode;
        Pass(100);
        Pass(100);
        ASSERT_EQ(form.GameMode, mode);
        const std::vector<double> before = positions();
        platform::headless::After(60000).KeyPress(platform::vbKeyEscape);
        KeyPress(platform::vbKeyF1);
        EXPECT_FALSE(Common::gOptionsOk);
        Pass(0);
        EXPECT_EQ(positions(), before);
        form.FreeGraphics();
        form.CloseSounds();
        form.Unload();
    }
}

// Right for 960 ms at 2 radians a second turns the ship to 110 degrees (frame 11); Up for 480 ms
// at 100 px/s moves it 48 pixels that way from its start (357, 197); Enter fires.
TEST_F(MorvexFormTest, AReplayOfTurnThrustAndFireEndsWhereTheRulesPutTheShip)
{
    UseShippedMaps();
    ShowWindow();
    Pass(0);
    const struct {
        std::int16_t key;
        int passes;
    } script[] = {{platform::vbKeyRight, 60}, {platform::vbKeyUp, 30}, {platform::vbKeyReturn, 1}};
    for (const auto& step : script) {
        KeyDown(step.key);
        for (int i = 0; i < step.passes; ++i) {
            Pass(16);
        }
        KeyUp(step.key);
    }
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_EQ(form.ShipFrame, 11);
    EXPECT_NEAR(form.ShipAngle, 1.92, 1e-4);
    const double heading = 110 * GameUtil::Pi() / 180;
    EXPECT_NEAR(form.Ship.X, 357 + 48 * std::cos(heading), 0.01);
    EXPECT_NEAR(form.Ship.Y, 197 + 48 * std::sin(heading), 0.01);
    EXPECT_EQ(GameUtil::CountVisible(form.Shots), 1);
    EXPECT_EQ(form.Lives, 3);
    EXPECT_EQ(Common::gScore, 0);
    KeyPress(platform::vbKeyEscape);
    EXPECT_TRUE(form.QuitGame);
}

} // namespace
