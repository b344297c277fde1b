// The Quadrel window: loading, settings, pictures and sounds, and input. The loop, the panel
// buttons, the options dialog and leaving come from GameWindow; the rules each pass runs are in
// QuadrelRules.cpp.
#include "games/quadrel/QuadrelForm.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "common/Common.h"
#include "games/shared/GameSettings.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "shell/GameRegistry.h"

namespace {

using Mode = quadrel::GameMode;

constexpr std::string_view Section = "Quadrel";
constexpr std::int32_t PanelTop = 480;
constexpr double BuildBackgroundLeft = 190;
constexpr platform::Color White = platform::Rgb(255, 255, 255);

// The launcher shows this window as game 5.
[[maybe_unused]] const bool registered = GameRegistry::Register(
    GameRegistry::Game::Quadrel, []() -> platform::Form& { return TheQuadrelForm(); });

} // namespace

QuadrelForm& TheQuadrelForm()
{
    return platform::ProcessWindow<QuadrelForm>();
}

QuadrelForm::QuadrelForm() = default;

// ---- Loading

// The settings come first: they choose the mode, and so the block pictures and the field.
void QuadrelForm::LoadGame()
{
    NextPollTime = 0;
    ReadSettings();
    LoadGraphics();
    OpenSounds();
}

// On loading no stop hint follows; after game over it does.
void QuadrelForm::StartNewGame(bool loading)
{
    InitLevel(true, true, loading);
}

void QuadrelForm::ReadSettings()
{
    ReadSharedSettings(Section);
    FallSpeed = GameSettings::ReadSpeed(Section, "FallSpeed", 40);
    MoveSpeed = GameSettings::ReadSpeed(Section, "MoveSpeed", 500);
    Common::gOneButton = GameSettings::ReadBoolean(GameSettings::Menu, "OneButton", false);
    SetMode(Common::gMode);
}

// The block pictures come with the mode (SetMode).
void QuadrelForm::LoadGraphics()
{
    SetIcon("gfx\\icon\\icon.ico");
    SetBackColor(White);
    BackgroundPicture.LoadDCImage("Gfx\\Quadrel\\background.gif", *this);
    BuildBackground.LoadDCImage("Gfx\\Quadrel\\buildbg.gif", *this);
    BuildBackground.X = BuildBackgroundLeft;
    Curtain.LoadDCImage("Gfx\\Quadrel\\wall.gif", *this);
    Panel.LoadDCImage("Gfx\\Panel\\panel.gif", *this);
    Panel.Y = PanelTop;
    PanelBorder.LoadDCImage("Gfx\\Panel\\border.gif", *this);
    PanelBorder.Y = PanelTop;
    SideBorder.LoadDCImage("Gfx\\Quadrel\\sideBorder.gif", *this);
    for (std::size_t i = 0; i < FlowerPictures.size(); ++i) {
        FlowerPictures[i].LoadDCImage("Gfx\\Quadrel\\flower" + std::to_string(i) + ".gif", *this);
    }
    LoadPanelButtons(PanelBorder.Height);
}

void QuadrelForm::LoadBlockImages()
{
    FreeBlockImages();
    for (std::size_t i = 0; i < BlockImages.size(); ++i) {
        BlockImages[i].LoadDCImage(
            "Gfx\\Quadrel\\" + Common::gMode + "\\block" + std::to_string(i) + ".gif", *this);
    }
}

void QuadrelForm::FreeBlockImages()
{
    for (SpriteClass& picture : BlockImages) {
        picture.CleanUp();
    }
}

// The field cells, the piece and the flowers only borrow pictures.
void QuadrelForm::FreeGraphics()
{
    for (SpriteClass* sprite :
         {&BackgroundPicture, &BuildBackground, &Curtain, &Panel, &PanelBorder, &SideBorder}) {
        sprite->CleanUp();
    }
    for (SpriteClass& picture : FlowerPictures) {
        picture.CleanUp();
    }
    FreeBlockImages();
    FreePanelButtons();
}

