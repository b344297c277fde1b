// The shared part of the game windows: loading, loop, time base, level maps, keys, panel buttons,
// stop hint, dialogs, leaving.
#include "games/shared/GameWindow.h"

#include <algorithm>

#include "common/Common.h"
#include "games/shared/GameSettings.h"
#include "games/shared/MapFile.h"
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

// ---- Loading

void GameWindow::Form_Load()
{
    BeginLoad();
    LoadGame();
    Stick.Init(*this);
    if (MusicOn) {
        Music.PlayMedia();
    }
    // Without a readable level 1 this sets QuitGame, and the loop then ends before its first pass:
    // leaving from here would close the launcher that is still showing this window.
    StartNewGame(true);
    startLoopTimer.SetEnabled(true);
    SetMousePointer(platform::MousePointer::Default);
}

void GameWindow::ReadSharedSettings(std::string_view section)
{
    Common::gGameName = section;
    Common::gMode = GameSettings::ReadMode(section);
    MusicOn = GameSettings::ReadBoolean(section, "MusicOn", true);
    FxOn = GameSettings::ReadBoolean(section, "FxOn", true);
    HighScoreOn = GameSettings::ReadBoolean(GameSettings::Menu, "HighScore", false);
    Common::gPauseOnStop = GameSettings::ReadBoolean(GameSettings::Menu, "PauseOnStop", false);
}

void GameWindow::BeginLoad()
{
    QuitGame = false;
    ClearHeldInput();
    // The flags survive the last showing; the pointer has not moved over this one yet.
    StopButton.active = false;
    OptionsButton.active = false;
    stopUnderPointer = false;
    stopHintFrame = false;
    if (Common::gFullScreen) {
        SetWindowState(platform::WindowState::Maximized);
    } else {
        SetClientSize(800, 600);
        SetCaption("Vandrel");
    }
    // The status panel's text.
    SetFont({"Comic Sans MS", 28, true});
}

SpriteClass* GameWindow::TakeShot(std::span<SpriteClass> shots, std::int32_t lastShotTime,
                                  std::array<MMedia, 3>& fireSounds) const
{
    constexpr std::int32_t ShotGapMs = 250;
    if (GameUtil::TicksBetween(lastShotTime, GameUtil::GetTickMs()) <= ShotGapMs) {
        return nullptr;
    }
    const auto free =
        std::find_if(shots.begin(), shots.end(), [](const SpriteClass& s) { return !s.visible; });
    if (free == shots.end()) {
        return nullptr;
    }
    if (FxOn) {
        fireSounds[static_cast<std::size_t>(GameUtil::RandomInt(0, 2))].PlayMedia();
    }
    return &*free;
}

LevelLoad GameWindow::LoadLevelMap(std::string_view game, std::int16_t& level,
                                   const std::function<bool(std::string_view path)>& loadMap)
{
    if (loadMap(MapFile::LevelPath(game, Common::gMode, level))) {
        return LevelLoad::Loaded;
    }
    level = 1;
    if (loadMap(MapFile::LevelPath(game, Common::gMode, level))) {
        return LevelLoad::WrappedToFirst;
    }
    QuitGame = true;
    return LevelLoad::Missing;
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
        if (!RunPass() && !QuitGame && StandsStill()) {
            platform::WaitEvents();
            RestartTimeBase();
        }
    }
    ExitToMenu();
}

bool GameWindow::RunPass()
{
    NowTime = GameUtil::GetTickMs();
    UpdateGame(NowTime, LastTime);
    DrawFrame();
    Refresh();
    const bool delivered = platform::DoEvents();
    LastTime = NowTime;
    return delivered;
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

// ---- Keys and the panel's buttons

bool GameWindow::HandleWindowKey(std::int16_t keyCode)
{
    if (keyCode == platform::vbKeyEscape) {
        ClickSound.PlayMedia();
        QuitGame = true;
        return true;
    }
    if (keyCode == platform::vbKeyF1) {
        ClickSound.PlayMedia();
        ShowOptions();
        return true;
    }
    return false;
}

bool GameWindow::StopHintEnter(std::int16_t keyCode, bool leave)
{
    if (keyCode != platform::vbKeyReturn || !Common::gStopHint) {
        return false;
    }
    if (leave) {
        QuitGame = true;
    }
    return true;
}

bool GameWindow::PressPanelButton(float x, float y)
{
    std::int16_t key = PanelButtonKey(x, y);
    if (key == 0) {
        return false;
    }
    Form_KeyDown(key, 0);
    return true;
}

bool GameWindow::AnyStickInput()
{
    return Stick.IsLeft() || Stick.IsRight() || Stick.IsUp() || Stick.IsDown() ||
           Stick.IsButtonDown() != -1;
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
    stopUnderPointer = StopButton.IsUnder(px, py);
    StopButton.active = stopUnderPointer || stopHintFrame;
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

void GameWindow::UpdateStopHint(bool hintState)
{
    if (hintState && Common::gPauseOnStop &&
        GameUtil::TicksBetween(Common::gStopHintUntil, GameUtil::GetTickMs()) > 0) {
        Common::gStopHint = false;
    }
    stopHintFrame = hintState && Common::gPauseOnStop && Common::gStopHint;
    StopButton.active = stopUnderPointer || stopHintFrame;
}

// ---- Dialogs

void GameWindow::ShowOptions()
{
    if (!ShowOptionsDialog(OptionsDialog())) {
        return;
    }
    ReadSettings();
    if (MusicOn) {
        Music.PlayMedia();
    } else {
        Music.StopMedia();
    }
    ApplyOptions();
}

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
