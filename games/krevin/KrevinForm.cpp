// The Krevin window: loading, settings, pictures and sounds, and input. The loop, leaving and the
// options dialog come from GameWindow; the rules each pass runs are in KrevinRules.cpp.
#include "games/krevin/KrevinForm.h"

#include <string>
#include <string_view>

#include "common/Common.h"
#include "games/krevin/KrevinCommon.h"
#include "games/shared/GameSettings.h"
#include "platform/Input.h"
#include "shell/GameRegistry.h"

namespace {

namespace kc = KrevinCommon;
using Mode = krevin::GameMode;

constexpr std::string_view Section = "Krevin";
constexpr std::int32_t PanelTop = 480;
// The field is black wherever no background picture covers it.
constexpr platform::Color FieldColour = platform::Rgb(0, 0, 0);

// The launcher shows this window as game 3.
[[maybe_unused]] const bool registered = GameRegistry::Register(
    GameRegistry::Game::Krevin, []() -> platform::Form& { return TheKrevinForm(); });

} // namespace

KrevinForm& TheKrevinForm()
{
    return platform::ProcessWindow<KrevinForm>();
}

KrevinForm::KrevinForm() = default;

// ---- Loading

void KrevinForm::LoadGame()
{
    ReadSettings();
    LoadGraphics();
    OpenSounds();
}

void KrevinForm::ReadSettings()
{
    ReadSharedSettings(Section);
    PadSpeed = GameSettings::ReadSpeed(Section, "PadSpeed", 110);
    StartBallSpeed = GameSettings::ReadSpeed(Section, "BallSpeed", 50);
    BackgroundChoice = GameSettings::ReadInteger(Section, "Background", 3);
    Common::gOneButton = GameSettings::ReadBoolean(GameSettings::Menu, "OneButton", false);
}

void KrevinForm::LoadGraphics()
{
    SetIcon("gfx\\icon\\icon.ico");
    SetBackColor(FieldColour);
    Panel.LoadDCImage("Gfx\\Panel\\panel.gif", *this);
    Panel.Y = PanelTop;
    Border.LoadDCImage("Gfx\\Panel\\border.gif", *this);
    Border.Y = PanelTop;
    TopBorder.LoadDCImage("Gfx\\Krevin\\topBorder.gif", *this);
    SideBorder.LoadDCImage("Gfx\\Krevin\\sideBorder.gif", *this);
    const std::string folder = "Gfx\\Krevin\\" + Common::gMode + "\\";
    Pad.LoadDCImage(folder + "pad.gif", *this);
    for (SpriteClass& ball : Balls) {
        ball.LoadDCImage(folder + "ball.gif", *this);
    }
    for (std::size_t type = 0; type < kc::BrickPictures.size(); ++type) {
        kc::BrickPictures[type].LoadDCImage(folder + "brick" + std::to_string(type) + ".gif",
                                            *this);
    }
    for (int i = 0; i < 3; ++i) {
        Flame.LoadDCImage("Gfx\\Krevin\\flame" + std::to_string(i) + ".gif", *this);
    }
    Flame.SetFrameTime({150, 200, 175});
    Curtain.LoadDCImage("Gfx\\Common\\Backgrounds\\background0.jpg", *this);
    LoadPanelButtons(Border.Height);
}

// The bricks only borrow their pictures: they go with them, so that none is ever drawn from a
// freed picture.
void KrevinForm::FreeGraphics()
{
    kc::MapBackground.CleanUp();
    for (SpriteClass* sprite : {&Panel, &Border, &TopBorder, &SideBorder, &Pad}) {
        sprite->CleanUp();
    }
    for (SpriteClass& ball : Balls) {
        ball.CleanUp();
    }
    for (SpriteClass& picture : kc::BrickPictures) {
        picture.CleanUp();
    }
    kc::ClearBricks();
    Flame.CleanUp();
    Curtain.CleanUp();
    FreePanelButtons();
}

