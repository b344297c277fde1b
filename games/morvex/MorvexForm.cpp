// The Morvex window: loading, settings, pictures and sounds, input, and the options dialog. The
// loop and leaving come from GameWindow; the rules each pass runs are in MorvexRules.cpp.
#include "games/morvex/MorvexForm.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "common/Common.h"
#include "games/morvex/MorvexCommon.h"
#include "games/shared/GameSettings.h"
#include "platform/Input.h"
#include "shell/GameRegistry.h"

namespace {

namespace mc = MorvexCommon;
using Mode = morvex::GameMode;

constexpr std::string_view Section = "Morvex";
constexpr std::int32_t PanelTop = 480;
constexpr std::int16_t ShotSpeedPxs = 200;

// The ranges of the options dialog's bars: a speed stored out of range is brought into them.
constexpr std::int16_t ShipSpeedMin = 20;
constexpr std::int16_t ShipSpeedMax = 300;
constexpr float RotateSpeedMin = 1;
constexpr float RotateSpeedMax = 20;
constexpr std::int16_t RockSpeedMin = 1;
constexpr std::int16_t RockSpeedMax = 300;
constexpr std::int16_t MapPicture = 3;

// The launcher shows this window as game 4.
[[maybe_unused]] const bool registered = GameRegistry::Register(
    GameRegistry::Game::Morvex, []() -> platform::Form& { return TheMorvexForm(); });

void LoadPictures(std::span<SpriteClass> pictures, const std::string& prefix,
                  platform::Surface& window)
{
    for (std::size_t n = 0; n < pictures.size(); ++n) {
        pictures[n].LoadDCImage(prefix + std::to_string(n) + ".gif", window);
    }
}

void CleanUpAll(std::span<SpriteClass> pictures)
{
    for (SpriteClass& picture : pictures) {
        picture.CleanUp();
    }
}

} // namespace

MorvexForm& TheMorvexForm()
{
    return platform::ProcessWindow<MorvexForm>();
}

MorvexForm::MorvexForm() = default;

// ---- Loading

void MorvexForm::LoadGame()
{
    LoadGraphics();
    OpenSounds();
    ReadSettings();
}

void MorvexForm::StartNewGame(bool)
{
    InitLevel(true, true);
}

// Every value that does not convert is its default (so is a speed below 1), and every speed lies
// in its options bar's range.
void MorvexForm::ReadSettings()
{
    ReadSharedSettings(Section);
    Common::gOneButton = GameSettings::ReadBoolean(GameSettings::Menu, "OneButton", false);
    Background = GameSettings::ReadInteger(Section, "Background", MapPicture);
    if (Background < 0 || Background > MapPicture) {
        Background = MapPicture;
    }
    ShipSpeed =
        std::clamp(GameSettings::ReadSpeed(Section, "ShipSpeed", 100), ShipSpeedMin, ShipSpeedMax);
    RockSpeed =
        std::clamp(GameSettings::ReadSpeed(Section, "RockSpeed", 50), RockSpeedMin, RockSpeedMax);
    RotateSpeed = GameSettings::ReadSingle(Section, "RotateSpeed", 2);
    RotateSpeed =
        std::isfinite(RotateSpeed) ? std::clamp(RotateSpeed, RotateSpeedMin, RotateSpeedMax) : 2.0F;
    ShotSpeed = ShotSpeedPxs;
    ShotCount = Common::gMode == "normal" ? 2 : 4;
    // New shots for the mode, each showing the shot picture, none in flight.
    Shots.assign(static_cast<std::size_t>(ShotCount), SpriteClass{});
    for (SpriteClass& shot : Shots) {
        shot.SetSpriteDC(ShotPicture);
        shot.visible = false;
    }
}

void MorvexForm::LoadGraphics()
{
    SetIcon("gfx\\icon\\icon.ico");
    Panel.LoadDCImage("Gfx\\Panel\\panel.gif", *this);
    Panel.Y = PanelTop;
    PanelBorder.LoadDCImage("Gfx\\Panel\\border.gif", *this);
    PanelBorder.Y = PanelTop;
    LoadPictures(ShipFrames, "Gfx\\Morvex\\Ship\\ship", *this);
    LoadPictures(LargeRockPictures, "Gfx\\Morvex\\largeRock", *this);
    LoadPictures(MediumRockPictures, "Gfx\\Morvex\\mediumRock", *this);
    LoadPictures(SmallRockPictures, "Gfx\\Morvex\\smallRock", *this);
    ShotPicture.LoadDCImage("Gfx\\Morvex\\shot0.gif", *this);
    ShotPicture.LoadDCImage("Gfx\\Morvex\\shot1.gif", *this);
    ShotPicture.SetFrameTime({250, 250});
    ShipExplosion.LoadDCImage("Gfx\\Morvex\\explode0.gif", *this);
    ShipExplosion.LoadDCImage("Gfx\\Morvex\\explode1.gif", *this);
    ShipExplosion.SetFrameTime({100, 10000});
    SmallExplosion.LoadDCImage("Gfx\\Morvex\\smallExplode.gif", *this);
    MediumExplosion.LoadDCImage("Gfx\\Morvex\\mediumExplode.gif", *this);
    LargeExplosion.LoadDCImage("Gfx\\Morvex\\largeExplode.gif", *this);
    Afterburner.LoadDCImage("Gfx\\Morvex\\afterBurner0.gif", *this);
    Afterburner.LoadDCImage("Gfx\\Morvex\\afterBurner1.gif", *this);
    Afterburner.SetFrameTime({100, 100});
    Curtain.LoadDCImage("Gfx\\Common\\Backgrounds\\background4.jpg", *this);
    StarPicture.LoadDCImage("Gfx\\Morvex\\star.gif", *this);
    for (SpriteClass& star : Stars) {
        star.SetSpriteDC(StarPicture);
    }
    LoadPanelButtons(PanelBorder.Height);
}

