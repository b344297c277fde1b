// The Tamblo window: loading, settings, pictures and sounds, the game loop, input, and leaving to
// the launcher. The rules it drives each pass are in TambloRules.cpp.
#include "games/tamblo/TambloForm.h"

#include <string>
#include <string_view>

#include "common/Common.h"
#include "games/tamblo/TambloCommon.h"
#include "platform/Convert.h"
#include "platform/Events.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"
#include "shell/GameRegistry.h"
#include "shell/HighScoreForm.h"
#include "shell/MenuForm.h"
#include "toolkit/GameUtil.h"

namespace {

constexpr std::string_view App = "Vandrel";
constexpr std::string_view Section = "Tamblo";

// Game-window plumbing: settings read with the reader's own default for text that does not
// convert.

bool ReadBoolean(std::string_view section, std::string_view key, bool fallback)
{
    return platform::ToBoolean(platform::GetSetting(App, section, key, fallback ? "1" : "0"),
                               fallback);
}

// A speed that is not a number or is below 1 is the default: a speed of 0 would never arrive.
std::int16_t ReadSpeed(std::string_view key, std::int16_t fallback)
{
    const std::int16_t speed = platform::ToInt16(
        platform::GetSetting(App, Section, key, std::to_string(fallback)), fallback);
    return speed < 1 ? fallback : speed;
}

// "normal" only when stored exactly so: a bad stored mode must not leave every launch without a
// map.
std::string ReadMode()
{
    return platform::GetSetting(App, Section, "Mode", "easy") == "normal" ? "normal" : "easy";
}

using Mode = tamblo::GameMode;

// The launcher shows this window as game 0.
const bool registered = GameRegistry::Register(GameRegistry::Game::Tamblo,
                                               []() -> platform::Form& { return TheTambloForm(); });

} // namespace

TambloForm& TheTambloForm()
{
    static TambloForm form;
    return form;
}

TambloForm::TambloForm()
{
    startLoopTimer.OnTimer = [this] { startLoopTimer_Timer(); };
}

// ---- Loading and leaving

void TambloForm::Form_Load()
{
    // A quit request left from an earlier showing must not end this one.
    QuitGame = false;
    GoHeld = false;
    TurnHeld = false;
    if (Common::gFullScreen) {
        SetWindowState(platform::WindowState::Maximized);
    } else {
        SetClientSize(800, 600);
        SetCaption("Vandrel");
    }
    ReadSettings();
    LoadGraphics();
    OpenSounds();
    Stick.Init(*this);
    if (MusicOn) {
        Music.PlayMedia();
    }
    NextTurnTime = GameUtil::GetTickMs();
    // Without a readable level 1 this sets QuitGame, and the loop then ends before its first pass:
    // leaving from here would close the launcher that is still showing this window.
    InitLevel(true, true);
    startLoopTimer.SetEnabled(true);
    SetMousePointer(platform::MousePointer::Default);
}

void TambloForm::ReadSettings()
{
    SetBackColor(platform::Rgb(255, 255, 255));
    SetFont({"Comic Sans MS", 28, true});
    Common::gGameName = Section;
    MusicOn = ReadBoolean(Section, "MusicOn", true);
    FxOn = ReadBoolean(Section, "FxOn", true);
    TambloSpeed = ReadSpeed("TambloSpeed", 50);
    GhostSpeed = ReadSpeed("GhostSpeed", 45);
    MaxNumGhosts = platform::ToInt16(platform::GetSetting(App, Section, "MaxNumGhosts", "20"), 20);
    Common::gMode = ReadMode();
    Common::gOneButton = ReadBoolean("Menu", "OneButton", false);
    HighScoreOn = ReadBoolean("Menu", "HighScore", false);
    Common::gPauseOnStop = ReadBoolean("Menu", "PauseOnStop", false);
    TambloCommon::SetTileSize();
    TambloCommon::BuildGrid();
    ShowTileNumbers = false;
}

