// The rules of Krevin: the pad serves the ball up and to the right and sends it back off its face,
// steeper near its middle and flatter towards its ends; the ball bounces off the walls and off the
// side of a brick it entered least deeply, and each brick falls to one hit for 10 points. A ball
// lost at the bottom costs a life; the last brick sends the pad away on its flame to the next
// level. In the order a pass runs: level set-up, the serve, one pass by state, the frame.
#include <cmath>
#include <cstdlib>

#include "common/Common.h"
#include "games/krevin/KrevinCommon.h"
#include "games/krevin/KrevinForm.h"
#include "games/shared/LevelBackground.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "toolkit/GameUtil.h"

namespace {

namespace kc = KrevinCommon;
using Mode = krevin::GameMode;
using krevin::Side;

constexpr std::int16_t StartLives = 3;
constexpr std::int32_t HitScore = 10;
constexpr double WallLeft = 20;
constexpr double WallRight = 780;
constexpr double WallTop = 20;
constexpr double FieldBottom = 480; // a ball whose top reaches it is lost
constexpr double PadAbovePanel = 5;
constexpr double WrapSpeedUp = 1.5;
constexpr double FlyAwayAcceleration = 125; // px/s per second, upwards
constexpr double FlownAway = -100;          // the pad's bottom above this ends the level
constexpr std::int32_t LevelWaitMs = 2000;  // after the fly-away and after a lost ball

const BackgroundChoices Backgrounds{"Gfx\\Krevin\\simpleBg", 3, true};

} // namespace

// ---- Level set-up

void KrevinForm::InitLevel(bool newGame, bool loadMap)
{
    if (newGame) {
        Lives = StartLives;
        Common::gScore = 0;
        Level = 1;
        CurrentBallSpeed = StartBallSpeed;
    }
    if (loadMap) {
        // Back at level 1, from a missing level or at the end of the levels, the ball runs faster;
        // CInt holds it at 32767.
        const LevelLoad load = LoadLevelMap("Krevin", Level, kc::LoadMap);
        if (load != LevelLoad::Loaded) {
            CurrentBallSpeed = platform::CInt(CurrentBallSpeed * WrapSpeedUp);
        }
        // Without level 1 the game leaves after this pass with no brick left behind.
        if (load == LevelLoad::Missing) {
            kc::ClearBricks();
        }
        RaiseCurtain(Curtain);
        LoadLevelBackground(*this, kc::MapBackground, BackgroundChoice, "Krevin", Backgrounds);
    }
    ResetPad();
    StartStopHint(newGame);
    GameMode = Mode::Waiting;
}

void KrevinForm::ResetPad()
{
    Pad.StopSprite();
    Pad.X = 400 - platform::IntDiv(Pad.width, 2);
    Pad.Y = FieldBottom - Pad.Height - PadAbovePanel;
    for (SpriteClass& ball : Balls) {
        ball.visible = false;
        ball.StopSprite();
    }
    // The ball's left edge rests on the pad's middle.
    SpriteClass& ball = Balls[0];
    ball.visible = true;
    ball.Y = Pad.Y - ball.Height;
    ball.X = Pad.X + platform::IntDiv(Pad.width, 2);
    GameMode = Mode::Waiting;
}

// The serve: as fast right as up, and nothing has moved while the ball waited.
void KrevinForm::StartGame()
{
    Pad.Update(SpriteClass::RestartClock);
    for (SpriteClass& ball : Balls) {
        ball.Update(SpriteClass::RestartClock);
    }
    Balls[0].xMov = CurrentBallSpeed;
    Balls[0].yMov = -CurrentBallSpeed;
    GameMode = Mode::Playing;
}

void KrevinForm::AddScore(std::int32_t points)
{
    Common::gScore += points;
}

// ---- One pass

void KrevinForm::UpdateGame(double aNow, double aLast)
{
    switch (GameMode) {
    case Mode::Waiting:
        // The joystick serves (keys and clicks do so in their handlers).
        if (AnyStickInput()) {
            StartGame();
        }
        break;
    case Mode::Playing:
        UpdatePlaying();
        break;
    case Mode::LevelCleared:
        FlyAway(GameUtil::TicksBetween(platform::CLng(aLast), platform::CLng(aNow)));
        break;
    case Mode::LifeLost:
        LoseBall();
        break;
    case Mode::GameOver:
        FallCurtain(Curtain, LostGameSound);
        break;
    case Mode::Paused:
        ResetTimers();
        break;
    }
    UpdateStopHint(GameMode == Mode::Waiting);
}

