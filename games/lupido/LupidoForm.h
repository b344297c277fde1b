// LupidoForm: the window of the crossing game Lupido. The window half (LupidoForm.cpp) reads the
// settings, loads pictures and sounds and turns input into hops and turns; the rules half
// (LupidoRules.cpp) sets up levels, runs one pass of the game and draws the frame.
#pragma once

#include <array>
#include <cstdint>

#include "games/lupido/LupidoOptions.h"
#include "games/shared/GameWindow.h"
#include "toolkit/MMedia.h"
#include "toolkit/SpriteClass.h"

namespace lupido {

// There is no waiting state: every level set-up ends in Playing.
enum class GameMode : std::int16_t {
    NotStarted = 0, // before the first level set-up
    Playing = 1,
    HomeReached = 2, // the rabbit celebrates at the top
    Drowning = 3,
    HitByCar = 4, // the rabbit spins off the screen
    GameOver = 5, // the scroll rolls down
    Paused = 6,
};

// The rabbit's directions, also the indexes of its pictures; a turn goes to the next, clockwise.
inline constexpr std::int16_t FacingUp = 0;
inline constexpr std::int16_t FacingRight = 1;
inline constexpr std::int16_t FacingDown = 2;
inline constexpr std::int16_t FacingLeft = 3;

} // namespace lupido

class LupidoForm : public GameWindow {
public:
    LupidoForm();

    // Window (LupidoForm.cpp).
    void ReadSettings() override;
    void LoadGraphics();
    // The pictures of the running mode; again after the options dialog.
    void LoadModeGraphics();
    void FreeModeGraphics();
    void FreeGraphics() override;
    void OpenSounds();
    void CloseSounds() override;
    void ResetTimers() override;

    // Rules (LupidoRules.cpp).
    void InitLevel(bool newGame, bool loadMap);
    void UpdateGame(double aNow, double aLast) override;
    void DrawFrame() override;
    bool StandsStill() const override { return GameMode == ::lupido::GameMode::Paused; }
    // A hop (37 Left, 38 Up, 39 Right, 40 Down) or a turn (32 Space).
    void MoveRabbit(std::int16_t key);

    // The window's fields. Public, so that tests and the frame benchmark can set up and read a
    // game.
    SpriteClass PanelPicture;
    SpriteClass BorderPicture;
    // Borrows its picture from RabbitImages by direction and owns none.
    SpriteClass Rabbit;
    std::array<SpriteClass, 4> RabbitImages; // by direction; 0 is also the life icon
    SpriteClass DrownAnimation;              // 28 frames: right, up, down, left, seven each
    std::array<SpriteClass, 4> LargeRabbits;
    std::array<SpriteClass, 6> RoadImages;
    SpriteClass RoadTop;
    SpriteClass RoadBottom;
    std::array<SpriteClass, 2> CarImages; // 0 drives right, 1 left
    std::array<SpriteClass, 6> RiverImages;
    SpriteClass RiverTop;
    SpriteClass RiverBottom;
    SpriteClass LogImage;
    std::array<SpriteClass, 6> FlowerImages;
    SpriteClass BushImage;
    SpriteClass EndScroll;

    MMedia MoveSound;
    MMedia RotateSound;
    MMedia HomeSound;
    MMedia HornSound;
    MMedia HitByCarSound;
    MMedia SplashSound; // plays to its end
    MMedia InWaterSound;
    MMedia LostGameSound;
    MMedia FlyingSound;

    ::lupido::GameMode GameMode = ::lupido::GameMode::NotStarted;
    std::int16_t Facing = ::lupido::FacingUp;
    // MoveRabbit refuses input until the clock is past MoveLockUntil, while MoveLocked.
    bool MoveLocked = false;
    std::int32_t MoveLockUntil = 0;
    std::int32_t NextAutoTurn = 0;
    std::int32_t AutoTurnInterval = 1500;
    std::int16_t CarSpeed = 0;   // px/s of level 1
    std::int16_t LevelSpeed = 0; // px/s of this level
    std::int16_t Level = 0;
    std::int16_t Lives = 0;

    // The three timed sequences.
    bool HomeStarted = false;
    std::int32_t HomeUntil = 0;
    std::int32_t NextToggle = 0;
    bool DrownStarted = false;
    std::int16_t DrownEndFrame = 0;
    std::int32_t DrownFrameSince = 0; // when the drowning frame shown began
    bool Flying = false;
    std::int32_t NextSpin = 0;
    std::int16_t SpinStep = 0;

    LupidoOptions Options;

protected:
    void LoadGame() override;
    void StartNewGame(bool loading) override;
    platform::Form& OptionsDialog() override;
    void ApplyOptions() override;
    void ClearHeldInput() override;

    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_KeyUp(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    // Rules, in the order a pass runs them (LupidoRules.cpp).
    void SetupRoadsAndCars();
    void SetupRiversAndLogs();
    void SetupFlowersAndBushes();
    void ResetTrafficClocks();
    void UpdatePlaying();
    void UpdateHomeReached();
    void UpdateDrowning();
    void UpdateHitByCar();
    // Shows the rabbit picture of a direction.
    void ShowRabbit(std::int16_t direction);
    // A life less after drowning or a flight: game over at none left, else the level again.
    void LoseLife();
};

// The window object of the program, created at its first use.
LupidoForm& TheLupidoForm();
