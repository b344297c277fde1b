// The shared game window, through a small window derived from it: the loop's start, the time base
// after the options dialog, the stop hint's end, the close box, the curtain's fall and hold, and no
// hover frame left from an earlier showing.
#include "games/shared/GameWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "common/Common.h"
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
        form.UpdateStopHint();
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
    // 10 px/s at the first pass, 125 px/s more every second; the first pass starts its clock, so
    // it moves from the second on.
    double y = -600;
    Pass(100);
    EXPECT_TRUE(form.Curtain.visible);
    EXPECT_EQ(form.Curtain.Y, y);
    double speed = 10 + 0.1 * 125;
    while (true) {
        speed += 0.1 * 125;
        y += speed * 0.1;
        if (y >= 0) {
            break;
        }
        Pass(100);
        ASSERT_NEAR(form.Curtain.Y, y, 1e-6);
    }
    const std::int64_t before = platform::headless::Elapsed();
    Pass(100);
    EXPECT_GE(platform::headless::Elapsed() - before, 5000) << "the game stands still 5 s";
    EXPECT_LT(platform::headless::Elapsed() - before, 6000);
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

} // namespace
