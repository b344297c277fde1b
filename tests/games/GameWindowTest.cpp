// The shared game window, through a small window derived from it: the loop's start, the time base
// after the options dialog, the stop hint's end, the close box, the curtain's fall and hold, and no
// hover frame left from an earlier showing; and in every game: the stop hint's frame and the music
// after the options dialog.
#include "games/shared/GameWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

#include "common/Common.h"
#include "games/krevin/KrevinForm.h"
#include "games/lupido/LupidoForm.h"
#include "games/morvex/MorvexForm.h"
#include "games/quadrel/QuadrelForm.h"
#include "games/tamblo/TambloForm.h"
#include "games/zentar/ZentarForm.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Media.h"
#include "shell/MenuForm.h"
#include "tests/support/GameWindowFixture.h"

namespace {

// A window with the panel buttons, a curtain and a dialog of its own, which counts what the shared
// part asks of it.
class TestWindow : public GameWindow {
public:
    void UpdateGame(double aNow, double aLast) override
    {
        passMs.push_back(aNow - aLast);
        if (gameOver) {
            FallCurtain(Curtain, LostGameSound);
        }
    }
    void DrawFrame() override {}
    void ResetTimers() override {}
    void FreeGraphics() override { FreePanelButtons(); }
    void CloseSounds() override { ClickSound.CloseMedia(); }
    void ReadSettings() override {}

    using GameWindow::RaiseCurtain;
    using GameWindow::StartStopHint;
    using GameWindow::UpdateStopHint;

    std::vector<double> passMs; // of every pass
    int newGames = 0;
    bool quitWhileLoading = false;
    bool gameOver = false;
    SpriteClass Curtain;
    MMedia LostGameSound;
    platform::Form Dialog;

protected:
    void LoadGame() override
    {
        ClickSound.OpenMedia("Sfx\\click.wav");
        LoadPanelButtons(0);
    }
    void StartNewGame(bool) override
    {
        ++newGames;
        gameOver = false;
        if (quitWhileLoading) {
            QuitGame = true;
        }
    }
    platform::Form& OptionsDialog() override { return Dialog; }
    void ApplyOptions() override {}
    void ClearHeldInput() override {}
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t) override { HandleWindowKey(keyCode); }
};

class GameWindowTest : public testsupport::GameWindowFixture<TestWindow> {
protected:
    void TearDown() override
    {
        if (TheMenuForm().IsLoaded()) {
            TheMenuForm().ExitProgram();
        }
        GameWindowFixture::TearDown();
    }

    bool ClickPlayed() const
    {
        const auto& log = platform::headless::MediaLog();
        return std::find(log.begin(), log.end(), "Play Sfx\\click.wav") != log.end();
    }
};

TEST_F(GameWindowTest, AQuitRequestMadeWhileLoadingEndsTheLoopBeforeItsFirstPass)
{
    form.quitWhileLoading = true;
    form.Show();
    // The loop timer's first tick runs the loop.
    platform::Sleep(2);
    platform::DoEvents();
    EXPECT_EQ(form.newGames, 1);
    EXPECT_TRUE(form.passMs.empty());
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(TheMenuForm().Visible());
}

TEST_F(GameWindowTest, ThePassAfterTheOptionsDialogMeasuresNoTime)
{
    ShowWindow();
    form.RunPass();
    platform::headless::OnIdle([this] {
        platform::virtualclock::Advance(3000);
        form.Dialog.Unload();
    });
    platform::headless::After(0).KeyPress(platform::vbKeyF1);
    form.RunPass(); // its events open the dialog
    form.RunPass();
    platform::headless::OnIdle(nullptr);
    ASSERT_EQ(form.passMs.size(), 3U);
    EXPECT_EQ(form.passMs[2], 0) << "the time in the dialog is no game time";
    EXPECT_TRUE(ClickPlayed());
}

TEST_F(GameWindowTest, TheStopHintEndsAfter5000MsAndNotLater)
{
    ShowWindow();
    Common::gPauseOnStop = true;
    form.StartStopHint(false);
    for (const auto& [ms, hint] : {std::pair{4999, true}, {1, true}, {1, false}}) {
        platform::virtualclock::Advance(ms);
        form.UpdateStopHint(true);
        EXPECT_EQ(Common::gStopHint, hint);
        EXPECT_EQ(form.StopButton.active, hint) << "the stop button is framed while it lasts";
    }
    form.StartStopHint(true);
    EXPECT_FALSE(Common::gStopHint) << "a new game offers no hint";
}

TEST_F(GameWindowTest, TheCloseBoxLeavesAsEscDoes)
{
    ShowWindow();
    platform::headless::After(0).Close();
    platform::DoEvents();
    EXPECT_TRUE(form.QuitGame);
    EXPECT_TRUE(ClickPlayed());
    EXPECT_TRUE(form.IsLoaded()) << "the loop leaves, after freeing everything";
}

