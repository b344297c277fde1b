// The Lupido window: settings, pictures and sounds, and input turned into hops and turns. Loading,
// the loop, Esc and F1, the options dialog and leaving come from GameWindow; the rules each pass
// runs are in LupidoRules.cpp.
#include "games/lupido/LupidoForm.h"

#include <string>
#include <string_view>

#include "common/Common.h"
#include "games/lupido/LupidoCommon.h"
#include "games/shared/GameSettings.h"
#include "platform/Input.h"
#include "shell/GameRegistry.h"
#include "toolkit/GameUtil.h"

namespace {

namespace lc = LupidoCommon;
using Mode = lupido::GameMode;

constexpr std::string_view Section = "Lupido";
constexpr std::int32_t FieldWidth = 800;
constexpr std::int32_t PanelTop = 480;
constexpr platform::Color Meadow = platform::Rgb(133, 197, 86);
// The drowning pictures: seven for each direction.
constexpr std::int32_t DrownFrames = 28;

// The launcher shows this window as game 2.
[[maybe_unused]] const bool registered = GameRegistry::Register(
    GameRegistry::Game::Lupido, []() -> platform::Form& { return TheLupidoForm(); });

} // namespace

LupidoForm& TheLupidoForm()
{
    return platform::ProcessWindow<LupidoForm>();
}

LupidoForm::LupidoForm() = default;

// ---- Loading

void LupidoForm::LoadGame()
{
    ReadSettings();
    LoadGraphics();
    OpenSounds();
}

void LupidoForm::StartNewGame(bool)
{
    InitLevel(true, true);
}

void LupidoForm::ReadSettings()
{
    ReadSharedSettings(Section);
    Common::gOneButton = GameSettings::ReadBoolean(GameSettings::Menu, "OneButton", false);
    CarSpeed = GameSettings::ReadInteger(Section, "CarSpeed", 40);
    AutoTurnInterval = 1500;
}

void LupidoForm::LoadGraphics()
{
    SetBackColor(Meadow);
    SetIcon("gfx\\icon\\icon.ico");
    PanelPicture.LoadDCImage("Gfx\\Panel\\panel.gif", *this);
    PanelPicture.Y = PanelTop;
    BorderPicture.LoadDCImage("Gfx\\Panel\\border.gif", *this);
    BorderPicture.Y = PanelTop;
    LoadPanelButtons(BorderPicture.Height);
    for (std::size_t n = 0; n < FlowerImages.size(); ++n) {
        FlowerImages[n].LoadDCImage("Gfx\\Lupido\\flower" + std::to_string(n) + ".gif", *this);
    }
    BushImage.LoadDCImage("Gfx\\Lupido\\bush.gif", *this);
    LoadModeGraphics();
}

void LupidoForm::LoadModeGraphics()
{
    FreeModeGraphics();
    const std::string folder = "Gfx\\Lupido\\" + Common::gMode + "\\";
    for (std::size_t d = 0; d < RabbitImages.size(); ++d) {
        RabbitImages[d].LoadDCImage(folder + "rabbit" + std::to_string(d) + ".gif", *this);
    }
    Rabbit.width = RabbitImages[0].width;
    Rabbit.Height = RabbitImages[0].Height;
    for (std::int32_t n = 0; n < DrownFrames; ++n) {
        DrownAnimation.LoadDCImage(
            folder + "rabbitDrown" + (n < 10 ? "0" : "") + std::to_string(n) + ".gif", *this);
    }
    for (std::size_t k = 0; k < LargeRabbits.size(); ++k) {
        LargeRabbits[k].LoadDCImage(folder + "largeRabbit" + std::to_string(k) + ".gif", *this);
    }
    // Home is the top row in mode normal and the second row otherwise.
    const bool normal = Common::gMode == "normal";
    const std::int32_t w = LargeRabbits[0].width;
    const std::int32_t p = normal ? 6 : 3;
    for (std::size_t k = 0; k < LargeRabbits.size(); ++k) {
        LargeRabbits[k].X = k % 2 == 0 ? p * w : FieldWidth - (p + 1) * w;
        LargeRabbits[k].Y = normal ? 0 : 60;
    }
    for (std::size_t n = 0; n < RoadImages.size(); ++n) {
        RoadImages[n].LoadDCImage(folder + "road" + std::to_string(n) + ".gif", *this);
        RiverImages[n].LoadDCImage(folder + "river" + std::to_string(n) + ".gif", *this);
    }
    RoadTop.LoadDCImage(folder + "roadTop.gif", *this);
    RoadBottom.LoadDCImage(folder + "roadBottom.gif", *this);
    RiverTop.LoadDCImage(folder + "riverTop.gif", *this);
    RiverBottom.LoadDCImage(folder + "riverBottom.gif", *this);
    for (std::size_t n = 0; n < CarImages.size(); ++n) {
        CarImages[n].LoadDCImage(folder + "car" + std::to_string(n) + ".gif", *this);
    }
    LogImage.LoadDCImage(folder + "log.gif", *this);
    EndScroll.LoadDCImage(folder + "endScroll.gif", *this);
}