void KrevinForm::OpenSounds()
{
    Music.OpenMedia("Music\\zentar.mid");
    PadSound.OpenMedia("Sfx\\Krevin\\bouncepad.wav");
    WallSound.OpenMedia("Sfx\\Krevin\\bouncewall.wav");
    BrickSound.OpenMedia("Sfx\\Krevin\\bouncebrick.wav");
    MoveSound.OpenMedia("Sfx\\Krevin\\move.wav");
    FlyAwaySound.OpenMedia("Sfx\\Krevin\\flyaway.wav");
    LostGameSound.OpenMedia("Sfx\\Krevin\\lostgame.wav");
    LostBallSound.OpenMedia("Sfx\\Krevin\\lostball.wav");
    ClickSound.OpenMedia("Sfx\\click.wav");
    LostBallSound.SetWait(true);
}

void KrevinForm::CloseSounds()
{
    for (MMedia* sound : {&Music, &PadSound, &WallSound, &BrickSound, &MoveSound, &FlyAwaySound,
                          &LostGameSound, &LostBallSound, &ClickSound}) {
        sound->CloseMedia();
    }
}

// The flame and the curtain too, so that no pass counts the time of a dialog or a wait.
void KrevinForm::ResetTimers()
{
    for (SpriteClass& ball : Balls) {
        ball.Update(SpriteClass::RestartClock);
    }
    Pad.Update(SpriteClass::RestartClock);
    Flame.Update(SpriteClass::RestartClock);
    Curtain.Update(SpriteClass::RestartClock);
}

void KrevinForm::StartNewGame(bool)
{
    InitLevel(true, true);
}

platform::Form& KrevinForm::OptionsDialog()
{
    return Options;
}

// The mode may have changed the pictures.
void KrevinForm::ApplyOptions()
{
    FreeGraphics();
    LoadGraphics();
    InitLevel(true, true);
}

void KrevinForm::ClearHeldInput()
{
    LeftHeld = false;
    RightHeld = false;
}

// ---- Input: handlers only set fields; the next pass reads them

void KrevinForm::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (!HandleWindowKey(keyCode)) {
        switch (keyCode) {
        case platform::vbKeyLeft:
        case platform::vbKeySpace:
            LeftHeld = true;
            break;
        case platform::vbKeyRight:
        case platform::vbKeyReturn:
            if (Common::gOneButton) {
                SteerTowardsBall();
            } else {
                RightHeld = true;
            }
            break;
        case platform::vbKeyF3:
            // Only play pauses, and a pause never serves.
            if (GameMode == Mode::Playing) {
                GameMode = Mode::Paused;
            } else if (GameMode == Mode::Paused) {
                ResetTimers();
                GameMode = Mode::Playing;
            }
            return;
        case platform::vbKeyAdd:
        case platform::vbKeySubtract:
            if (GameMode == Mode::Waiting || GameMode == Mode::Playing) {
                Level = static_cast<std::int16_t>(Level + (keyCode == platform::vbKeyAdd ? 1 : -1));
                if (Level < 1) {
                    Level = 1;
                }
                InitLevel(false, true);
            }
            return;
        default:
            break;
        }
    }
    // Every other key serves a waiting ball; Enter during the stop hint leaves instead.
    if (StopHintEnter(keyCode, GameMode == Mode::Waiting)) {
        return;
    }
    if (GameMode == Mode::Waiting) {
        StartGame();
    }
}

void KrevinForm::SteerTowardsBall()
{
    if (LeftHeld || RightHeld) {
        return;
    }
    RightHeld = Balls[0].MiddleX() >= Pad.MiddleX();
    LeftHeld = !RightHeld;
}

// Releasing any key or button stops the pad.
void KrevinForm::Form_KeyUp(std::int16_t&, std::int16_t)
{
    ClearHeldInput();
}

void KrevinForm::Form_MouseUp(std::int16_t, std::int16_t, float, float)
{
    ClearHeldInput();
}

// A click in the field serves a waiting ball, then steers: the left button left, any other right.
void KrevinForm::Form_MouseDown(std::int16_t button, std::int16_t, float x, float y)
{
    if (PressPanelButton(x, y)) {
        return;
    }
    if (GameMode == Mode::Waiting) {
        StartGame();
    }
    if (button == platform::vbLeftButton) {
        LeftHeld = true;
    } else {
        RightHeld = true;
    }
}
