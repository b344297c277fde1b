// The Zentar window on the headless backend: its settings and their fall-backs, the keys, the
// mouse, the move sound, the background choices as drawn, and the held input forgotten at load.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "common/Common.h"
#include "games/zentar/ZentarCommon.h"
#include "games/zentar/ZentarForm.h"
#include "platform/Gdi.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Media.h"
#include "platform/Numbers.h"
#include "shell/MenuForm.h"
#include "tests/games/ZentarWindowFixture.h"

namespace {

namespace zc = ZentarCommon;
using Mode = zentar::GameMode;

constexpr std::int16_t KeyD = platform::vbKeyA + 3;
constexpr std::int16_t KeyX = platform::vbKeyA + 23;

class ZentarFormTest : public ZentarWindowFixture {};

TEST_F(ZentarFormTest, SettingsFallBackToTheGamesDefaults)
{
    struct Case {
        const char* shipSpeed; // nullptr: not stored
        const char* aliensSpeed;
        const char* mode;
        std::int16_t ship, aliens;
        const char* gameMode;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, 100, 50, "easy"}, {"150", "70", "normal", 150, 70, "normal"},
        {"fast", "", "Normal", 100, 50, "easy"},      {"0", "-20", "hard", 100, 50, "easy"},
        {"1", "12.5", "easy", 1, 12, "easy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.shipSpeed ? c.shipSpeed : "-") << " "
                     << (c.aliensSpeed ? c.aliensSpeed : "-") << " " << (c.mode ? c.mode : "-"));
        std::filesystem::remove(platform::settings::FilePath("Vandrel"));
        if (c.shipSpeed) {
            Save("Zentar", "ShipSpeed", c.shipSpeed);
            Save("Zentar", "AliensSpeed", c.aliensSpeed);
            Save("Zentar", "Mode", c.mode);
        }
        form.ReadSettings();
        EXPECT_EQ(form.ShipSpeed, c.ship);
        EXPECT_EQ(form.AliensSpeed, c.aliens);
        EXPECT_EQ(Common::gMode, c.gameMode);
    }
}

TEST_F(ZentarFormTest, SettingsReadTheGameSectionAndOnlyTwoKeysOfTheMenu)
{
    Save("Zentar", "MusicOn", "0");
    Save("Zentar", "FxOn", "True");
    Save("Zentar", "Background", "1");
    Save("Menu", "HighScore", "1");
    Save("Menu", "PauseOnStop", "1");
    Save("Menu", "OneButton", "1");
    Common::gOneButton = false;
    form.ReadSettings();
    EXPECT_FALSE(form.MusicOn);
    EXPECT_TRUE(form.FxOn);
    EXPECT_EQ(form.BackgroundChoice, 1);
    EXPECT_EQ(form.ShotSpeed, 200);
    EXPECT_TRUE(form.HighScoreOn);
    EXPECT_TRUE(Common::gPauseOnStop);
    EXPECT_FALSE(Common::gOneButton);
    EXPECT_EQ(Common::gGameName, "Zentar");
}

TEST_F(ZentarFormTest, KeysChangeTheStateAsTheirRowsSay)
{
    struct Case {
        const char* name;
        Mode from;
        std::int16_t key;
        Mode to;
    };
    const Case cases[] = {
        {"a key without a row starts a waiting game", Mode::Waiting, KeyX, Mode::Playing},
        {"Enter starts a waiting game", Mode::Waiting, platform::vbKeyReturn, Mode::Playing},
        {"F3 starts a waiting game", Mode::Waiting, platform::vbKeyF3, Mode::Playing},
        {"F3 pauses", Mode::Playing, platform::vbKeyF3, Mode::Paused},
        {"F3 resumes", Mode::Paused, platform::vbKeyF3, Mode::Playing},
        {"F3 during the fly-out", Mode::LevelCleared, platform::vbKeyF3, Mode::Playing},
        {"F3 with the ship destroyed", Mode::LifeLost, platform::vbKeyF3, Mode::LifeLost},
        {"F3 at game over", Mode::GameOver, platform::vbKeyF3, Mode::GameOver},
        {"D in waiting", Mode::Waiting, KeyD, Mode::GameOver},
        {"D while playing", Mode::Playing, KeyD, Mode::GameOver},
        {"numpad minus while paused", Mode::Paused, platform::vbKeySubtract, Mode::Paused},
    };
    ShowWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.InitLevel(true, true);
        form.GameMode = c.from;
        KeyDown(c.key);
        KeyUp(c.key);
        EXPECT_EQ(form.GameMode, c.to);
        EXPECT_FALSE(form.QuitGame);
    }
}