void QuadrelForm::OpenSounds()
{
    Music.OpenMedia("Music\\quadrel.mid");
    RowCompleteSound.OpenMedia("Sfx\\Quadrel\\rowComplete.wav");
    MoveSound.OpenMedia("Sfx\\Quadrel\\move.wav");
    CantMoveSound.OpenMedia("Sfx\\Quadrel\\cantMove.wav");
    RotateSound.OpenMedia("Sfx\\Quadrel\\rotate.wav");
    WonSound.OpenMedia("Sfx\\Quadrel\\won.wav");
    LostGameSound.OpenMedia("Sfx\\Quadrel\\lostGame.wav");
    ClickSound.OpenMedia("Sfx\\click.wav");
}

void QuadrelForm::CloseSounds()
{
    for (MMedia* sound : {&Music, &RowCompleteSound, &MoveSound, &CantMoveSound, &RotateSound,
                          &WonSound, &LostGameSound, &ClickSound}) {
        sound->CloseMedia();
    }
}

// The curtain and the flowers too, so that no pass counts the time of a dialog or a wait.
void QuadrelForm::ResetTimers()
{
    for (SpriteClass& block : PieceBlocks) {
        block.Update(SpriteClass::RestartClock);
    }
    for (SpriteClass& flower : Flowers) {
        flower.Update(SpriteClass::RestartClock);
    }
    Curtain.Update(SpriteClass::RestartClock);
}

// Dropping and the sweep direction belong to the rules: only the held key is forgotten.
void QuadrelForm::ClearHeldInput()
{
    KeyHeld = false;
}

platform::Form& QuadrelForm::OptionsDialog()
{
    return Options;
}

// The settings were read again, and with them the mode's pictures and field.
void QuadrelForm::ApplyOptions()
{
    InitLevel(true, true, false);
}

void QuadrelForm::StartGame()
{
    GameMode = Mode::Playing;
}

// ---- Input

void QuadrelForm::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (!HandleWindowKey(keyCode)) {
        // F3 pauses and resumes play and starts a waiting game; the flower shower and the curtain
        // run on to their end.
        if (keyCode == platform::vbKeyF3) {
            if (GameMode == Mode::Playing) {
                GameMode = Mode::Paused;
            } else if (GameMode == Mode::Waiting || GameMode == Mode::Paused) {
                ResetTimers();
                GameMode = Mode::Playing;
            }
        } else if (keyCode == platform::vbKeyG) {
            ShowGrid = !ShowGrid;
        }
    }
    // A waiting game only starts, whatever the key; Enter during the stop hint leaves instead.
    if (GameMode == Mode::Waiting) {
        if (!StopHintEnter(keyCode, true)) {
            StartGame();
        }
        return;
    }
    // A held key acts once, and a dropping piece takes no more keys.
    if (KeyHeld || Dropping) {
        return;
    }
    switch (keyCode) {
    case platform::vbKeyLeft:
        MoveLeft(false);
        break;
    case platform::vbKeyRight:
        MoveRight(false);
        break;
    case platform::vbKeyUp:
        RotatePiece();
        break;
    case platform::vbKeyDown:
    case platform::vbKeyReturn:
        SetPieceSpeed(DropSpeed);
        Dropping = true;
        break;
    case platform::vbKeySpace:
        if (SweepRight) {
            MoveRight(true);
        } else {
            MoveLeft(true);
        }
        break;
    case platform::vbKeyAdd:
    case platform::vbKeySubtract:
        if (GameMode == Mode::Playing) {
            Level = static_cast<std::int16_t>(
                keyCode == platform::vbKeyAdd ? Level + 1 : std::max(1, Level - 1));
            InitLevel(false, true, false);
        }
        return;
    default:
        return;
    }
    KeyHeld = true;
}

void QuadrelForm::Form_KeyUp(std::int16_t&, std::int16_t)
{
    KeyHeld = false;
}

void QuadrelForm::Form_MouseDown(std::int16_t button, std::int16_t, float x, float y)
{
    if (PressPanelButton(x, y)) {
        return;
    }
    if (GameMode == Mode::Waiting) {
        StartGame();
    }
    if (button == platform::vbLeftButton) {
        KeyHeld = false;
        std::int16_t space = platform::vbKeySpace;
        Form_KeyDown(space, 0);
    } else if (button == platform::vbRightButton) {
        RotatePiece();
    }
}
