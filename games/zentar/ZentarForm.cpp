// The Zentar window: loading, settings, pictures and sounds, input, and the options dialog. The
// loop and leaving come from GameWindow; the rules each pass runs are in ZentarRules.cpp.
#include "games/zentar/ZentarForm.h"

#include <string>
#include <string_view>

#include "common/Common.h"
#include "games/shared/GameSettings.h"
#include "games/shared/LevelBackground.h"
#include "games/zentar/ZentarCommon.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "shell/GameRegistry.h"

namespace {

namespace zc = ZentarCommon;
using Mode = zentar::GameMode;

constexpr std::string_view Section = "Zentar";
constexpr std::int16_t vbKeyD = platform::vbKeyA + 3;
constexpr std::int32_t FieldWidth = 800;
constexpr std::int32_t PanelTop = 480;
constexpr std::int32_t ShipAbovePanel = 5;
constexpr std::int16_t PlainColour = 2;
// Space is black where a level has no background picture.
constexpr platform::Color SpaceColour = platform::Rgb(0, 0, 0);

// The launcher shows this window as game 1.
[[maybe_unused]] const bool registered = GameRegistry::Register(
    GameRegistry::Game::Zentar, []() -> platform::Form& { return TheZentarForm(); });

} // namespace

ZentarForm& TheZentarForm()
{
    return platform::ProcessWindow<ZentarForm>();
}

ZentarForm::ZentarForm() = default;

// ---- Loading

void ZentarForm::LoadGame()
{
    ReadSettings();
    LoadGraphics();
    OpenSounds();
}

void ZentarForm::StartNewGame(bool)
{
    InitLevel(true, true);
}

void ZentarForm::ReadSettings()
{
    ReadSharedSettings(Section);
    BackgroundChoice = GameSettings::ReadInteger(Section, "Background", 3);
    ShotSpeed = 200;
    ShipSpeed = GameSettings::ReadSpeed(Section, "ShipSpeed", 100);
    AliensSpeed = GameSettings::ReadSpeed(Section, "AliensSpeed", 50);
}

void ZentarForm::LoadGraphics()
{
    SetIcon("gfx\\icon\\icon.ico");
    Ship.LoadDCImage("Gfx\\Zentar\\ship.gif", *this);
    Ship.X = FieldWidth / 2 - platform::IntDiv(Ship.width, 2);
    Ship.Y = PanelTop - Ship.Height - ShipAbovePanel;
    ShotPicture.LoadDCImage("Gfx\\Zentar\\shot.gif", *this);
    for (SpriteClass& shot : Shots) {
        shot.SetSpriteDC(ShotPicture);
    }
    ShipExplosion.LoadDCImage("Gfx\\Zentar\\explosion.gif", *this);
    FlowerPicture.LoadDCImage("Gfx\\Zentar\\flower.gif", *this);
    for (SpriteClass& flower : Flowers) {
        flower.SetSpriteDC(FlowerPicture);
    }
    Curtain.LoadDCImage("Gfx\\Common\\Backgrounds\\background0.jpg", *this);
    Panel.LoadDCImage("Gfx\\Panel\\panel.gif", *this);
    Panel.Y = PanelTop;
    Border.LoadDCImage("Gfx\\Panel\\border.gif", *this);
    Border.Y = PanelTop;
    LoadPanelButtons(Border.Height);
    LoadAlienImages();
}

void ZentarForm::LoadAlienImages()
{
    FreeAlienImages();
    const std::string folder = "Gfx\\Zentar\\" + Common::gMode + "\\";
    for (std::size_t type = 0; type < zc::AlienPictures.size(); ++type) {
        const std::string number = (type < 10 ? "0" : "") + std::to_string(type);
        zc::AlienPictures[type].LoadDCImage(folder + "alien" + number + ".gif", *this);
    }
    for (std::size_t i = 0; i < HitExplosions.size(); ++i) {
        HitExplosions[i].LoadDCImage(folder + "explosion" + std::to_string(i) + ".gif", *this);
    }
}

void ZentarForm::FreeAlienImages()
{
    zc::MapBackground.CleanUp();
    for (SpriteClass& picture : zc::AlienPictures) {
        picture.CleanUp();
    }
    for (SpriteClass& explosion : HitExplosions) {
        explosion.CleanUp();
    }
}

void ZentarForm::PrepareLevelGraphics()
{
    // LoadMap keeps only aliens whose type names a picture.
    for (SpriteClass& alien : zc::MapAliens) {
        if (alien.visible) {
            alien.SetSpriteDC(zc::AlienPictures[static_cast<std::size_t>(alien.id)]);
        }
    }
    // Only the plain colour changes the back colour, which also fills a field without a picture.
    if (BackgroundChoice != PlainColour) {
        SetBackColor(SpaceColour);
    }
    LoadLevelBackground(*this, zc::MapBackground, BackgroundChoice, Section,
                        {"Gfx\\Zentar\\Backgrounds\\simpleBg"});
}

