// The Tamblo window on the headless backend: settings read with their fallbacks, keys, mouse and
// held flags, pause, the level keys, the stop hint, the panel buttons and the options dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "common/Common.h"
#include "games/tamblo/TambloCommon.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Media.h"
#include "platform/Numbers.h"
#include "tests/games/TambloTestGame.h"

namespace tamblotest {
namespace {

namespace tc = TambloCommon;
using platform::headless::After;

class TambloFormTest : public TambloGame {
protected:
    void SetUp() override
    {
        TambloGame::SetUp();
        WriteLevel(1, {"P.._____G", "#############", "", "", "", "", "", "."});
        WriteLevel(2, {"", "", "P.._____G", "#############", "", "", "", "."});
    }

    void Key(std::int16_t key)
    {
        After(0).KeyPress(key);
        RunPass();
    }

    void ClickAt(std::int16_t button, double x, double y)
    {
        const platform::Point at = OnScreen(x, y);
        After(0).Click(button, at.x, at.y);
        RunPass();
    }

    // Closes the options dialog as soon as it waits for input, with Esc or a click on OK.
    void AnswerOptions(bool ok, const std::function<void()>& change = {})
    {
        auto answered = std::make_shared<bool>(false);
        platform::headless::OnIdle([this, ok, change, answered] {
            if (*answered) {
                ADD_FAILURE() << "the options dialog is still open";
                form.Options.Unload();
                return;
            }
            *answered = true;
            if (change) {
                change();
            }
            if (ok) {
                platform::Point at{platform::CLng(form.Options.OkSprite.X) + 5,
                                   platform::CLng(form.Options.OkSprite.Y) + 5};
                platform::ClientToScreen(form.Options, &at);
                After(0).Click(platform::vbLeftButton, at.x, at.y);
            } else {
                After(0).KeyPress(platform::vbKeyEscape);
            }
        });
    }

    bool ClickPlayed()
    {
        const auto& log = platform::headless::MediaLog();
        return std::any_of(log.begin(), log.end(), [](const std::string& command) {
            return command.rfind("Play Sfx\\Tamblo\\click.wav", 0) == 0;
        });
    }