TEST_F(ZentarFormTest, EveryInputStartsPlayAndNoTimePassesAcrossAWaitAPauseOrACancelledDialog)
{
    PlugInStick();
    ShowWindow();
    const auto wait = [] { platform::virtualclock::Advance(5000); };
    // F1, and the options dialog closed by its OK or cancel picture once 5000 ms passed in it.
    const auto options = [&](bool ok) {
        platform::headless::OnIdle([&, ok, answered = false]() mutable {
            if (std::exchange(answered, true)) {
                ADD_FAILURE() << "the options dialog is still open";
                form.Options.Unload();
                return;
            }
            wait();
            const SpriteClass& sprite = ok ? form.Options.OkSprite : form.Options.CancelSprite;
            platform::Point at{platform::CLng(sprite.X) + 5, platform::CLng(sprite.Y) + 5};
            platform::ClientToScreen(form.Options, &at);
            platform::headless::After(0).Click(platform::vbLeftButton, at.x, at.y);
        });
        KeyPress(platform::vbKeyF1);
        platform::headless::OnIdle(nullptr);
    };
    struct Case {
        const char* name;
        bool playing; // the ship flies right and the aliens march, from level 2 with 70 points
        std::function<void()> input;
        Mode mode;
        std::int16_t level;
        std::int32_t score;
    };
    const Case cases[] = {
        {"stick left", false, [&] { SetStick(0, 32768, 0); }, Mode::Playing, 2, 70},
        {"stick right", false, [&] { SetStick(65535, 32768, 0); }, Mode::Playing, 2, 70},
        {"stick up", false, [&] { SetStick(32768, 0, 0); }, Mode::Playing, 2, 70},
        {"stick down", false, [&] { SetStick(32768, 65535, 0); }, Mode::Playing, 2, 70},
        // Waiting with the sprite clocks of a game under way, as after a lost life.
        {"stick button after a wait", true,
         [&] {
             form.GameMode = Mode::Waiting;
             wait();
             SetStick(32768, 32768, 1);
         },
         Mode::Playing, 2, 70},
        {"F3 pauses", true,
         [&] {
             KeyPress(platform::vbKeyF3);
             wait();
         },
         Mode::Paused, 2, 70},
        {"F3 resumes", true,
         [&] {
             KeyPress(platform::vbKeyF3);
             wait();
             KeyPress(platform::vbKeyF3);
         },
         Mode::Playing, 2, 70},
        {"cancelled options", true, [&] { options(false); }, Mode::Playing, 2, 70},
        {"confirmed options: a new game", true, [&] { options(true); }, Mode::Playing, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.Level = 2;
        form.InitLevel(false, true);
        Common::gScore = 70;
        if (c.playing) {
            form.StartGame();
            form.RightHeld = true;
            RunPass(3);
        }
        const double shipX = form.Ship.X, alienX = zc::MapAliens[0].X;
        c.input();
        RunPass(2);
        EXPECT_EQ(form.GameMode, c.mode);
        EXPECT_EQ(form.Level, c.level);
        EXPECT_EQ(Common::gScore, c.score);
        if (c.level == 2) {
            // Three passes of 16 ms at most: the ship at 100 px/s, the aliens at 50 px/s.
            EXPECT_LE(std::abs(form.Ship.X - shipX), 3 * 100 * 0.016 + 1e-9);
            EXPECT_LE(std::abs(zc::MapAliens[0].X - alienX), 3 * 50 * 0.016 + 1e-9);
        }
        SetStick(32768, 32768);
        form.RightHeld = false;
    }
}

TEST_F(ZentarFormTest, NumpadKeysChangeTheLevelWithoutStartingIt)
{
    ShowWindow();
    struct Case {
        std::int16_t from;
        std::int16_t key;
        std::int16_t level;
        std::size_t aliens;
    };
    // Level 0 has no map, nor has level 7 after the last: play falls back to level 1 and its map.
    const Case cases[] = {{1, platform::vbKeyAdd, 2, 14},
                          {2, platform::vbKeySubtract, 1, 10},
                          {1, platform::vbKeySubtract, 1, 10},
                          {5, platform::vbKeyAdd, 6, 32},
                          {6, platform::vbKeyAdd, 1, 10}};
    for (const Case& c : cases) {
        form.Level = c.from;
        form.InitLevel(false, true);
        KeyDown(c.key);
        KeyUp(c.key);
        EXPECT_EQ(form.Level, c.level);
        EXPECT_EQ(zc::MapAliens.size(), c.aliens);
        EXPECT_EQ(form.GameMode, Mode::Waiting);
    }
}

TEST_F(ZentarFormTest, ReleasingAnyOfLeftRightAndSpaceStopsEveryMotion)
{
    ShowWindow();
    for (const std::int16_t released :
         {platform::vbKeyLeft, platform::vbKeyRight, platform::vbKeySpace}) {
        KeyDown(platform::vbKeyLeft);
        KeyDown(platform::vbKeyRight);
        KeyDown(platform::vbKeySpace);
        EXPECT_TRUE(form.LeftHeld && form.RightHeld && form.AutoMove);
        KeyUp(released);
        EXPECT_FALSE(form.LeftHeld || form.RightHeld || form.AutoMove) << released;
        for (const std::int16_t key :
             {platform::vbKeyLeft, platform::vbKeyRight, platform::vbKeySpace}) {
            KeyUp(key);
        }
    }
}

TEST_F(ZentarFormTest, EnterDuringTheStopHintLeavesAWaitingGameAndOnlyFiresInPlay)
{
    Save("Menu", "PauseOnStop", "1");
    ShowWindow();
    form.InitLevel(false, true);
    ASSERT_TRUE(Common::gStopHint);
    form.GameMode = Mode::Playing;
    KeyDown(platform::vbKeyReturn);
    KeyUp(platform::vbKeyReturn);
    EXPECT_FALSE(form.QuitGame);
    EXPECT_TRUE(form.Shots[0].visible);

    form.GameMode = Mode::Waiting;
    KeyDown(platform::vbKeyReturn);
    KeyUp(platform::vbKeyReturn);
    EXPECT_TRUE(form.QuitGame);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
}

TEST_F(ZentarFormTest, TheMouseStartsFiresAndSteersTowardsThePointersSide)
{
    ShowWindow();
    platform::Point origin{0, 0};
    ASSERT_TRUE(platform::ClientToScreen(form, &origin));
    const auto press = [&](std::int16_t button, std::int32_t x, std::int32_t y) {
        platform::headless::After(0).MouseDown(button, origin.x + x, origin.y + y);
        platform::DoEvents();
    };
    const auto release = [&](std::int16_t button) {
        platform::headless::After(0).MouseUp(button, origin.x + 10, origin.y + 10);
        platform::DoEvents();
    };

    // A left click in waiting starts the game and fires at once.
    press(platform::vbLeftButton, 100, 100);
    release(platform::vbLeftButton);
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_TRUE(form.Shots[0].visible);

    // The ship's middle is at x 400.
    struct Case {
        std::int32_t x;
        bool left, right;
    };
    for (const Case c : {Case{399, true, false}, Case{401, false, true}, Case{400, false, false}}) {
        press(platform::vbRightButton, c.x, 300);
        EXPECT_EQ(form.LeftHeld, c.left) << c.x;
        EXPECT_EQ(form.RightHeld, c.right) << c.x;
        release(platform::vbRightButton);
        EXPECT_FALSE(form.LeftHeld || form.RightHeld);
    }

    // The stop button acts as Esc.
    press(platform::vbLeftButton, platform::CLng(form.StopButton.X) + 2,
          platform::CLng(form.StopButton.Y) + 2);
    release(platform::vbLeftButton);
    EXPECT_TRUE(form.QuitGame);
}

TEST_F(ZentarFormTest, OnlyArrowsAndTheRightButtonMakeTheMoveSound)
{
    Save("Zentar", "FxOn", "1");
    ShowWindow();
    form.StartGame();
    const auto movePlays = [] {
        const auto& log = platform::headless::MediaLog();
        return std::count_if(log.begin(), log.end(), [](const std::string& command) {
            return command.rfind("Play ", 0) == 0 && command.find("shipMove") != std::string::npos;
        });
    };
    struct Case {
        const char* name;
        bool left, autoMove;
        std::ptrdiff_t plays;
    };
    const Case cases[] = {{"held arrow", true, false, 1}, {"automatic motion", false, true, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.ShipMoveSound.StopMedia();
        platform::headless::ClearMediaLog();
        form.LeftHeld = c.left;
        form.AutoMove = c.autoMove;
        platform::virtualclock::Advance(16);
        form.UpdateGame(0, 0);
        EXPECT_EQ(movePlays(), c.plays);
    }
}

TEST_F(ZentarFormTest, TheFieldShowsTheChosenBackgroundOrIsClearedWithoutOne)
{
    struct Case {
        const char* choice;
        const char* red;
        const char* green;
        const char* blue;
        platform::Color pixel;
    };
    const Case cases[] = {
        {"2", "10", "20", "30", platform::Rgb(10, 20, 30)},
        // Colours are brought into 0..255; text that is no number is the default 50.
        {"2", "300", "-4", "abc", platform::Rgb(255, 0, 50)},
        {"2", nullptr, nullptr, nullptr, platform::Rgb(50, 50, 50)},
        // No picture for the choice: the field is cleared to black each frame.
        {"7", nullptr, nullptr, nullptr, platform::Rgb(0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.choice << " " << (c.red ? c.red : "-"));
        std::filesystem::remove(platform::settings::FilePath("Vandrel"));
        Save("Zentar", "Background", c.choice);
        if (c.red) {
            Save("Zentar", "Red", c.red);
            Save("Zentar", "Green", c.green);
            Save("Zentar", "Blue", c.blue);
        }
        LoadWindow();
        // Something drawn where the ship stood must not stay there.
        platform::SetPixel(form.hDC(), 5, 5, platform::Rgb(1, 2, 3));
        form.DrawFrame();
        EXPECT_EQ(platform::GetPixel(form.hDC(), 5, 5), c.pixel);
        // A later level with a choice that has no picture is black, whatever came before.
        form.BackgroundChoice = 4;
        form.PrepareLevelGraphics();
        form.DrawFrame();
        EXPECT_EQ(platform::GetPixel(form.hDC(), 5, 5), platform::Rgb(0, 0, 0));
        TearDown();
    }
}

TEST_F(ZentarFormTest, HeldInputIsForgottenWhenTheWindowLoads)
{
    LoadWindow();
    form.LeftHeld = true;
    form.RightHeld = true;
    form.AutoMove = true;
    TearDown();
    LoadWindow();
    EXPECT_FALSE(form.LeftHeld || form.RightHeld || form.AutoMove);
}

TEST_F(ZentarFormTest, AQuitRequestMadeWhileLoadingEndsTheLoopBeforeItsFirstPass)
{
    LoadWindow();
    // As a level set-up that found no level 1 leaves it.
    form.QuitGame = true;
    form.NowTime = 0;
    form.RunGameLoop();
    EXPECT_EQ(form.NowTime, 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(TheMenuForm().IsLoaded());
    TheMenuForm().Unload();
}

} // namespace