void ZentarForm::OpenSounds()
{
    Music.OpenMedia("Music\\zentar.mid");
    for (std::size_t i = 0; i < FireSounds.size(); ++i) {
        FireSounds[i].OpenMedia("Sfx\\Zentar\\fire" + std::to_string(i) + ".wav");
    }
    EnemyHitSound.OpenMedia("Sfx\\Zentar\\enemyHit.wav");
    ShipExplodeSound.OpenMedia("Sfx\\Zentar\\shipExplode.wav");
    ShipMoveSound.OpenMedia("Sfx\\Zentar\\shipMove.wav");
    WonSound.OpenMedia("Sfx\\Zentar\\won.mid");
    LostGameSound.OpenMedia("Sfx\\Zentar\\lostGame.wav");
    LostLifeSound.OpenMedia("Sfx\\Zentar\\lostLife.wav");
    ClickSound.OpenMedia("Sfx\\click.wav");
    // The destroyed ship holds the game still until both sounds have ended.
    ShipExplodeSound.SetWait(true);
    LostLifeSound.SetWait(true);
}

void ZentarForm::CloseSounds()
{
    Music.CloseMedia();
    for (MMedia& sound : FireSounds) {
        sound.CloseMedia();
    }
    for (MMedia* sound : {&EnemyHitSound, &ShipExplodeSound, &ShipMoveSound, &WonSound,
                          &LostGameSound, &LostLifeSound, &ClickSound}) {
        sound->CloseMedia();
    }
}

// The shots and flowers only borrow pictures.
void ZentarForm::FreeGraphics()
{
    for (SpriteClass* sprite :
         {&Ship, &ShotPicture, &ShipExplosion, &FlowerPicture, &Curtain, &Panel, &Border}) {
        sprite->CleanUp();
    }
    FreePanelButtons();
    FreeAlienImages();
}

// The curtain and the flowers too, so that no pass counts the time of a dialog.
void ZentarForm::ResetTimers()
{
    Ship.Update(SpriteClass::RestartClock);
    for (SpriteClass& alien : zc::MapAliens) {
        alien.Update(SpriteClass::RestartClock);
    }
    for (SpriteClass& shot : Shots) {
        shot.Update(SpriteClass::RestartClock);
    }
    for (SpriteClass& flower : Flowers) {
        flower.Update(SpriteClass::RestartClock);
    }
    Curtain.Update(SpriteClass::RestartClock);
}

void ZentarForm::ClearHeldInput()
{
    LeftHeld = false;
    RightHeld = false;
    AutoMove = false;
}

platform::Form& ZentarForm::OptionsDialog()
{
    return Options;
}

// The mode may have changed the alien pictures.
void ZentarForm::ApplyOptions()
{
    LoadAlienImages();
    InitLevel(true, true);
}

// ---- Input: handlers only set fields; the next pass reads them

void ZentarForm::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (!HandleWindowKey(keyCode)) {
        switch (keyCode) {
        case platform::vbKeyF3:
            // A destroyed ship or a falling curtain finishes what it does.
            if (GameMode == Mode::LifeLost || GameMode == Mode::GameOver) {
                break;
            }
            ResetTimers();
            GameMode = GameMode == Mode::Playing ? Mode::Paused : Mode::Playing;
            break;
        case platform::vbKeySpace:
            AutoMove = true;
            break;
        case platform::vbKeyLeft:
            LeftHeld = true;
            break;
        case platform::vbKeyRight:
            RightHeld = true;
            break;
        case platform::vbKeyUp:
        case platform::vbKeyReturn:
            FireShot();
            break;
        case platform::vbKeyAdd:
        case platform::vbKeySubtract:
            if (GameMode == Mode::Waiting || GameMode == Mode::Playing) {
                Level = static_cast<std::int16_t>(Level + (keyCode == platform::vbKeyAdd ? 1 : -1));
                InitLevel(false, true);
            }
            return;
        case vbKeyD:
            GameMode = Mode::GameOver;
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
        StartGame();
    }
}

// Releasing any of the three stops every motion.
void ZentarForm::Form_KeyUp(std::int16_t& keyCode, std::int16_t)
{
    if (keyCode == platform::vbKeyLeft || keyCode == platform::vbKeyRight ||
        keyCode == platform::vbKeySpace) {
        ClearHeldInput();
    }
}

void ZentarForm::Form_MouseDown(std::int16_t button, std::int16_t, float x, float y)
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
        // Towards the pointer's side of the ship's middle; at the middle itself, nowhere.
        if (x < Ship.MiddleX()) {
            LeftHeld = true;
        } else if (x > Ship.MiddleX()) {
            RightHeld = true;
        }
    }
}

void ZentarForm::Form_MouseUp(std::int16_t button, std::int16_t, float, float)
{
    if (button == platform::vbRightButton) {
        LeftHeld = false;
        RightHeld = false;
    }
}
