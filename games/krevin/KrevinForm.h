// KrevinForm: the window of the brick-and-paddle game Krevin. The window half (KrevinForm.cpp)
// loads settings, pictures and sounds and turns input into fields; the rules half
// (KrevinRules.cpp) sets up levels, runs one pass of the game and draws the frame.
#pragma once

#include <array>
#include <cstdint>

#include "games/krevin/KrevinOptions.h"
#include "games/shared/GameWindow.h"
#include "toolkit/MMedia.h"
#include "toolkit/SpriteClass.h"

namespace krevin {

enum class GameMode : std::int16_t {
    Waiting = 0,
    Playing = 1,
    LevelCleared = 2, // the pad flies away on its flame
    LifeLost = 3,     // the ball fell out at the bottom
    GameOver = 4,     // the curtain falls
    Paused = 5,
};

// The side of a brick a ball bounces off.
enum class Side : std::int16_t { Top, Bottom, Left, Right };

} // namespace krevin

class KrevinForm : public GameWindow {
public:
    KrevinForm();

    // Window (KrevinForm.cpp).
    void ReadSettings() override;
    void LoadGraphics();
    void FreeGraphics() override;
    void OpenSounds();
    void CloseSounds() override;
    void ResetTimers() override;

    // Rules (KrevinRules.cpp).
    void InitLevel(bool newGame, bool loadMap);
    void ResetPad();
    void StartGame();
    void UpdateGame(double aNow, double aLast) override;
    void BounceOffPad(SpriteClass& ball);
    void HitBrick(SpriteClass& ball, SpriteClass& brick);
    void BounceOffBrick(krevin::Side side, SpriteClass& ball, const SpriteClass& brick);
    void AddScore(std::int32_t points);
    void DrawFrame() override;
    bool StandsStill() const override { return GameMode == ::krevin::GameMode::Paused; }

    // The window's fields. Public, so that tests and the frame benchmark can set up and read a
    // game.
    SpriteClass Panel;
    SpriteClass Border;
    SpriteClass TopBorder;
    SpriteClass SideBorder;
    SpriteClass Pad;                  // also the life icon of the panel
    std::array<SpriteClass, 6> Balls; // play uses ball 0 only
    SpriteClass Flame;
    SpriteClass Curtain;

    MMedia PadSound;
    MMedia WallSound;
    MMedia BrickSound;
    MMedia MoveSound;
    MMedia FlyAwaySound;
    MMedia LostGameSound;
    MMedia LostBallSound; // blocks until it has ended

    std::int16_t BackgroundChoice = 0; // 0..2 plain pictures, 3 the map's picture
    std::int16_t PadSpeed = 0;         // px/s
    std::int16_t StartBallSpeed = 0;   // px/s on each axis at a new game
    std::int16_t CurrentBallSpeed = 0; // px/s on each axis; grows at every wrap to level 1
    std::int16_t Level = 0;
    std::int16_t Lives = 0;
    bool LeftHeld = false;
    bool RightHeld = false;
    krevin::GameMode GameMode = krevin::GameMode::Waiting;

    KrevinOptions Options;

protected:
    void LoadGame() override;
    void StartNewGame(bool loading) override;
    platform::Form& OptionsDialog() override;
    void ApplyOptions() override;
    void ClearHeldInput() override;

    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_KeyUp(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Form_MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    // Rules, one function per state of a pass (KrevinRules.cpp).
    void UpdatePlaying();
    void MovePad();
    bool BallLost();
    void BounceOffWalls(SpriteClass& ball);
    bool HitFirstBrick();
    void FlyAway(double passMs);
    void LoseBall();
    // One-button steering: towards the ball, unless a direction is already held.
    void SteerTowardsBall();
};

// The window object of the program, created at its first use.
KrevinForm& TheKrevinForm();
