// The rules of Lupido: the rabbit hops from the bottom of the field over roads with cars and
// rivers with logs to the top. A car's hit sends it spinning off the screen, a river without a log
// under it drowns it, and the top scores 10 and starts the next level. In the order a pass runs:
// level set-up, one pass by state, the rabbit's moves, the frame.
#include <algorithm>

#include "common/Common.h"
#include "games/lupido/LupidoCommon.h"
#include "games/lupido/LupidoForm.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "toolkit/GameUtil.h"

namespace {

namespace lc = LupidoCommon;
using Mode = lupido::GameMode;

constexpr std::int16_t StartLives = 3;
constexpr std::int32_t HomeScore = 10;
constexpr std::int32_t LevelSpeedStep = 5; // px/s more on each level
constexpr std::int32_t MoveLockMs = 1000;
constexpr std::int32_t HomeMs = 6500;
constexpr std::int32_t ToggleMs = 600;
constexpr std::int32_t SpinMs = 200;
constexpr std::int32_t DrownFrameMs = 350;
constexpr std::int16_t DrownGroup = 7; // frames per direction; the last passes at once
constexpr std::int16_t DrownFrames = 28;
constexpr double FlightSpeed = 200; // px/s sideways
constexpr double FlightDrift = 50;  // px/s up or down
constexpr double FlownOffLeft = 20; // the rabbit's right edge below this has left the screen
constexpr double FlownOffRight = 820;
constexpr double FieldWidth = 800;
constexpr double FieldBottom = 480;
constexpr std::int32_t ScrollHoldMs = 2000;

bool Past(std::int32_t deadline)
{
    return GameUtil::TicksBetween(deadline, GameUtil::GetTickMs()) > 0;
}

// Cars and logs leave one side and come back at the other.
void MoveAndWrap(SpriteClass& mover)
{
    mover.Update(SpriteClass::SincePrevious);
    if (mover.xMov > 0 && mover.X > FieldWidth) {
        mover.X = -mover.width - 1;
    } else if (mover.xMov <= 0 && mover.X + mover.width < 0) {
        mover.X = FieldWidth + 1;
    }
}

} // namespace

// ---- Level set-up

void LupidoForm::InitLevel(bool newGame, bool loadMap)
{
    if (newGame) {
        Lives = StartLives;
        Common::gScore = 0;
        Level = 1;
    }
    // From the level asked for, also when its map falls back to level 1; kept to 1..32767 so that
    // any stored speed moves the traffic forwards.
    const std::int32_t speed = (std::int32_t{Level} - 1) * LevelSpeedStep + CarSpeed;
    LevelSpeed = static_cast<std::int16_t>(std::clamp<std::int32_t>(speed, 1, 32767));

    // A sequence broken off by a new game or level must not carry over.
    HomeStarted = false;
    DrownStarted = false;
    Flying = false;

    Rabbit.X = Rabbit.width * (Common::gMode == "normal" ? 9 : 6);
    Rabbit.visible = true;
    Rabbit.StopSprite();
    Rabbit.Y = FieldBottom - Rabbit.Height;
    Facing = lupido::FacingUp;
    ShowRabbit(Facing);
    Rabbit.colorKey = RabbitImages[0].colorKey;

    LargeRabbits[0].visible = true;
    LargeRabbits[1].visible = true;
    LargeRabbits[2].visible = false;
    LargeRabbits[3].visible = false;
    DrownAnimation.visible = false;
    RaiseCurtain(EndScroll);

    if (loadMap) {
        // Without level 1 the game leaves after this pass, on an empty field.
        if (LoadLevelMap("Lupido", Level, lc::LoadMap) == LevelLoad::Missing) {
            lc::ClearMap();
        }
        SetupRoadsAndCars();
        SetupRiversAndLogs();
        SetupFlowersAndBushes();
    }
    NextAutoTurn = GameUtil::GetTickMs() + AutoTurnInterval;
    StartStopHint(newGame);
    GameMode = Mode::Playing;
}