void LupidoForm::FreeModeGraphics()
{
    for (auto* images : {&RabbitImages, &LargeRabbits}) {
        for (SpriteClass& image : *images) {
            image.CleanUp();
        }
    }
    for (auto* images : {&RoadImages, &RiverImages}) {
        for (SpriteClass& image : *images) {
            image.CleanUp();
        }
    }
    for (SpriteClass& image : CarImages) {
        image.CleanUp();
    }
    for (SpriteClass* image :
         {&DrownAnimation, &RoadTop, &RoadBottom, &RiverTop, &RiverBottom, &LogImage, &EndScroll}) {
        image->CleanUp();
    }
}

// The rabbit and the map's elements only borrow pictures.
void LupidoForm::FreeGraphics()
{
    PanelPicture.CleanUp();
    BorderPicture.CleanUp();
    FreePanelButtons();
    for (SpriteClass& image : FlowerImages) {
        image.CleanUp();
    }
    BushImage.CleanUp();
    FreeModeGraphics();
}

void LupidoForm::OpenSounds()
{
    Music.OpenMedia("Music\\lupido.mid");
    MoveSound.OpenMedia("Sfx\\Lupido\\move.wav");
    RotateSound.OpenMedia("Sfx\\Lupido\\rotate.wav");
    HomeSound.OpenMedia("Sfx\\Lupido\\home.wav");
    InWaterSound.OpenMedia("Sfx\\Lupido\\inwater.wav");
    SplashSound.OpenMedia("Sfx\\Lupido\\splash.wav");
    HornSound.OpenMedia("Sfx\\Lupido\\horn.wav");
    HitByCarSound.OpenMedia("Sfx\\Lupido\\hitbycar.wav");
    FlyingSound.OpenMedia("Sfx\\Lupido\\flying.wav");
    LostGameSound.OpenMedia("Sfx\\Lupido\\lostGame.wav");
    ClickSound.OpenMedia("Sfx\\click.wav");
    SplashSound.SetWait(true);
}

void LupidoForm::CloseSounds()
{
    for (MMedia* sound : {&Music, &MoveSound, &RotateSound, &HomeSound, &InWaterSound, &SplashSound,
                          &HornSound, &HitByCarSound, &FlyingSound, &LostGameSound, &ClickSound}) {
        sound->CloseMedia();
    }
}

// The drowning frame and the scroll too, so that no pass counts the time of a dialog.
void LupidoForm::ResetTimers()
{
    Rabbit.Update(SpriteClass::RestartClock);
    for (SpriteClass& log : lc::MapLogs) {
        log.Update(SpriteClass::RestartClock);
    }
    for (SpriteClass& car : lc::MapCars) {
        car.Update(SpriteClass::RestartClock);
    }
    EndScroll.Update(SpriteClass::RestartClock);
    DrownFrameSince = GameUtil::GetTickMs();
}

// A key held when a dialog opened is released there: its lock on hops goes with it.
void LupidoForm::ClearHeldInput()
{
    MoveLocked = false;
}

platform::Form& LupidoForm::OptionsDialog()
{
    return Options;
}

void LupidoForm::ApplyOptions()
{
    LoadModeGraphics();
    InitLevel(true, true);
}

// ---- Input: hops and turns go through MoveRabbit, which acts only while playing

void LupidoForm::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (!HandleWindowKey(keyCode)) {
        switch (keyCode) {
        case platform::vbKeyF3:
            // The sequences of a lost life, home and game over run to their end.
            if (GameMode == Mode::Playing || GameMode == Mode::Paused) {
                ResetTimers();
                GameMode = GameMode == Mode::Playing ? Mode::Paused : Mode::Playing;
            }
            break;
        case platform::vbKeyLeft:
        case platform::vbKeyUp:
        case platform::vbKeyRight:
        case platform::vbKeyDown:
        case platform::vbKeySpace:
            MoveRabbit(keyCode);
            break;
        case platform::vbKeyReturn: {
            NextAutoTurn = GameUtil::GetTickMs() + AutoTurnInterval;
            const std::int16_t arrows[] = {platform::vbKeyUp, platform::vbKeyRight,
                                           platform::vbKeyDown, platform::vbKeyLeft};
            MoveRabbit(arrows[static_cast<std::size_t>(Facing)]);
            break;
        }
        case platform::vbKeyAdd:
        case platform::vbKeySubtract:
            if (GameMode == Mode::Playing) {
                Level = static_cast<std::int16_t>(Level + (keyCode == platform::vbKeyAdd ? 1 : -1));
                InitLevel(false, true);
            }
            break;
        default:
            break;
        }
    }
    // Enter during the stop hint has made its hop; then the game leaves.
    StopHintEnter(keyCode, GameMode == Mode::Playing);
}

void LupidoForm::Form_KeyUp(std::int16_t&, std::int16_t)
{
    MoveLocked = false;
}

void LupidoForm::Form_MouseDown(std::int16_t button, std::int16_t, float x, float y)
{
    if (PressPanelButton(x, y)) {
        return;
    }
    std::int16_t key = 0;
    if (button == platform::vbLeftButton) {
        MoveLocked = false;
        key = platform::vbKeyReturn;
    } else if (button == platform::vbRightButton) {
        key = platform::vbKeySpace;
    }
    if (key != 0) {
        Form_KeyDown(key, 0);
    }
}