void MorvexForm::OpenSounds()
{
    Music.OpenMedia("Music\\morvex.mid");
    RockHitSound.OpenMedia("Sfx\\Morvex\\rockHit.wav");
    ShipExplodeSound.OpenMedia("Sfx\\Morvex\\shipExplode.wav");
    for (std::size_t i = 0; i < FireSounds.size(); ++i) {
        FireSounds[i].OpenMedia("Sfx\\Morvex\\fire" + std::to_string(i) + ".wav");
    }
    ForwardSound.OpenMedia("Sfx\\Morvex\\forward.wav");
    RotateSound.OpenMedia("Sfx\\Morvex\\rotate.wav");
    WonSound.OpenMedia("Sfx\\Morvex\\won.wav");
    LostGameSound.OpenMedia("Sfx\\Morvex\\lostGame.wav");
    ClickSound.OpenMedia("Sfx\\click.wav");
}

void MorvexForm::CloseSounds()
{
    Music.CloseMedia();
    for (MMedia& sound : FireSounds) {
        sound.CloseMedia();
    }
    for (MMedia* sound : {&RockHitSound, &ShipExplodeSound, &ForwardSound, &RotateSound, &WonSound,
                          &LostGameSound, &ClickSound}) {
        sound->CloseMedia();
    }
}

// The ship, shots, stars and pool rocks only borrow pictures.
void MorvexForm::FreeGraphics()
{
    mc::MapBackground.CleanUp();
    CleanUpAll(ShipFrames);
    CleanUpAll(LargeRockPictures);
    CleanUpAll(MediumRockPictures);
    CleanUpAll(SmallRockPictures);
    for (SpriteClass* sprite :
         {&ShotPicture, &ShipExplosion, &SmallExplosion, &MediumExplosion, &LargeExplosion,
          &Afterburner, &Curtain, &StarPicture, &Panel, &PanelBorder}) {
        sprite->CleanUp();
    }
    FreePanelButtons();
}

// Everything that moves: the ship, the rocks, the shots, the sparks of a fly-out and the curtain.
void MorvexForm::ResetTimers()
{
    Ship.Update(SpriteClass::RestartClock);
    Curtain.Update(SpriteClass::RestartClock);
    for (SpriteClass& star : Stars) {
        star.Update(SpriteClass::RestartClock);
    }
    for (auto* pool : {&LargeRocks, &MediumRocks, &SmallRocks, &Shots}) {
        for (SpriteClass& sprite : *pool) {
            sprite.Update(SpriteClass::RestartClock);
        }
    }
}

void MorvexForm::ClearHeldInput()
{
    RightHeld = false;
    LeftHeld = false;
}

platform::Form& MorvexForm::OptionsDialog()
{
    return Options;
}

void MorvexForm::ApplyOptions()
{
    InitLevel(true, true);
}

// ---- Input: handlers only set fields; the next pass reads them

void MorvexForm::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (!HandleWindowKey(keyCode)) {
        switch (keyCode) {
        case platform::vbKeyF3:
            // Pauses and resumes play, and starts a waiting game; an exploding ship, a fly-out
            // or a falling curtain finishes what it does.
            if (GameMode == Mode::Waiting || GameMode == Mode::Playing ||
                GameMode == Mode::Paused) {
                ResetTimers();
                GameMode = GameMode == Mode::Playing ? Mode::Paused : Mode::Playing;
            }
            break;
        case platform::vbKeyRight:
        case platform::vbKeySpace:
            RightHeld = true;
            break;
        case platform::vbKeyLeft:
            LeftHeld = true;
            break;
        case platform::vbKeyAdd:
        case platform::vbKeySubtract:
            if (GameMode == Mode::Waiting || GameMode == Mode::Playing) {
                Level = keyCode == platform::vbKeyAdd
                            ? static_cast<std::int16_t>(Level + 1)
                            : std::max<std::int16_t>(static_cast<std::int16_t>(Level - 1), 1);
                InitLevel(false, true);
            }
            return;
        default:
            break;
        }
    }
    // Any other key starts a waiting game; Enter during the stop hint leaves it instead.
    if (StopHintEnter(keyCode, GameMode == Mode::Waiting)) {
        return;
    }
    if (GameMode == Mode::Waiting) {
        StartGame();
    }
}

void MorvexForm::Form_KeyUp(std::int16_t& keyCode, std::int16_t)
{
    if (keyCode == platform::vbKeyUp || keyCode == platform::vbKeyDown) {
        ForwardSound.StopMedia();
    }
    if (keyCode == platform::vbKeyLeft || keyCode == platform::vbKeyRight ||
        keyCode == platform::vbKeySpace) {
        RotateSound.StopMedia();
        ClearHeldInput();
    }
}

void MorvexForm::Form_MouseDown(std::int16_t button, std::int16_t, float x, float y)
{
    if (PressPanelButton(x, y)) {
        return;
    }
    if (GameMode == Mode::Waiting) {
        StartGame();
    }
    if (button == platform::vbLeftButton) {
        FireShot();
    } else if (button == platform::vbRightButton) {
        RightHeld = true;
    }
}

void MorvexForm::Form_MouseUp(std::int16_t button, std::int16_t, float, float)
{
    if (button == platform::vbRightButton) {
        RightHeld = false;
    }
}