TEST_F(GameWindowTest, TheCurtainFallsFromRestFasterEachPassThenHoldsFiveSeconds)
{
    ShowWindow();
    form.Curtain.Height = 600;
    form.RaiseCurtain(form.Curtain);
    EXPECT_EQ(form.Curtain.Y, -600);
    EXPECT_FALSE(form.Curtain.visible);
    form.gameOver = true;
    // Passes of 100 ms: the first shows the curtain at rest with 10 px/s, and every pass adds
    // 12.5 px/s (125 px/s a second) before it moves, so pass n moves (10 + 12.5 n) / 10 pixels.
    const struct {
        int pass;
        double y;
    } rows[] = {
        {1, -600}, {2, -596.5}, {3, -591.75}, {11, -508.75}, {29, -29.5},
    };
    int pass = 0;
    for (const auto& row : rows) {
        while (pass < row.pass) {
            Pass(100);
            ++pass;
        }
        EXPECT_TRUE(form.Curtain.visible) << "pass " << row.pass;
        EXPECT_DOUBLE_EQ(form.Curtain.Y, row.y) << "pass " << row.pass;
    }
    EXPECT_EQ(form.newGames, 1);
    // Pass 30 would take it to 9: it is down, and the game stands still for 5000 ms.
    const std::int64_t before = platform::headless::Elapsed();
    Pass(100);
    EXPECT_GE(platform::headless::Elapsed() - before, 100 + 5000);
    EXPECT_LT(platform::headless::Elapsed() - before, 100 + 5000 + 100);
    EXPECT_FALSE(form.Curtain.visible);
    EXPECT_EQ(form.newGames, 2) << "a new game after the one the window loaded with";
    EXPECT_EQ(form.NowTime, form.LastTime) << "the hold is no game time";
}

TEST_F(GameWindowTest, NoButtonIsFramedAtTheStartOfAShowingUntilThePointerMoves)
{
    ShowWindow();
    MouseMove(form.OptionsButton.X + 2, form.OptionsButton.Y + 2);
    EXPECT_TRUE(form.OptionsButton.active);
    form.FreeGraphics();
    form.CloseSounds();
    form.Unload();

    ShowWindow();
    EXPECT_FALSE(form.OptionsButton.active);
    EXPECT_FALSE(form.StopButton.active);
    MouseMove(form.StopButton.X + 2, form.StopButton.Y + 2);
    EXPECT_TRUE(form.StopButton.active);
    EXPECT_FALSE(form.OptionsButton.active);
}

// ---- Every game

template <typename Window> class EveryGameTest : public testsupport::GameWindowFixture<Window> {
protected:
    void SetUp() override
    {
        testsupport::GameWindowFixture<Window>::SetUp();
        this->UseShippedMaps();
    }

    // The level started again within a running game, as after a lost life.
    void RestartLevel()
    {
        if constexpr (std::is_same_v<Window, QuadrelForm>) {
            this->form.InitLevel(false, false, false);
        } else {
            this->form.InitLevel(false, false);
        }
    }

    // The crossing game has no waiting state: it plays from the level's start, hint or not.
    static constexpr bool PlaysDuringTheHint = std::is_same_v<Window, LupidoForm>;
};

struct GameName {
    template <typename Window> static std::string GetName(int)
    {
        const std::string name = ::testing::internal::GetTypeName<Window>();
        return name.substr(0, name.find("Form"));
    }
};

using Games =
    ::testing::Types<TambloForm, ZentarForm, LupidoForm, KrevinForm, MorvexForm, QuadrelForm>;
TYPED_TEST_SUITE(EveryGameTest, Games, GameName);

TYPED_TEST(EveryGameTest, TheStopHintFramesTheStopButtonUntilItEndsOrPlayStarts)
{
    const struct {
        const char* what;
        std::int32_t ms; // after the level's start
        bool key;        // a key then starts play, and a pass runs
        bool pointer;    // the pointer rests on the stop button
        bool framed;
    } rows[] = {
        {"the hint's last millisecond", 5000, false, false, true},
        {"the hint is over", 5001, false, false, false},
        {"play starts within the hint", 1000, true, false, TestFixture::PlaysDuringTheHint},
        {"the pointer after the hint", 5001, false, true, true},
        {"the pointer in play", 1000, true, true, true},
    };
    this->Save("Menu", "PauseOnStop", "1");
    this->ShowWindow();
    auto& game = this->form;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        this->MouseMove(row.pointer ? game.StopButton.X + 2 : 400, game.StopButton.Y + 2);
        this->RestartLevel();
        ASSERT_TRUE(Common::gStopHint);
        this->Pass(row.ms);
        if (row.key) {
            this->KeyPress(platform::vbKeyA);
            this->Pass(20);
        }
        EXPECT_EQ(game.StopButton.active, row.framed);
    }
}

TYPED_TEST(EveryGameTest, OkInTheOptionsDialogStartsOrStopsTheMusicAtOnce)
{
    this->ShowWindow();
    auto& game = this->form;
    ASSERT_FALSE(game.Music.Filename().empty());
    for (const bool musicOn : {false, true, false}) {
        SCOPED_TRACE(musicOn);
        platform::headless::OnIdle([&game, musicOn] {
            game.Options.MusicButton.SetValue(musicOn ? platform::vbChecked
                                                      : platform::vbUnchecked);
            platform::Point ok{platform::CLng(game.Options.OkSprite.X) + 5,
                               platform::CLng(game.Options.OkSprite.Y) + 5};
            ASSERT_TRUE(platform::ClientToScreen(game.Options, &ok));
            platform::headless::After(0).Click(platform::vbLeftButton, ok.x, ok.y);
            platform::headless::OnIdle(nullptr);
        });
        this->KeyPress(platform::vbKeyF1);
        ASSERT_FALSE(game.Options.IsLoaded());
        EXPECT_TRUE(Common::gOptionsOk);
        EXPECT_EQ(game.Music.Status(), musicOn ? "playing" : "stopped");
    }
}

} // namespace