void LupidoForm::SetupRoadsAndCars()
{
    // LoadMap keeps only lane ids that name a picture.
    for (SpriteClass& road : lc::MapRoads) {
        road.SetSpriteDC(RoadImages[static_cast<std::size_t>(road.id)]);
    }
    for (SpriteClass& car : lc::MapCars) {
        car.SetSpriteDC(CarImages[car.id == 0 ? 0 : 1]);
        car.xMov = (car.id == 0 ? LevelSpeed : -LevelSpeed) * car.xMov;
    }
}

void LupidoForm::SetupRiversAndLogs()
{
    for (SpriteClass& river : lc::MapRivers) {
        river.SetSpriteDC(RiverImages[static_cast<std::size_t>(river.id)]);
    }
    for (SpriteClass& log : lc::MapLogs) {
        log.SetSpriteDC(LogImage);
        log.xMov = (log.id == 0 ? LevelSpeed : -LevelSpeed) * log.xMov;
    }
}

void LupidoForm::SetupFlowersAndBushes()
{
    for (SpriteClass& flower : lc::MapFlowers) {
        flower.SetSpriteDC(FlowerImages[static_cast<std::size_t>(GameUtil::RandomInt(0, 5))]);
    }
    for (SpriteClass& bush : lc::MapBushes) {
        bush.SetSpriteDC(BushImage);
    }
}

void LupidoForm::ResetTrafficClocks()
{
    for (SpriteClass& car : lc::MapCars) {
        car.Update(SpriteClass::RestartClock);
    }
    for (SpriteClass& log : lc::MapLogs) {
        log.Update(SpriteClass::RestartClock);
    }
}

void LupidoForm::ShowRabbit(std::int16_t direction)
{
    Rabbit.SetDC(RabbitImages[static_cast<std::size_t>(direction)].GetDC(-1));
}

// ---- One pass

void LupidoForm::UpdateGame(double, double)
{
    switch (GameMode) {
    case Mode::Playing:
        UpdatePlaying();
        break;
    case Mode::HomeReached:
        UpdateHomeReached();
        break;
    case Mode::Drowning:
        UpdateDrowning();
        break;
    case Mode::HitByCar:
        UpdateHitByCar();
        break;
    case Mode::GameOver:
        FallCurtain(EndScroll, LostGameSound, ScrollHoldMs);
        break;
    case Mode::NotStarted:
    case Mode::Paused:
        break;
    }
    UpdateStopHint(GameMode == Mode::Playing);
}

void LupidoForm::UpdatePlaying()
{
    if (Stick.IsLeft()) {
        MoveRabbit(platform::vbKeyLeft);
    }
    if (Stick.IsRight()) {
        MoveRabbit(platform::vbKeyRight);
    }
    if (Stick.IsUp()) {
        MoveRabbit(platform::vbKeyUp);
    }
    if (Stick.IsDown()) {
        MoveRabbit(platform::vbKeyDown);
    }
    // The log that carried the rabbit in the pass before moves it on.
    Rabbit.Update(SpriteClass::SincePrevious);
    Rabbit.xMov = 0;
    if (Rabbit.Y <= LargeRabbits[0].Top()) {
        GameMode = Mode::HomeReached;
        return;
    }
    if (Rabbit.X <= 0) {
        Rabbit.X = 0;
    }
    if (Rabbit.Right() >= FieldWidth) {
        Rabbit.X = FieldWidth - Rabbit.width;
    }
    if (Common::gOneButton && Past(NextAutoTurn)) {
        NextAutoTurn = GameUtil::GetTickMs() + AutoTurnInterval;
        MoveRabbit(platform::vbKeySpace);
        // A turn by itself never holds back the player's hop.
        MoveLocked = false;
    }
    for (SpriteClass& car : lc::MapCars) {
        if (!car.visible) {
            continue;
        }
        MoveAndWrap(car);
        if (car.PixelCollision(Rabbit)) {
            GameMode = Mode::HitByCar;
            return;
        }
    }
    for (SpriteClass& log : lc::MapLogs) {
        if (log.visible) {
            MoveAndWrap(log);
        }
    }
    for (const SpriteClass& river : lc::MapRivers) {
        if (!river.visible || !Rabbit.SpriteCollision(river)) {
            continue;
        }
        // Only a log that is part of the map carries the rabbit; a later one wins.
        bool drowning = true;
        for (const SpriteClass& log : lc::MapLogs) {
            if (log.visible && Rabbit.PixelCollision(log)) {
                drowning = false;
                Rabbit.xMov = log.xMov;
            }
        }
        if (drowning) {
            GameMode = Mode::Drowning;
            return;
        }
    }
}

