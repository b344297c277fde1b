// The shared part of the game windows: loop, time base, panel buttons, stop hint, dialogs, leaving.
#include "games/shared/GameWindow.h"

#include "common/Common.h"
#include "platform/Events.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "shell/HighScoreForm.h"
#include "shell/HighScoreTable.h"
#include "shell/MenuForm.h"
#include "toolkit/GameUtil.h"

namespace {

constexpr std::int32_t StopHintMs = 5000;
constexpr std::int32_t ButtonMargin = 15;
constexpr std::int32_t PanelMiddle = 540;
constexpr std::int32_t ButtonFrameWidth = 4;
constexpr platform::Color Blue = 0xFF0000;

} // namespace

GameWindow::GameWindow()
{
    startLoopTimer.OnTimer = [this] { startLoopTimer_Timer(); };
}

// ---- The loop

void GameWindow::startLoopTimer_Timer()
{
    startLoopTimer.SetEnabled(false);
    RunGameLoop();
}

void GameWindow::RunGameLoop()
{
    LastTime = GameUtil::GetTickMs();
    while (!QuitGame) {
        RunPass();
    }
    ExitToMenu();
}

void GameWindow::RunPass()
{
    NowTime = GameUtil::GetTickMs();
    UpdateGame(NowTime, LastTime);
    DrawFrame();
    Refresh();
    platform::DoEvents();
    LastTime = NowTime;
}

void GameWindow::RestartTimeBase()
{
    NowTime = GameUtil::GetTickMs();
    LastTime = NowTime;
}

double GameWindow::PassMs() const
{
    return GameUtil::TicksBetween(platform::CLng(LastTime), platform::CLng(NowTime));
}

void GameWindow::ExitToMenu()
{
    SetMousePointer(platform::MousePointer::Hourglass);
    FreeGraphics();
    CloseSounds();
    TheMenuForm().Show();
    Unload();
}

void GameWindow::Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode)
{
    if (unloadMode == platform::vbFormControlMenu) {
        cancel = 1;
        std::int16_t key = platform::vbKeyEscape;
        Form_KeyDown(key, 0);
    }
}

// ---- The panel's buttons

void GameWindow::BeginLoad()
{
    QuitGame = false;
    ClearHeldInput();
    if (Common::gFullScreen) {
        SetWindowState(platform::WindowState::Maximized);
    } else {
        SetClientSize(800, 600);
        SetCaption("Vandrel");
    }
}

void GameWindow::LoadPanelButtons(std::int32_t borderHeight)
{
    const std::int32_t middle = PanelMiddle + platform::IntDiv(borderHeight, 2);
    StopButton.LoadDCImage("Gfx\\Buttons\\stopbutton.gif", *this);
    StopButton.X = ButtonMargin;
    StopButton.Y = middle - platform::IntDiv(StopButton.Height, 2);
    OptionsButton.LoadDCImage("Gfx\\Buttons\\optionsbutton.gif", *this);
    OptionsButton.X = platform::ScreenWidth - OptionsButton.width - ButtonMargin;
    OptionsButton.Y = middle - platform::IntDiv(OptionsButton.Height, 2);
}

void GameWindow::FreePanelButtons()
{
    StopButton.CleanUp();
    OptionsButton.CleanUp();
}

void GameWindow::DrawPanelButtons()
{
    StopButton.DrawTransp(*this);
    OptionsButton.DrawTransp(*this);
    SetDrawWidth(ButtonFrameWidth);
    if (StopButton.active) {
        StopButton.DrawBorder(Blue, *this);
    }
    if (OptionsButton.active) {
        OptionsButton.DrawBorder(Blue, *this);
    }
}

std::int16_t GameWindow::PanelButtonKey(float x, float y) const
{
    const std::int16_t px = platform::CInt(x);
    const std::int16_t py = platform::CInt(y);
    if (StopButton.IsUnder(px, py)) {
        return platform::vbKeyEscape;
    }
    if (OptionsButton.IsUnder(px, py)) {
        return platform::vbKeyF1;
    }
    return 0;
}

void GameWindow::Form_MouseMove(std::int16_t, std::int16_t, float x, float y)
{
    const std::int16_t px = platform::CInt(x);
    const std::int16_t py = platform::CInt(y);
    StopButton.active = StopButton.IsUnder(px, py);
    OptionsButton.active = OptionsButton.IsUnder(px, py);
}

// ---- The stop hint

void GameWindow::StartStopHint(bool newGame)
{
    Common::gStopHint = false;
    if (!newGame && Common::gPauseOnStop) {
        Common::gStopHint = true;
        Common::gStopHintUntil = GameUtil::GetTickMs() + StopHintMs;
    }
}

void GameWindow::UpdateStopHint()
{
    if (Common::gPauseOnStop) {
        if (GameUtil::TicksBetween(Common::gStopHintUntil, GameUtil::GetTickMs()) > 0) {
            Common::gStopHint = false;
        }
        StopButton.active = Common::gStopHint;
    }
}

// ---- Dialogs

bool GameWindow::ShowOptionsDialog(platform::Form& dialog)
{
    dialog.Show(platform::vbModal, this);
    ResetTimers();
    ClearHeldInput();
    RestartTimeBase();
    return Common::gOptionsOk;
}

void GameWindow::ShowHighScoreIfQualifies()
{
    if (HighScoreOn && Common::IsHighScore(Common::gScore, Common::gGameName)) {
        TheHighScoreForm().Show(platform::vbModal, this);
        ClearHeldInput();
    }
}
