// ZentarForm: the window of the alien shooter Zentar. The window half (ZentarForm.cpp) loads
// settings, pictures and sounds, turns input into fields and shows the options dialog; the rules
// half (ZentarRules.cpp) sets up levels, runs one pass of the game and draws the frame.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "games/shared/GameWindow.h"
#include "games/zentar/ZentarOptions.h"
#include "toolkit/MMedia.h"
#include "toolkit/SpriteClass.h"

namespace zentar {

enum class GameMode : std::int16_t {
    Waiting = 0,
    Playing = 1,
    LevelCleared = 2, // the ship flies out under fireworks
    LifeLost = 3,     // the ship is destroyed
    GameOver = 4,     // the curtain falls
    Paused = 5,
};

// The march phase an alien keeps in its id during play.
enum class MarchPhase : std::int16_t {
    Right = 0,
    DownAfterRight = 1,
    Left = 2,
    DownAfterLeft = 3,
};

} // namespace zentar

class ZentarForm : public GameWindow {
public:
    ZentarForm();

    // Window (ZentarForm.cpp).
    void ReadSettings() override;
    void LoadGraphics();
    void LoadAlienImages();
    void FreeAlienImages();
    // The aliens of a freshly read map take the pictures of their types; the level its background.
    void PrepareLevelGraphics();
    void OpenSounds();
    void CloseSounds() override;
    void FreeGraphics() override;
    void ResetTimers() override;

    // Rules (ZentarRules.cpp).
    void InitLevel(bool newGame, bool loadMap);
    void UpdateGame(double aNow, double aLast) override;
    void DrawFrame() override;
    bool StandsStill() const override;
    void StartGame();
    void UpdateScore(std::int32_t points);
    void FireShot();

    // The window's fields. Public, so that tests and the frame benchmark can set up and read a
    // game.
    SpriteClass Ship; // also the life icon of the panel
    SpriteClass ShotPicture;
    std::array<SpriteClass, 2> Shots;
    SpriteClass ShipExplosion;
    SpriteClass FlowerPicture;
    std::array<SpriteClass, 6> Flowers;
    SpriteClass Curtain;
    SpriteClass Panel;
    SpriteClass Border;
    std::array<SpriteClass, 3> HitExplosions;
    // The start position of each alien of the map, by index.
    std::vector<SpriteClass> AlienStarts;

    std::array<MMedia, 3> FireSounds;
    MMedia EnemyHitSound;
    MMedia ShipExplodeSound;
    MMedia ShipMoveSound;
    MMedia WonSound;
    MMedia LostGameSound;
    MMedia LostLifeSound;

    std::int16_t BackgroundChoice = 0; // 0, 1 plain pictures, 2 plain colour, 3 the map's picture
    std::int16_t ShipSpeed = 0;        // px/s
    std::int16_t AliensSpeed = 0;      // px/s
    std::int16_t ShotSpeed = 0;        // px/s

    bool LeftHeld = false;
    bool RightHeld = false;
    bool AutoMove = false; // the ship moves by itself towards AutoLeft
    bool AutoLeft = false; // flipped at each side

    ::zentar::GameMode GameMode = ::zentar::GameMode::Waiting;
    std::int16_t Level = 0;
    std::int16_t Lives = 0;
    std::int16_t MarchSpeed = 0;   // px/s of every alien, sideways and down
    std::int32_t LastShotTime = 0; // GetTickMs of the last shot
    std::int32_t HitExplosionUntil = 0;
    bool WonPlayed = false;

    ZentarOptions Options;

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
    // Rules, one function per state of a pass (ZentarRules.cpp).
    void UpdateWaiting();
    void UpdatePlaying();
    void SteerShip();
    void MoveShots();
    void MarchAliens();
    void FlyOutShip();
    void ExplodeShip();
    void ShowGameOver();
};

// The window object of the program, created at its first use.
ZentarForm& TheZentarForm();