// Ten points once, then the parents take turns dancing while the rabbit turns to each.
void LupidoForm::UpdateHomeReached()
{
    const bool starting = !HomeStarted;
    if (starting) {
        HomeStarted = true;
        Common::gScore += HomeScore;
        Rabbit.X = FieldWidth / 2 - platform::IntDiv(Rabbit.width, 2);
        Rabbit.Y = Common::gMode == "easy" ? 60 : 0;
        HomeUntil = GameUtil::GetTickMs() + HomeMs;
        MoveSound.StopMedia();
        if (FxOn) {
            HomeSound.PlayMedia();
        }
    }
    if (starting || Past(NextToggle)) {
        for (SpriteClass& large : LargeRabbits) {
            large.visible = !large.visible;
        }
        ShowRabbit(LargeRabbits[1].visible ? lupido::FacingRight : lupido::FacingLeft);
        NextToggle = GameUtil::GetTickMs() + ToggleMs;
    }
    if (Past(HomeUntil)) {
        HomeSound.StopMedia();
        HomeStarted = false;
        ++Level;
        InitLevel(false, true);
    }
}

// The splash holds the game; then the rabbit goes under in the seven frames of its direction,
// stepped here by their times whatever pictures were loaded.
void LupidoForm::UpdateDrowning()
{
    if (!DrownStarted) {
        Rabbit.visible = false;
        if (FxOn) {
            SplashSound.PlayMedia();
            InWaterSound.PlayMedia();
        }
        RestartTimeBase();
        DrownAnimation.X = Rabbit.X;
        DrownAnimation.Y = Rabbit.Y;
        const std::int16_t firstFrames[] = {7, 0, 14, 21}; // up, right, down, left
        const std::int16_t first = firstFrames[static_cast<std::size_t>(Facing)];
        DrownAnimation.frame = first;
        DrownEndFrame = static_cast<std::int16_t>((first + DrownGroup) % DrownFrames);
        DrownFrameSince = GameUtil::GetTickMs();
        DrownStarted = true;
        DrownAnimation.visible = true;
    }
    const std::int32_t frameMs =
        DrownAnimation.frame % DrownGroup == DrownGroup - 1 ? 0 : DrownFrameMs;
    if (GameUtil::TicksBetween(DrownFrameSince, GameUtil::GetTickMs()) > frameMs) {
        DrownAnimation.frame = (DrownAnimation.frame + 1) % DrownFrames;
        DrownFrameSince = GameUtil::GetTickMs();
    }
    if (DrownAnimation.frame == DrownEndFrame) {
        ResetTrafficClocks();
        DrownStarted = false;
        DrownAnimation.visible = false;
        LoseLife();
    }
}

