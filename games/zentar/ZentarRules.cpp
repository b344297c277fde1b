// The rules of Zentar: the ship moves along the bottom and shoots up at aliens that each march
// across and down on their own; a hit scores 10, an alien that touches the ship or passes the
// bottom costs a life, and the last alien clears the level. In the order a pass runs: level set-up,
// one pass by state, the frame.
#include <algorithm>

#include "common/Common.h"
#include "games/shared/LevelBackground.h"
#include "games/zentar/ZentarCommon.h"
#include "games/zentar/ZentarForm.h"
#include "platform/Numbers.h"
#include "toolkit/GameUtil.h"

namespace {

namespace zc = ZentarCommon;
using Mode = zentar::GameMode;
using Phase = zentar::MarchPhase;

constexpr std::int16_t StartLives = 3;
constexpr std::int32_t HitScore = 10;
constexpr std::int32_t HitExplosionMs = 250;
constexpr double FieldWidth = 800;
constexpr double FieldBottom = 480; // an alien whose top passes it has landed
constexpr double FlyOutSpeed = 50;  // px/s of the ship leaving a cleared level
constexpr double FlownOut = 850;    // the ship's left beyond this ends the fly-out
constexpr double ShipExplosionAbove = 20;
constexpr std::int16_t FlowerRiseMin = 100; // px/s
constexpr std::int16_t FlowerRiseMax = 300;
constexpr std::int16_t FlowerDrift = 50; // px/s either way

Phase PhaseOf(const SpriteClass& alien)
{
    return static_cast<Phase>(alien.id);
}

void SetPhase(SpriteClass& alien, Phase phase)
{
    alien.id = static_cast<std::int32_t>(phase);
}

} // namespace

// ---- Level set-up

void ZentarForm::InitLevel(bool newGame, bool loadMap)
{
    if (newGame) {
        Lives = StartLives;
        Common::gScore = 0;
        Level = 1;
        MarchSpeed = AliensSpeed;
    }
    if (loadMap) {
        // A level without a map goes back to level 1; without level 1 the game leaves after this
        // pass. The aliens march at the set speed on every level: the maps make the difficulty.
        if (LoadLevelMap("Zentar", Level, zc::LoadMap) == LevelLoad::WrappedToFirst) {
            MarchSpeed = AliensSpeed;
        }
        PrepareLevelGraphics();
        AlienStarts.assign(zc::MapAliens.size(), SpriteClass{});
        for (std::size_t i = 0; i < AlienStarts.size(); ++i) {
            AlienStarts[i].X = zc::MapAliens[i].X;
            AlienStarts[i].Y = zc::MapAliens[i].Y;
        }
    }
    // Every cleared level plays its jingle.
    WonPlayed = false;
    for (SpriteClass& shot : Shots) {
        shot.visible = false;
    }
    Ship.visible = true;
    Ship.X = FieldWidth / 2 - platform::IntDiv(Ship.width, 2);
    ShipExplosion.visible = false;
    for (SpriteClass& flower : Flowers) {
        flower.StopSprite();
        flower.visible = false;
    }
    RaiseCurtain(Curtain);
    // After a lost life only the aliens still alive come back: visibility is left as it is.
    const std::size_t aliens = std::min(zc::MapAliens.size(), AlienStarts.size());
    for (std::size_t i = 0; i < aliens; ++i) {
        SpriteClass& alien = zc::MapAliens[i];
        alien.StopSprite();
        alien.X = AlienStarts[i].X;
        alien.Y = AlienStarts[i].Y;
        SetPhase(alien, Phase::Right);
        alien.xMov = MarchSpeed;
    }
    StartStopHint(newGame);
    GameMode = Mode::Waiting;
}

void ZentarForm::StartGame()
{
    Ship.Update(SpriteClass::RestartClock);
    for (SpriteClass& alien : zc::MapAliens) {
        alien.Update(SpriteClass::RestartClock);
    }
    GameMode = Mode::Playing;
}

void ZentarForm::UpdateScore(std::int32_t points)
{
    Common::gScore += points;
}

// ---- One pass

void ZentarForm::UpdateGame(double, double)
{
    switch (GameMode) {
    case Mode::Waiting:
        UpdateWaiting();
        break;
    case Mode::Playing:
        UpdatePlaying();
        break;
    case Mode::LevelCleared:
        FlyOutShip();
        break;
    case Mode::LifeLost:
        ExplodeShip();
        break;
    case Mode::GameOver:
        ShowGameOver();
        break;
    case Mode::Paused:
        break;
    }
    UpdateStopHint(GameMode == Mode::Waiting);
}