    platform::Color PixelAt(double x, double y)
    {
        return platform::GetPixel(form.hDC(), platform::CLng(x), platform::CLng(y));
    }
};

const platform::Color Blue = platform::Rgb(0, 0, 255);

TEST_F(TambloFormTest, SettingsFallBackToTheirDefaults)
{
    struct Case {
        const char* key;
        const char* value;
        std::function<bool(const TambloForm&)> holds;
    };
    const Case cases[] = {
        {"TambloSpeed", "120", [](const TambloForm& f) { return f.TambloSpeed == 120; }},
        {"TambloSpeed", "abc", [](const TambloForm& f) { return f.TambloSpeed == 50; }},
        {"TambloSpeed", "0", [](const TambloForm& f) { return f.TambloSpeed == 50; }},
        {"GhostSpeed", "-2", [](const TambloForm& f) { return f.GhostSpeed == 45; }},
        {"GhostSpeed", "45.5", [](const TambloForm& f) { return f.GhostSpeed == 46; }},
        {"MaxNumGhosts", "lots", [](const TambloForm& f) { return f.MaxNumGhosts == 20; }},
        {"MaxNumGhosts", "2", [](const TambloForm& f) { return f.MaxNumGhosts == 2; }},
        {"FxOn", "maybe", [](const TambloForm& f) { return f.FxOn; }},
        {"FxOn", "False", [](const TambloForm& f) { return !f.FxOn; }},
        {"MusicOn", "TRUE", [](const TambloForm& f) { return f.MusicOn; }},
        // Only exactly "normal" is normal; anything else plays easy.
        {"Mode", "normal", [](const TambloForm&) { return Common::gMode == "normal"; }},
        {"Mode", "Normal", [](const TambloForm&) { return Common::gMode == "easy"; }},
        {"Mode", "hard", [](const TambloForm&) { return Common::gMode == "easy"; }},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        Setting("Tamblo", c.key, c.value);
        form.ReadSettings();
        EXPECT_TRUE(c.holds(form));
        Setting("Tamblo", c.key, "");
    }
    Setting("Menu", "OneButton", "True");
    Setting("Menu", "HighScore", "1");
    Setting("Menu", "PauseOnStop", "yes");
    form.ReadSettings();
    EXPECT_TRUE(Common::gOneButton);
    EXPECT_TRUE(form.HighScoreOn);
    EXPECT_FALSE(Common::gPauseOnStop);
    EXPECT_EQ(Common::gGameName, "Tamblo");
    EXPECT_EQ(tc::Tiles.size(), 104U) << "the grid matches the mode read";
}

TEST_F(TambloFormTest, AnyKeyButTheLevelKeysStartsAWaitingGame)
{
    struct Case {
        std::int16_t key;
        Mode mode;
        bool quits;
    };
    const Case cases[] = {
        {platform::vbKeyG, Mode::Playing, false},
        {platform::vbKeySpace, Mode::Playing, false},
        {platform::vbKeyReturn, Mode::Playing, false},
        {platform::vbKeyA, Mode::Playing, false},
        {platform::vbKeyF3, Mode::Playing, false},
        {platform::vbKeyEscape, Mode::Playing, true},
        {platform::vbKeyAdd, Mode::Waiting, false},
        {platform::vbKeySubtract, Mode::Waiting, false},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        form.InitLevel(true, true);
        form.QuitGame = false;
        Key(c.key);
        EXPECT_EQ(form.GameMode, c.mode);
        EXPECT_EQ(form.QuitGame, c.quits);
        EXPECT_FALSE(form.GoHeld) << "the release clears the held flag";
        EXPECT_FALSE(form.TurnHeld);
    }
}

TEST_F(TambloFormTest, TheLevelKeysSetUpAnotherLevelWhileWaitingOrPlaying)
{
    Start();
    Key(platform::vbKeyAdd);
    EXPECT_EQ(form.Level, 2);
    EXPECT_TRUE(AtCell(form.Player, 2, 0));
    form.GameMode = Mode::Playing;
    Key(platform::vbKeySubtract);
    EXPECT_EQ(form.Level, 1);
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    // Level 0 has no map: level 1 again.
    Key(platform::vbKeySubtract);
    EXPECT_EQ(form.Level, 1);
    Key(platform::vbKeyAdd);
    Key(platform::vbKeyAdd);
    EXPECT_EQ(form.Level, 1) << "level 3 has no map either";
    EXPECT_FALSE(form.QuitGame);
    for (Mode mode : {Mode::Paused, Mode::LifeLost}) {
        form.GameMode = mode;
        form.Player.active = false;
        Key(platform::vbKeyAdd);
        EXPECT_EQ(form.Level, 1);
        EXPECT_EQ(form.GameMode, mode);
        form.InitLevel(false, false);
    }
}

TEST_F(TambloFormTest, F3PausesAndResumesWithoutTimePassingForTheFigure)
{
    Start();
    Key(platform::vbKeyF3);
    EXPECT_EQ(form.GameMode, Mode::Playing);
    platform::headless::SetKeyState(platform::vbKeyRight, true);
    RunPass(3);
    platform::headless::SetKeyState(platform::vbKeyRight, false);
    ASSERT_GT(form.Player.xMov, 0);
    Key(platform::vbKeyF3);
    EXPECT_EQ(form.GameMode, Mode::Paused);
    const double x = form.Player.X;
    RunPass(100);
    EXPECT_EQ(form.Player.X, x);
    Key(platform::vbKeyF3);
    EXPECT_EQ(form.GameMode, Mode::Playing);
    // The key came after the last frame of the pause: the next pass measures from the key and does
    // not move, the one after moves by one frame, 16 ms at 300 pixels a second.
    RunPass();
    EXPECT_EQ(form.Player.X, x);
    RunPass();
    EXPECT_NEAR(form.Player.X - x, 300 * 0.016, 1e-9);
    for (Mode mode : {Mode::LifeLost, Mode::LevelCleared, Mode::GameOver}) {
        form.GameMode = mode;
        // The key alone, without a pass, which would play these states out.
        After(0).KeyPress(platform::vbKeyF3);
        platform::DoEvents();
        EXPECT_EQ(form.GameMode, mode);
    }
}

TEST_F(TambloFormTest, EscAndTheCloseBoxLeaveWithTheClickEvenWithoutEffects)
{
    Start();
    platform::headless::ClearMediaLog();
    Key(platform::vbKeyEscape);
    EXPECT_TRUE(form.QuitGame);
    EXPECT_TRUE(ClickPlayed());
    form.QuitGame = false;
    After(0).Close();
    RunPass();
    EXPECT_TRUE(form.QuitGame);
    EXPECT_TRUE(form.IsLoaded()) << "the loop leaves, not the close box";
}

TEST_F(TambloFormTest, EnterLeavesDuringTheStopHintAndStartsPlayAfterIt)
{
    Setting("Menu", "PauseOnStop", "1");
    Start();
    EXPECT_FALSE(Common::gStopHint) << "a new game gives no hint";
    // A level that starts within a running game does.
    Key(platform::vbKeyAdd);
    EXPECT_TRUE(Common::gStopHint);
    RunPass();
    EXPECT_TRUE(form.StopButton.active);
    Key(platform::vbKeyReturn);
    EXPECT_TRUE(form.QuitGame);
    EXPECT_EQ(form.GameMode, Mode::Waiting);

    // A click away from the buttons starts play even during the hint.
    form.QuitGame = false;
    form.InitLevel(false, true);
    ClickAt(platform::vbLeftButton, 400, 300);
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_FALSE(form.QuitGame);

    // After 5000 ms of waiting the hint is gone and Enter starts play.
    form.InitLevel(false, true);
    ASSERT_TRUE(PassUntil([&] { return !Common::gStopHint; }, 400));
    EXPECT_FALSE(form.StopButton.active);
    Key(platform::vbKeyReturn);
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_FALSE(form.QuitGame);
}

TEST_F(TambloFormTest, ButtonsAndHeldFlagsFollowTheMouse)
{
    Start();
    const SpriteClass& stop = form.StopButton;
    const SpriteClass& options = form.OptionsButton;
    ASSERT_GT(stop.width, 0);
    EXPECT_EQ(stop.X, 15);
    EXPECT_EQ(options.X, 800 - options.width - 15);

    // Hovering frames a button in blue, 4 pixels wide, lying 3 to 6 pixels outside it.
    const platform::Point over = OnScreen(stop.X + 5, stop.Y + 5);
    After(0).MouseMove(over.x, over.y);
    RunPass();
    EXPECT_TRUE(stop.active);
    EXPECT_FALSE(options.active);
    RunPass(); // input is handled after a frame is drawn: the next frame shows it
    EXPECT_EQ(PixelAt(stop.X - 4, stop.Y + 10), Blue);
    EXPECT_EQ(PixelAt(stop.X + stop.width + 5, stop.Y + 10), Blue);
    const platform::Point away = OnScreen(400, 300);
    After(0).MouseMove(away.x, away.y);
    RunPass();
    EXPECT_FALSE(stop.active);
    RunPass();
    EXPECT_NE(PixelAt(stop.X - 4, stop.Y + 10), Blue);

    // Left and right buttons hold "go" and "turn"; releasing Enter or the button clears "go".
    const platform::Point field = OnScreen(400, 300);
    After(0).MouseDown(platform::vbLeftButton, field.x, field.y).KeyDown(platform::vbKeyReturn);
    RunPass();
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_TRUE(form.GoHeld);
    After(0).KeyUp(platform::vbKeyReturn);
    RunPass();
    EXPECT_FALSE(form.GoHeld);
    After(0).MouseUp(platform::vbLeftButton, field.x, field.y);
    After(0).MouseDown(platform::vbRightButton, field.x, field.y);
    RunPass();
    EXPECT_TRUE(form.TurnHeld);
    After(0).MouseUp(platform::vbRightButton, field.x, field.y);
    RunPass();
    EXPECT_FALSE(form.TurnHeld);

    // The stop button leaves, with its edges counted in.
    ClickAt(platform::vbLeftButton, stop.X + stop.width, stop.Y + stop.Height);
    EXPECT_TRUE(form.QuitGame);
}

TEST_F(TambloFormTest, TheOptionsDialogRestartsTheGameAfterOkAndPlayGoesOnAfterCancel)
{
    Start();
    // Cancel in the waiting state: the key itself starts play, with the held flags cleared.
    form.GoHeld = true;
    AnswerOptions(false);
    Key(platform::vbKeyF1);
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_FALSE(form.GoHeld);
    EXPECT_FALSE(Common::gOptionsOk);

    // OK: the settings are read again and a new game at level 1 plays at once.
    Key(platform::vbKeyAdd);
    Common::gScore = 70;
    AnswerOptions(true, [this] { form.Options.TambloSpeedScroll.SetValue(100); });
    ClickAt(platform::vbLeftButton, form.OptionsButton.X + 2, form.OptionsButton.Y + 2);
    EXPECT_TRUE(Common::gOptionsOk);
    EXPECT_EQ(form.TambloSpeed, 100);
    EXPECT_EQ(form.Level, 1);
    EXPECT_EQ(Common::gScore, 0);
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_GT(form.PlayerImages[0].totalFrames, 0) << "pictures loaded again";
}

TEST_F(TambloFormTest, EveryInputStartsPlayAndNoTimePassesAcrossAPauseOrACancelledDialog)
{
    Setting("Tamblo", "MaxNumGhosts", "1");
    PlugInStick();
    Start();
    const auto wait = [] { platform::virtualclock::Advance(5000); };
    const auto pause = [&] {
        Key(platform::vbKeyF3);
        wait();
    };
    // The figure plays, at rest on the last dot (cell 1), with the ghost on it.
    const auto lastDot = [this] {
        form.GameMode = Mode::Playing;
        for (SpriteClass& cell : tc::Tiles) {
            cell.id = cell.id == tamblo::DotTile ? tamblo::FloorTile : cell.id;
        }
        tc::Tiles[1].id = tamblo::DotTile;
        form.Player.X = form.Ghosts[0].X = CellX(1);
        form.Ghosts[0].Y = form.Player.Y;
    };
    // The caught figure falling from rest at (x, y), to the right when `right`.
    const auto fall = [this](bool right, double x, double y) {
        form.GameMode = Mode::LifeLost;
        form.Player.active = false;
        form.Player.id = right ? 1 : 0;
        form.Player.X = x;
        form.Player.Y = y;
    };
    // Twenty catches fall both ways.
    const auto ways = [this] {
        std::set<bool> right;
        for (int i = 0; i < 20; ++i) {
            form.InitLevel(false, false);
            form.GameMode = Mode::LifeLost;
            RunPass();
            right.insert(form.Player.id != 0);
        }
        EXPECT_EQ(right.size(), 2U);
    };
    struct Case {
        const char* name;
        bool moving; // the figure and the ghost have set off, at 300 px/s
        std::function<void()> input;
        int passes; // after the input
        Mode mode;
        std::int16_t level;
    };
    const Case cases[] = {
        {"stick left", false, [&] { SetStick(0, 32768, 0); }, 1, Mode::Playing, 1},
        {"stick right", false, [&] { SetStick(65535, 32768, 0); }, 1, Mode::Playing, 1},
        {"stick up", false, [&] { SetStick(32768, 0, 0); }, 1, Mode::Playing, 1},
        {"stick down", false, [&] { SetStick(32768, 65535, 0); }, 1, Mode::Playing, 1},
        {"stick button", false, [&] { SetStick(32768, 32768, 1); }, 1, Mode::Playing, 1},
        {"right click", false, [&] { ClickAt(platform::vbRightButton, 400, 300); }, 0,
         Mode::Playing, 1},
        {"F3 pauses", true, pause, 1, Mode::Paused, 1},
        {"F3 resumes", true,
         [&] {
             pause();
             Key(platform::vbKeyF3);
         },
         1, Mode::Playing, 1},
        {"cancelled options", true,
         [&] {
             AnswerOptions(false, wait);
             Key(platform::vbKeyF1);
         },
         1, Mode::Playing, 1},
        {"the last dot clears, uncaught", false, lastDot, 1, Mode::LevelCleared, 1},
        {"then the next level waits", false, lastDot, 2, Mode::Waiting, 2},
        {"a catch falls right or down", false, ways, 0, Mode::LifeLost, 1},
        {"falling at y 485", false, [&] { fall(false, CellX(0), 485); }, 1, Mode::LifeLost, 1},
        {"below it a life goes", false, [&] { fall(false, CellX(0), 485.5); }, 1, Mode::Waiting, 1},
        {"falling at x 805", false, [&] { fall(true, 805, 0); }, 1, Mode::LifeLost, 1},
        {"right of it a life goes", false, [&] { fall(true, 805.5, 0); }, 1, Mode::Waiting, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.InitLevel(true, true);
        if (c.moving) {
            form.GameMode = Mode::Playing;
            platform::headless::SetKeyState(platform::vbKeyRight, true);
            RunPass(4);
            platform::headless::SetKeyState(platform::vbKeyRight, false);
        }
        const double x = form.Player.X, ghostX = form.Ghosts[0].X;
        c.input();
        RunPass(c.passes);
        EXPECT_EQ(form.GameMode, c.mode);
        EXPECT_EQ(form.Level, c.level);
        if (c.moving) {
            // At most two passes of 16 ms go by, never the 5000 ms of the pause or the dialog.
            EXPECT_LE(std::abs(form.Player.X - x), 2 * 300 * 0.016);
            EXPECT_LE(std::abs(form.Ghosts[0].X - ghostX), 2 * 300 * 0.016);
        }
        SetStick(32768, 32768);
    }
}

TEST_F(TambloFormTest, GShowsTheCellOutlines)
{
    Start();
    // The left edge of a floor cell: black only while the outlines show.
    RunPass();
    EXPECT_NE(PixelAt(CellX(1), CellY(2) + 30), platform::Rgb(0, 0, 0));
    Key(platform::vbKeyG);
    EXPECT_TRUE(form.ShowTileNumbers);
    RunPass();
    EXPECT_EQ(PixelAt(CellX(1), CellY(2) + 30), platform::Rgb(0, 0, 0));
    Key(platform::vbKeyG);
    RunPass();
    EXPECT_NE(PixelAt(CellX(1), CellY(2) + 30), platform::Rgb(0, 0, 0));
}

TEST_F(TambloFormTest, SSavesTheScreenNamedAfterTheLevelAndAFailedSaveLetsPlayGoOn)
{
    Start();
    Key(platform::vbKeyAdd);
    form.GameMode = Mode::Playing;
    Key(platform::vbKeyS);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "2.bmp"));

    // A folder in the way: the save fails, says so on standard error, and the game goes on.
    std::filesystem::create_directory(folder / "1.bmp");
    Key(platform::vbKeySubtract);
    form.GameMode = Mode::Playing;
    ::testing::internal::CaptureStderr();
    Key(platform::vbKeyS);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("vandrel: "), std::string::npos) << errors;
    EXPECT_EQ(form.GameMode, Mode::Playing);
    EXPECT_FALSE(form.QuitGame);
    RunPass();
    EXPECT_EQ(form.GameMode, Mode::Playing);
}

} // namespace
} // namespace tamblotest
