// MorvexForm: the window of the rock game Morvex. The window half (MorvexForm.cpp) loads settings,
// pictures and sounds, turns input into fields and shows the options dialog; the rules half
// (MorvexRules.cpp) sets up levels and rock pools, runs one pass of the game and draws the frame.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "games/morvex/MorvexOptions.h"
#include "games/shared/GameWindow.h"
#include "toolkit/MMedia.h"
#include "toolkit/SpriteClass.h"

namespace morvex {

enum class GameMode : std::int16_t {
    Waiting = 0,
    Playing = 1,
    LevelCleared = 2, // the ship flies out, sparks behind it
    LifeLost = 3,     // the ship explodes
    GameOver = 4,     // the curtain falls
    Paused = 5,
};

inline constexpr std::size_t ShipHeadings = 36; // frames 10 degrees apart, clockwise from right

} // namespace morvex

class MorvexForm : public GameWindow {
public:
    MorvexForm();

    // Window (MorvexForm.cpp).
    void ReadSettings() override;
    void LoadGraphics();
    void OpenSounds();
    void CloseSounds() override;
    void FreeGraphics() override;
    void ResetTimers() override;

    // Rules (MorvexRules.cpp).
    void InitLevel(bool newGame, bool loadMap);
    void BuildRockPools();
    // The visible map rocks of a kind.
    static std::int16_t CountMapRocks(std::int32_t kind);
    void StartGame();
    void UpdateScore(std::int32_t kind);
    void UpdateGame(double aNow, double aLast) override;
    void DrawFrame() override;
    bool StandsStill() const override { return GameMode == ::morvex::GameMode::Paused; }
    void SetShipFrame();
    void PlaceAfterburner();
    void FireShot();
    // Moves a pool's rocks and answers whether one of them touches the ship.
    bool MoveRocks(std::vector<SpriteClass>& pool);
    void SplitRock(const SpriteClass& rock);

    // The window's fields. Public, so that tests and the frame benchmark can set up and read a
    // game.
    SpriteClass Ship; // shows one of ShipFrames
    std::array<SpriteClass, morvex::ShipHeadings> ShipFrames;
    std::array<SpriteClass, 4> LargeRockPictures;
    std::array<SpriteClass, 4> MediumRockPictures;
    std::array<SpriteClass, 4> SmallRockPictures;
    // The level's rocks by size; hidden ones are spares that splits show.
    std::vector<SpriteClass> LargeRocks;
    std::vector<SpriteClass> MediumRocks;
    std::vector<SpriteClass> SmallRocks;
    SpriteClass ShotPicture; // its animation is what every shot shows
    std::vector<SpriteClass> Shots;
    SpriteClass Afterburner;
    SpriteClass ShipExplosion; // its id is the time its display ends
    SpriteClass SmallExplosion;
    SpriteClass MediumExplosion;
    SpriteClass LargeExplosion;
    SpriteClass Curtain;
    SpriteClass StarPicture;
    std::array<SpriteClass, 6> Stars;
    SpriteClass Panel;
    SpriteClass PanelBorder;

    MMedia RockHitSound;
    MMedia ShipExplodeSound;
    std::array<MMedia, 3> FireSounds;
    MMedia ForwardSound;
    MMedia RotateSound;
    MMedia WonSound;
    MMedia LostGameSound;

    std::int16_t Background = 0;   // 0, 1 plain pictures, 2 plain colour, 3 the map's picture
    std::int16_t ShipSpeed = 0;    // px/s
    float RotateSpeed = 0;         // radians per second
    std::int16_t RockSpeed = 0;    // bound of a rock's random speed components, px/s
    std::int16_t ShotSpeed = 0;    // px/s
    std::int16_t ShotCount = 0;    // 2 in "normal", 4 otherwise
    std::int32_t LastShotTime = 0; // GetTickMs of the last shot

    morvex::GameMode GameMode = morvex::GameMode::Waiting;
    std::int16_t Level = 0;
    std::int16_t Lives = 0;
    std::int16_t LevelRockSpeed = 0; // grows at every wrap back to level 1
    float ShipAngle = 0;             // radians, 0 .. 2 pi, clockwise from right
    std::int16_t ShipFrame = 0;      // 0 .. 36, the heading in steps of 10 degrees
    bool RightHeld = false;
    bool LeftHeld = false;
    bool WonSoundPlayed = false;
    bool StarsLaunched = false;

    MorvexOptions Options;

protected:
    void LoadGame() override;
    void StartNewGame(bool loading) override;
    platform::Form& OptionsDialog() override;
    void ApplyOptions() override;
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_KeyUp(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Form_MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;

    void ClearHeldInput() override;

private:
    // Rules, one function per state or step of a pass (MorvexRules.cpp).
    void UpdateWaiting();
    void UpdatePlaying(std::int32_t elapsed);
    void TurnShip(std::int32_t elapsed);
    void ThrustShip();
    void MoveShots();
    void FlyOutShip();
    void ExplodeShip();
    void ShowGameOver();
    // With effects on, plays a sound that is not playing already.
    void PlayIfStopped(MMedia& sound);
};

// The window object of the program, created at its first use.
MorvexForm& TheMorvexForm();