// Nothing moves; a joystick direction or button starts play (keys and clicks do so in their
// handlers).
void ZentarForm::UpdateWaiting()
{
    if (AnyStickInput()) {
        StartGame();
    }
}

void ZentarForm::UpdatePlaying()
{
    SteerShip();
    Ship.Update(SpriteClass::SincePrevious);
    MoveShots();
    MarchAliens();
    if (GameUtil::CountVisible(zc::MapAliens) == 0) {
        GameMode = Mode::LevelCleared;
    }
}

// A later input overrides an earlier one: arrows, then automatic motion, then the joystick. At a
// side the ship stops for this pass and automatic motion turns back.
void ZentarForm::SteerShip()
{
    Ship.StopSprite();
    if (LeftHeld) {
        Ship.xMov = -ShipSpeed;
    }
    if (RightHeld) {
        Ship.xMov = ShipSpeed;
    }
    if (AutoMove) {
        Ship.xMov = AutoLeft ? -ShipSpeed : ShipSpeed;
    }
    if (Stick.IsLeft()) {
        Ship.xMov = -ShipSpeed;
    }
    if (Stick.IsRight()) {
        Ship.xMov = ShipSpeed;
    }
    if (Stick.IsButtonDown() != -1) {
        FireShot();
    }

    // Only the arrows and the right mouse button make the move sound.
    if (FxOn) {
        if (LeftHeld || RightHeld) {
            if (ShipMoveSound.Status() == "stopped") {
                ShipMoveSound.PlayMedia();
            }
        } else {
            ShipMoveSound.StopMedia();
        }
    }

    const bool atLeft = Ship.Left() <= 0;
    const bool atRight = Ship.Right() > FieldWidth;
    if (atLeft) {
        Ship.X = 1;
    }
    if (atRight) {
        Ship.X = FieldWidth - Ship.width - 1;
    }
    if (atLeft || atRight) {
        LeftHeld = false;
        RightHeld = false;
        AutoLeft = !AutoLeft;
        Ship.StopSprite();
    }
}

// A shot takes every alien it overlaps in this pass, also after it was hidden by the first.
void ZentarForm::MoveShots()
{
    for (SpriteClass& shot : Shots) {
        if (!shot.visible) {
            continue;
        }
        shot.Update(SpriteClass::SincePrevious);
        if (shot.Y + shot.Height <= 0) {
            shot.visible = false;
            shot.StopSprite();
        }
        for (SpriteClass& alien : zc::MapAliens) {
            if (!alien.visible || !shot.PixelCollision(alien)) {
                continue;
            }
            if (FxOn) {
                EnemyHitSound.PlayMedia();
            }
            alien.visible = false;
            UpdateScore(HitScore);
            shot.visible = false;
            for (SpriteClass& explosion : HitExplosions) {
                explosion.visible = false;
                explosion.X = alien.X;
                explosion.Y = alien.Y;
            }
            HitExplosions[static_cast<std::size_t>(GameUtil::RandomInt(0, 2))].visible = true;
            HitExplosionUntil = GameUtil::GetTickMs() + HitExplosionMs;
        }
    }
}

// Each alien turns by itself at a side: down by its own height, then the other way. A hidden alien
// moves on unseen and neither turns nor lands.
void ZentarForm::MarchAliens()
{
    for (SpriteClass& alien : zc::MapAliens) {
        alien.Update(SpriteClass::SincePrevious);
        if (!alien.visible) {
            continue;
        }
        switch (PhaseOf(alien)) {
        case Phase::Right:
            if (alien.Right() >= FieldWidth) {
                alien.StopSprite();
                alien.X = FieldWidth - alien.width;
                alien.yMov = MarchSpeed;
                alien.mYdest = alien.Y + alien.Height;
                SetPhase(alien, Phase::DownAfterRight);
            }
            break;
        case Phase::DownAfterRight:
            if (alien.Y >= alien.mYdest) {
                alien.StopSprite();
                alien.Y = alien.mYdest;
                alien.xMov = -MarchSpeed;
                SetPhase(alien, Phase::Left);
            }
            break;
        case Phase::Left:
            if (alien.Left() <= 0) {
                alien.StopSprite();
                alien.X = 0;
                alien.yMov = MarchSpeed;
                alien.mYdest = alien.Y + alien.Height;
                SetPhase(alien, Phase::DownAfterLeft);
            }
            break;
        case Phase::DownAfterLeft:
            if (alien.Y >= alien.mYdest) {
                alien.StopSprite();
                alien.Y = alien.mYdest;
                alien.xMov = MarchSpeed;
                SetPhase(alien, Phase::Right);
            }
            break;
        }
        if (Ship.PixelCollision(alien) || alien.Top() > FieldBottom) {
            GameMode = Mode::LifeLost;
        }
    }
}