void TambloForm::LoadGraphics()
{
    SetIcon("gfx\\icon\\icon.ico");
    PanelPicture.LoadDCImage("Gfx\\Panel\\panel.gif", *this);
    PanelPicture.X = 0;
    PanelPicture.Y = 480;
    BorderPicture.LoadDCImage("Gfx\\Panel\\border.gif", *this);
    BorderPicture.X = 0;
    BorderPicture.Y = 480;

    const std::string folder = "Gfx\\Tamblo\\" + Common::gMode + "\\";
    for (std::size_t id = 0; id < TambloCommon::TileImages.size(); ++id) {
        TambloCommon::TileImages[id].LoadDCImage(folder + "Tiles\\" + std::to_string(id) + ".gif",
                                                 *this);
    }
    for (std::size_t d = 0; d < PlayerImages.size(); ++d) {
        const std::string name = folder + "Gulpo\\" + std::to_string(d);
        PlayerImages[d].LoadDCImage(name + ".gif", *this);
        PlayerImages[d].LoadDCImage(name + "1.gif", *this);
        PlayerImages[d].SetFrameTime({500, 500});
    }
    LivesIcon.SetSpriteDC(PlayerImages[0]);
    Player.SetSpriteDC(PlayerImages[0]);
    for (std::size_t n = 0; n < GhostImages.size(); ++n) {
        GhostImages[n].LoadDCImage(folder + "Ghosts\\ghost" + std::to_string(n) + ".gif", *this);
    }

    for (SpriteClass* face : {&SmileFace, &SadFace}) {
        face->LoadDCImage(face == &SmileFace ? "Gfx\\Tamblo\\gulpoSmile.gif"
                                             : "Gfx\\Tamblo\\gulpoSad.gif",
                          *this);
        face->X = 400 - platform::IntDiv(face->width, 2);
        face->Y = 240 - platform::IntDiv(face->Height, 2);
        face->visible = false;
    }

    // Both buttons centred in the panel below its border strip.
    StopButton.LoadDCImage("Gfx\\Buttons\\stopbutton.gif", *this);
    StopButton.X = 15;
    StopButton.Y =
        540 + platform::IntDiv(BorderPicture.Height, 2) - platform::IntDiv(StopButton.Height, 2);
    OptionsButton.LoadDCImage("Gfx\\Buttons\\optionsbutton.gif", *this);
    OptionsButton.X = 800 - OptionsButton.width - 15;
    OptionsButton.Y =
        540 + platform::IntDiv(BorderPicture.Height, 2) - platform::IntDiv(OptionsButton.Height, 2);
}

// The player, the life icon, the ghosts and the cells only borrow pictures.
void TambloForm::FreeGraphics()
{
    for (SpriteClass* sprite :
         {&PanelPicture, &BorderPicture, &StopButton, &OptionsButton, &SmileFace, &SadFace}) {
        sprite->CleanUp();
    }
    for (SpriteClass& image : TambloCommon::TileImages) {
        image.CleanUp();
    }
    for (SpriteClass& image : PlayerImages) {
        image.CleanUp();
    }
    for (SpriteClass& image : GhostImages) {
        image.CleanUp();
    }
}

void TambloForm::OpenSounds()
{
    Music.OpenMedia("Music\\tambloTune.mid");
    MoveSound.OpenMedia("Sfx\\Tamblo\\move.wav");
    EatSound.OpenMedia("Sfx\\Tamblo\\eat.wav");
    WonSound.OpenMedia("Sfx\\Tamblo\\won.wav");
    BooSound.OpenMedia("Sfx\\Tamblo\\boo.wav");
    AhhSound.OpenMedia("Sfx\\Tamblo\\ahh.wav");
    GameOverSound.OpenMedia("Sfx\\Tamblo\\won.wav");
    RotateSound.OpenMedia("Sfx\\Tamblo\\rotate.wav");
    ClickSound.OpenMedia("Sfx\\Tamblo\\click.wav");
    BooSound.SetWait(true);
    WonSound.SetWait(true);
    GameOverSound.SetWait(true);
}

void TambloForm::CloseSounds()
{
    for (MMedia* sound : {&Music, &MoveSound, &EatSound, &WonSound, &BooSound, &AhhSound,
                          &GameOverSound, &RotateSound, &ClickSound}) {
        sound->CloseMedia();
    }
}

void TambloForm::ExitToMenu()
{
    SetMousePointer(platform::MousePointer::Hourglass);
    FreeGraphics();
    CloseSounds();
    TheMenuForm().Show();
    Unload();
}

// The close box leaves as Esc does, through the loop, which frees everything before unloading.
void TambloForm::Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode)
{
    if (unloadMode == platform::vbFormControlMenu) {
        cancel = 1;
        std::int16_t key = platform::vbKeyEscape;
        Form_KeyDown(key, 0);
    }
}

// ---- The loop

void TambloForm::startLoopTimer_Timer()
{
    startLoopTimer.SetEnabled(false);
    RunGameLoop();
}

void TambloForm::RunGameLoop()
{
    LastTime = GameUtil::GetTickMs();
    while (!QuitGame) {
        RunPass();
    }
    ExitToMenu();
}

void TambloForm::RunPass()
{
    NowTime = GameUtil::GetTickMs();
    UpdateGame(NowTime, LastTime);
    DrawFrame();
    Refresh();
    // Key, mouse and timer handlers run here, between passes; they only set fields.
    platform::DoEvents();
    LastTime = NowTime;
}

void TambloForm::RestartTimeBase()
{
    NowTime = GameUtil::GetTickMs();
    LastTime = NowTime;
}

