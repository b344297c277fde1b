// The Tamblo window: loading, settings, pictures and sounds, input, and the options dialog. The
// loop and leaving come from GameWindow; the rules each pass runs are in TambloRules.cpp.
#include "games/tamblo/TambloForm.h"

#include <string>
#include <string_view>

#include "common/Common.h"
#include "games/shared/GameSettings.h"
#include "games/tamblo/TambloCommon.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "shell/GameRegistry.h"
#include "toolkit/GameUtil.h"

namespace {

constexpr std::string_view Section = "Tamblo";

using Mode = tamblo::GameMode;

// The launcher shows this window as game 0.
[[maybe_unused]] const bool registered = GameRegistry::Register(
    GameRegistry::Game::Tamblo, []() -> platform::Form& { return TheTambloForm(); });

} // namespace

TambloForm& TheTambloForm()
{
    return platform::ProcessWindow<TambloForm>();
}

TambloForm::TambloForm() = default;

// ---- Loading and releasing

void TambloForm::LoadGame()
{
    ReadSettings();
    LoadGraphics();
    OpenSounds();
    NextTurnTime = GameUtil::GetTickMs();
}

void TambloForm::StartNewGame(bool)
{
    InitLevel(true, true);
}

void TambloForm::ReadSettings()
{
    SetBackColor(platform::Rgb(255, 255, 255));
    ReadSharedSettings(Section);
    TambloSpeed = GameSettings::ReadSpeed(Section, "TambloSpeed", 50);
    GhostSpeed = GameSettings::ReadSpeed(Section, "GhostSpeed", 45);
    MaxNumGhosts = GameSettings::ReadInteger(Section, "MaxNumGhosts", 20);
    Common::gOneButton = GameSettings::ReadBoolean(GameSettings::Menu, "OneButton", false);
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

    LoadPanelButtons(BorderPicture.Height);
}

// The player, the life icon, the ghosts and the cells only borrow pictures.
void TambloForm::FreeGraphics()
{
    for (SpriteClass* sprite : {&PanelPicture, &BorderPicture, &SmileFace, &SadFace}) {
        sprite->CleanUp();
    }
    FreePanelButtons();
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

// ---- Timers, held input and the options dialog

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

void TambloForm::ClearHeldInput()
{
    GoHeld = false;
    TurnHeld = false;
}

platform::Form& TambloForm::OptionsDialog()
{
    return Options;
}

// The mode may have changed the pictures.
void TambloForm::ApplyOptions()
{
    FreeGraphics();
    LoadGraphics();
    InitLevel(true, true);
}

// ---- Input: handlers only set fields; the next pass reads them

void TambloForm::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (!HandleWindowKey(keyCode)) {
        switch (keyCode) {
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
    }
    // Any other key starts a waiting game; Enter during the stop hint leaves it instead.
    if (StopHintEnter(keyCode, GameMode == Mode::Waiting)) {
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
    if (PressPanelButton(x, y)) {
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