void ZentarForm::FireShot()
{
    SpriteClass* const free =
        GameMode == Mode::Playing ? TakeShot(Shots, LastShotTime, FireSounds) : nullptr;
    if (free == nullptr) {
        return;
    }
    SpriteClass& shot = *free;
    shot.Reset();
    shot.X = Ship.X + platform::IntDiv(Ship.width, 2) - platform::IntDiv(shot.width, 2);
    shot.Y = Ship.Y - shot.Height;
    shot.yMov = -ShotSpeed;
    shot.visible = true;
    LastShotTime = GameUtil::GetTickMs();
}

// The ship flies out to the right under six firework flowers, each launched again from the ship
// once it has left the field.
void ZentarForm::FlyOutShip()
{
    if (FxOn && !WonPlayed) {
        WonPlayed = true;
        WonSound.PlayMedia();
    }
    for (SpriteClass& shot : Shots) {
        shot.visible = false;
    }
    Ship.xMov = FlyOutSpeed;
    Ship.Update(SpriteClass::SincePrevious);
    for (SpriteClass& flower : Flowers) {
        if (!flower.visible) {
            flower.X = Ship.MiddleX() - platform::IntDiv(flower.width, 2);
            flower.Y = Ship.Y - flower.Height;
            flower.yMov = -GameUtil::RandomInt(FlowerRiseMin, FlowerRiseMax);
            flower.xMov = GameUtil::RandomInt(-FlowerDrift, FlowerDrift);
            flower.visible = true;
            // Its flight starts now, not when it last flew.
            flower.Update(SpriteClass::RestartClock);
        }
        if (flower.Y < 0 || flower.X < 0 || flower.Left() > FieldWidth) {
            flower.visible = false;
        }
        flower.Update(SpriteClass::SincePrevious);
    }
    if (Ship.Left() > FlownOut) {
        WonPlayed = false;
        ++Level;
        InitLevel(false, true);
    }
}

// All in one pass: the explosion drawn, both sounds to their end, then a life less.
void ZentarForm::ExplodeShip()
{
    ShipExplosion.visible = true;
    ShipExplosion.X = Ship.X;
    ShipExplosion.Y = Ship.Y - ShipExplosionAbove;
    DrawFrame();
    Refresh();
    if (FxOn) {
        ShipExplodeSound.PlayMedia();
        LostLifeSound.PlayMedia();
    }
    --Lives;
    if (Lives <= 0) {
        GameMode = Mode::GameOver;
    } else {
        InitLevel(false, false);
    }
    // The sounds held the game still: that time passes for nothing, the curtain's fall included.
    ResetTimers();
    RestartTimeBase();
}

// The curtain falls; once down the game stands still for five seconds, hands a qualifying score to
// the high-score window and starts anew.
void ZentarForm::ShowGameOver()
{
    FallCurtain(Curtain, LostGameSound);
}

// ---- The frame

void ZentarForm::DrawFrame()
{
    DrawLevelBackground(*this, zc::MapBackground);
    if (GameMode != Mode::LifeLost && GameMode != Mode::GameOver) {
        Ship.DrawTransp(*this);
    }
    for (const SpriteClass& shot : Shots) {
        shot.DrawTransp(*this);
    }
    for (const SpriteClass& alien : zc::MapAliens) {
        alien.DrawTransp(*this);
    }
    ShipExplosion.DrawTransp(*this);
    Curtain.Draw(*this);
    Panel.Draw(*this);
    Border.Draw(*this);
    GameUtil::DrawPanel(*this, Level, Common::gScore, Lives, Ship);
    if (GameUtil::TicksBetween(platform::CLng(NowTime), HitExplosionUntil) > 0) {
        for (const SpriteClass& explosion : HitExplosions) {
            explosion.DrawTransp(*this);
        }
    }
    for (const SpriteClass& flower : Flowers) {
        flower.DrawTransp(*this);
    }
    DrawPanelButtons();
}

// Paused, once the explosions of the last hit have had their time.
bool ZentarForm::StandsStill() const
{
    return GameMode == Mode::Paused &&
           GameUtil::TicksBetween(platform::CLng(NowTime), HitExplosionUntil) <= 0;
}