double TambloForm::PassMs() const
{
    return GameUtil::TicksBetween(platform::CLng(LastTime), platform::CLng(NowTime));
}

// Restarts the clocks of everything that moves or animates, so that no time passes for them
// across a pause, a dialog or a blocking wait.
void TambloForm::ResetTimers()
{
    Player.Update(SpriteClass::RestartClock);
    for (SpriteClass& ghost : Ghosts) {
        ghost.Update(SpriteClass::RestartClock);
    }
    for (SpriteClass& image : PlayerImages) {
        image.Update(SpriteClass::RestartClock);
    }
}

// ---- Dialogs

void TambloForm::ShowOptions()
{
    Options.Show(platform::vbModal, this);
    ResetTimers();
    // Releases that went to the dialog never reached this window.
    GoHeld = false;
    TurnHeld = false;
    RestartTimeBase();
    if (!Common::gOptionsOk) {
        return;
    }
    ReadSettings();
    if (MusicOn) {
        Music.PlayMedia();
    } else {
        Music.StopMedia();
    }
    FreeGraphics();
    LoadGraphics();
    InitLevel(true, true);
}

void TambloForm::ShowHighScores()
{
    TheHighScoreForm().Show(platform::vbModal, this);
    GoHeld = false;
    TurnHeld = false;
}

// ---- Input: handlers only set fields; the next pass reads them

void TambloForm::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    switch (keyCode) {
    case platform::vbKeyEscape:
        ClickSound.PlayMedia();
        QuitGame = true;
        break;
    case platform::vbKeyF1:
        ClickSound.PlayMedia();
        ShowOptions();
        break;
    case platform::vbKeyF3:
        // Only between playing and paused (and from waiting into play): a toggle in the other
        // states would leave a falling or finished figure moving on its own.
        ResetTimers();
        if (GameMode == Mode::Playing) {
            GameMode = Mode::Paused;
        } else if (GameMode == Mode::Waiting || GameMode == Mode::Paused) {
            GameMode = Mode::Playing;
        }
        break;
    case platform::vbKeyG:
        ShowTileNumbers = !ShowTileNumbers;
        break;
    case platform::vbKeyReturn:
        GoHeld = true;
        break;
    case platform::vbKeySpace:
        TurnHeld = true;
        break;
    case platform::vbKeyAdd:
    case platform::vbKeySubtract:
        if (GameMode == Mode::Waiting || GameMode == Mode::Playing) {
            Level = static_cast<std::int16_t>(Level + (keyCode == platform::vbKeyAdd ? 1 : -1));
            InitLevel(false, true);
        }
        return;
    case platform::vbKeyS:
        GameUtil::SaveScreenShot(std::to_string(Level) + ".bmp");
        break;
    default:
        break;
    }
    // Any other key starts a waiting game; Enter during the stop hint leaves it instead.
    if (keyCode == platform::vbKeyReturn && Common::gStopHint) {
        if (GameMode == Mode::Waiting) {
            QuitGame = true;
        }
        return;
    }
    if (GameMode == Mode::Waiting) {
        GameMode = Mode::Playing;
    }
}

void TambloForm::Form_KeyUp(std::int16_t& keyCode, std::int16_t)
{
    if (keyCode == platform::vbKeyReturn) {
        GoHeld = false;
    } else if (keyCode == platform::vbKeySpace) {
        TurnHeld = false;
    }
}

void TambloForm::Form_MouseDown(std::int16_t button, std::int16_t, float x, float y)
{
    const std::int16_t px = platform::CInt(x);
    const std::int16_t py = platform::CInt(y);
    std::int16_t key = 0;
    if (StopButton.IsUnder(px, py)) {
        key = platform::vbKeyEscape;
    } else if (OptionsButton.IsUnder(px, py)) {
        key = platform::vbKeyF1;
    }
    if (key != 0) {
        Form_KeyDown(key, 0);
        return;
    }
    if (GameMode == Mode::Waiting) {
        GameMode = Mode::Playing;
    }
    if (button == platform::vbLeftButton) {
        GoHeld = true;
    } else if (button == platform::vbRightButton) {
        TurnHeld = true;
    }
}

void TambloForm::Form_MouseUp(std::int16_t button, std::int16_t, float, float)
{
    if (button == platform::vbLeftButton) {
        GoHeld = false;
    } else if (button == platform::vbRightButton) {
        TurnHeld = false;
    }
}

void TambloForm::Form_MouseMove(std::int16_t, std::int16_t, float x, float y)
{
    const std::int16_t px = platform::CInt(x);
    const std::int16_t py = platform::CInt(y);
    StopButton.active = StopButton.IsUnder(px, py);
    OptionsButton.active = OptionsButton.IsUnder(px, py);
}