void KrevinForm::UpdatePlaying()
{
    MovePad();
    for (SpriteClass& ball : Balls) {
        ball.Update(SpriteClass::SincePrevious);
    }
    if (BallLost()) {
        return;
    }
    for (SpriteClass& ball : Balls) {
        if (ball.visible && ball.SpriteCollision(Pad)) {
            if (FxOn) {
                PadSound.PlayMedia();
            }
            BounceOffPad(ball);
        }
    }
    for (SpriteClass& ball : Balls) {
        if (ball.visible) {
            BounceOffWalls(ball);
        }
    }
    if (HitFirstBrick()) {
        return;
    }
    if (GameUtil::CountVisible(kc::MapBricks) == 0) {
        GameMode = Mode::LevelCleared;
    }
}

// Keys and buttons, then the joystick, each overriding what came before; the pad stays between
// the walls.
void KrevinForm::MovePad()
{
    Pad.StopSprite();
    if (LeftHeld) {
        Pad.xMov = -PadSpeed;
    }
    if (RightHeld) {
        Pad.xMov = PadSpeed;
    }
    if (Stick.IsLeft()) {
        Pad.xMov = -PadSpeed;
    }
    if (Stick.IsRight()) {
        Pad.xMov = PadSpeed;
    }
    if (FxOn && (LeftHeld || RightHeld) && MoveSound.Status() == "stopped") {
        MoveSound.PlayMedia();
    }
    Pad.Update(SpriteClass::SincePrevious);
    if (Pad.X <= WallLeft) {
        Pad.X = WallLeft + 1;
    }
    if (Pad.X + Pad.width > WallRight) {
        Pad.X = WallRight - Pad.width - 1;
    }
}

// A ball at the bottom is gone; with the last one gone a life is lost, and with the last life the
// game.
bool KrevinForm::BallLost()
{
    for (SpriteClass& ball : Balls) {
        if (!ball.visible || ball.Y < FieldBottom) {
            continue;
        }
        ball.visible = false;
        if (GameUtil::CountVisible(Balls) == 0) {
            --Lives;
            GameMode = Lives <= 0 ? Mode::GameOver : Mode::LifeLost;
            return true;
        }
    }
    return false;
}

// The ball leaves the pad as far sideways as its middle lies from the pad's middle: straight up at
// the middle, twice the ball speed at an end. Its upward speed keeps its size.
void KrevinForm::BounceOffPad(SpriteClass& ball)
{
    const std::int16_t c = platform::CInt(ball.X + platform::IntDiv(ball.width, 2));
    const std::int16_t p = platform::CInt(Pad.X + platform::IntDiv(Pad.width, 2));
    const std::int16_t half = static_cast<std::int16_t>(platform::IntDiv(Pad.width, 2));
    // A pad without a picture has no half to measure by: the ball goes straight up.
    const double f = half == 0 ? 0 : static_cast<double>(std::abs(c - p)) / half * 2;
    ball.xMov = c > p ? CurrentBallSpeed * f : -CurrentBallSpeed * f;
    if (ball.yMov > 0) {
        ball.yMov = -ball.yMov;
    }
}

void KrevinForm::BounceOffWalls(SpriteClass& ball)
{
    const auto bounce = [this] {
        if (FxOn) {
            WallSound.PlayMedia();
        }
    };
    if (ball.X <= WallLeft) {
        ball.xMov = -ball.xMov;
        ball.X = WallLeft + 1;
        bounce();
    }
    if (ball.X + ball.width >= WallRight) {
        ball.xMov = -ball.xMov;
        ball.X = WallRight - ball.width - 1;
        bounce();
    }
    if (ball.Y <= WallTop) {
        ball.yMov = -ball.yMov;
        ball.Y = WallTop + 1;
        bounce();
    }
}

// The first visible brick a ball overlaps, in map order, is hit; one brick a pass, so a ball over
// two bricks meets the second in the next pass.
bool KrevinForm::HitFirstBrick()
{
    for (SpriteClass& ball : Balls) {
        if (!ball.visible) {
            continue;
        }
        for (SpriteClass& brick : kc::MapBricks) {
            if (brick.visible && ball.SpriteCollision(brick)) {
                if (FxOn) {
                    BrickSound.PlayMedia();
                }
                HitBrick(ball, brick);
                AddScore(HitScore);
                return true;
            }
        }
    }
    return false;
}