// The rabbit flies off sideways away from the car, drifting up or down and spinning.
void LupidoForm::UpdateHitByCar()
{
    if (!Flying) {
        Rabbit.xMov = FlightSpeed;
        for (const SpriteClass& car : lc::MapCars) {
            if (car.SpriteCollision(Rabbit) && car.xMov < 0) {
                Rabbit.xMov = -FlightSpeed;
            }
        }
        Rabbit.yMov = GameUtil::RandomInt(0, 1) == 0 ? FlightDrift : -FlightDrift;
        SpinStep = 0;
        // The first spin comes on the next pass.
        NextSpin = GameUtil::GetTickMs();
        Flying = true;
        if (FxOn) {
            HornSound.PlayMedia();
            HitByCarSound.PlayMedia();
        }
        return;
    }
    if (Past(NextSpin)) {
        SpinStep = static_cast<std::int16_t>((SpinStep + 1) % 4);
        ShowRabbit(SpinStep);
        NextSpin = GameUtil::GetTickMs() + SpinMs;
        if (SpinStep == 3 && FxOn) {
            FlyingSound.PlayMedia();
        }
    }
    Rabbit.Update(SpriteClass::SincePrevious);
    if (Rabbit.Left() > FlownOffRight || Rabbit.Right() < FlownOffLeft) {
        Flying = false;
        // Only the cars wait for the flight: the logs drift on through it.
        for (SpriteClass& car : lc::MapCars) {
            car.Update(SpriteClass::RestartClock);
        }
        LoseLife();
    }
}

void LupidoForm::LoseLife()
{
    --Lives;
    if (Lives <= 0) {
        GameMode = Mode::GameOver;
    } else {
        InitLevel(false, false);
    }
}

// ---- The rabbit's moves

void LupidoForm::MoveRabbit(std::int16_t key)
{
    if (GameMode != Mode::Playing || (MoveLocked && !Past(MoveLockUntil))) {
        return;
    }
    bool hop = true;
    switch (key) {
    case platform::vbKeyLeft:
        Rabbit.X -= Rabbit.width;
        Facing = lupido::FacingLeft;
        break;
    case platform::vbKeyUp:
        hop = Rabbit.Y > 0;
        if (hop) {
            Rabbit.Y -= Rabbit.Height;
            Facing = lupido::FacingUp;
        }
        break;
    case platform::vbKeyRight:
        Rabbit.X += Rabbit.width;
        Facing = lupido::FacingRight;
        break;
    case platform::vbKeyDown:
        hop = Rabbit.Y + Rabbit.Height < FieldBottom;
        if (hop) {
            Rabbit.Y += Rabbit.Height;
            Facing = lupido::FacingDown;
        }
        break;
    case platform::vbKeySpace:
        hop = false;
        Facing = static_cast<std::int16_t>((Facing + 1) % 4);
        ShowRabbit(Facing);
        if (FxOn) {
            RotateSound.PlayMedia();
        }
        break;
    default:
        return;
    }
    if (hop) {
        ShowRabbit(Facing);
        if (FxOn) {
            MoveSound.PlayMedia();
        }
    }
    // A hop, a turn or a refused hop: the next input waits a second.
    MoveLocked = true;
    MoveLockUntil = GameUtil::GetTickMs() + MoveLockMs;
}

// ---- The frame

void LupidoForm::DrawFrame()
{
    Cls();
    for (const SpriteClass& road : lc::MapRoads) {
        if (!road.visible) {
            continue;
        }
        RoadTop.Y = road.Y - RoadTop.Height;
        RoadTop.Draw(*this);
        road.Draw(*this);
        RoadBottom.Y = road.Y + road.Height;
        RoadBottom.Draw(*this);
    }
    for (const SpriteClass& river : lc::MapRivers) {
        if (!river.visible) {
            continue;
        }
        RiverTop.Y = river.Y - RiverTop.Height;
        RiverTop.Draw(*this);
        river.Draw(*this);
        RiverBottom.Y = river.Y + river.Height;
        RiverBottom.Draw(*this);
    }
    for (const auto* movers : {&lc::MapLogs, &lc::MapCars, &lc::MapBushes, &lc::MapFlowers}) {
        for (const SpriteClass& sprite : *movers) {
            sprite.DrawTransp(*this);
        }
    }
    for (const SpriteClass& large : LargeRabbits) {
        large.DrawTransp(*this);
    }
    Rabbit.DrawTransp(*this);
    DrownAnimation.DrawTransp(*this);
    EndScroll.Draw(*this);
    PanelPicture.Draw(*this);
    BorderPicture.Draw(*this);
    GameUtil::DrawPanel(*this, Level, Common::gScore, Lives, RabbitImages[0]);
    DrawPanelButtons();
}