// The brick falls; the ball bounces off the side it passed least deeply (a tie bounces it
// vertically). A ball standing still bounces nowhere.
void KrevinForm::HitBrick(SpriteClass& ball, SpriteClass& brick)
{
    brick.visible = false;
    if (ball.xMov == 0 && ball.yMov == 0) {
        return;
    }
    if (ball.xMov == 0) {
        BounceOffBrick(ball.yMov > 0 ? Side::Top : Side::Bottom, ball, brick);
        return;
    }
    if (ball.yMov == 0) {
        BounceOffBrick(ball.xMov > 0 ? Side::Left : Side::Right, ball, brick);
        return;
    }
    const bool right = ball.xMov > 0;
    const bool down = ball.yMov > 0;
    const std::int16_t dx = right ? platform::CInt(std::abs(ball.Right() - brick.Left()))
                                  : platform::CInt(std::abs(ball.Left() - brick.Right()));
    const std::int16_t dy = down ? static_cast<std::int16_t>(std::abs(ball.Bottom() - brick.Top()))
                                 : static_cast<std::int16_t>(std::abs(ball.Top() - brick.Bottom()));
    if (dx < dy) {
        BounceOffBrick(right ? Side::Left : Side::Right, ball, brick);
    } else {
        BounceOffBrick(down ? Side::Top : Side::Bottom, ball, brick);
    }
}

// The ball turns back and is put one pixel clear of the side it hit.
void KrevinForm::BounceOffBrick(Side side, SpriteClass& ball, const SpriteClass& brick)
{
    switch (side) {
    case Side::Top:
        ball.yMov = -ball.yMov;
        ball.Y = brick.Y - ball.Height - 1;
        break;
    case Side::Bottom:
        ball.yMov = -ball.yMov;
        ball.Y = brick.Y + brick.Height + 1;
        break;
    case Side::Left:
        ball.xMov = -ball.xMov;
        ball.X = brick.X - ball.width - 1;
        break;
    case Side::Right:
        ball.xMov = -ball.xMov;
        ball.X = brick.X + brick.width + 1;
        break;
    }
}

// The pad rises ever faster from rest on its flickering flame; once it is well out of the field the
// game holds two seconds and the next level starts.
void KrevinForm::FlyAway(double passMs)
{
    if (FxOn && FlyAwaySound.Status() == "stopped") {
        FlyAwaySound.PlayMedia();
    }
    Pad.xMov = 0;
    Pad.yMov -= passMs / 1000 * FlyAwayAcceleration;
    Pad.Update(SpriteClass::SincePrevious);
    Flame.Y = Common::gMode == "easy" ? Pad.Bottom() - 2 : Pad.Bottom();
    Flame.X = Pad.MiddleX() - platform::IntDiv(Flame.width, 2);
    Flame.Update(SpriteClass::SincePrevious);
    if (Pad.Bottom() < FlownAway) {
        platform::Sleep(LevelWaitMs);
        ++Level;
        Pad.yMov = 0;
        InitLevel(false, true);
        ResetTimers();
        RestartTimeBase();
    }
}

// All in one pass: the lost-ball sound to its end, two seconds, then the level again with the
// bricks as they are.
void KrevinForm::LoseBall()
{
    if (FxOn) {
        LostBallSound.PlayMedia();
    }
    platform::Sleep(LevelWaitMs);
    InitLevel(false, false);
    ResetTimers();
    RestartTimeBase();
}

// ---- The frame

void KrevinForm::DrawFrame()
{
    DrawLevelBackground(*this, kc::MapBackground);
    Pad.DrawTransp(*this);
    if (GameMode == Mode::LevelCleared) {
        Flame.DrawTransp(*this);
    } else {
        for (const SpriteClass& ball : Balls) {
            ball.DrawTransp(*this);
        }
    }
    for (const SpriteClass& brick : kc::MapBricks) {
        brick.Draw(*this);
    }
    Curtain.Draw(*this);
    SideBorder.DrawAt(*this, 0, 0);
    SideBorder.DrawAt(*this, 800 - SideBorder.width, 0);
    // The pad leaves through the top of the field.
    if (GameMode != Mode::LevelCleared) {
        TopBorder.DrawAt(*this, 0, 0);
    }
    Panel.Draw(*this);
    Border.Draw(*this);
    GameUtil::DrawPanel(*this, Level, Common::gScore, Lives, Pad);
    DrawPanelButtons();
}
