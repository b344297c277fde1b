// TambloForm: the window of the maze game Tamblo. The window half (TambloForm.cpp) loads settings,
// pictures and sounds, turns input into fields and shows the options dialog; the rules half
// (TambloRules.cpp) sets up levels, runs one pass of the game and draws the frame. The loop and
// leaving come from GameWindow.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "games/shared/GameWindow.h"
#include "games/tamblo/TambloOptions.h"
#include "toolkit/MMedia.h"
#include "toolkit/SpriteClass.h"

namespace tamblo {

enum class GameMode : std::int16_t {
    Waiting = 0, // level set up, nothing moves
    Playing = 1,
    LevelCleared = 2,
    LifeLost = 3, // the figure was caught and falls off the field
    GameOver = 4,
    Paused = 5,
};

// Directions of the figure and the ghosts; the reverse of d is (d + 2) mod 4, clockwise (d + 1)
// mod 4.
inline constexpr std::int16_t DirRight = 0;
inline constexpr std::int16_t DirDown = 1;
inline constexpr std::int16_t DirLeft = 2;
inline constexpr std::int16_t DirUp = 3;

// A neighbouring cell: its index and tile id, both -1 when there is none.
struct Neighbour {
    std::int16_t index = -1;
    std::int16_t id = -1;
};

} // namespace tamblo

class TambloForm : public GameWindow {
public:
    TambloForm();

    // Window (TambloForm.cpp).
    void ReadSettings() override;
    void LoadGraphics();
    void FreeGraphics() override;
    void OpenSounds();
    void CloseSounds() override;
    void ResetTimers() override;

    // Rules (TambloRules.cpp).
    void InitLevel(bool newGame, bool loadMap);
    void UpdateGame(double aNow, double aLast) override;
    void DrawFrame() override;
    bool StandsStill() const override { return GameMode == ::tamblo::GameMode::Paused; }
    std::int16_t FindTileUnder(const SpriteClass& aSprite) const;
    tamblo::Neighbour GetNeighbourTile(const SpriteClass& aSprite, std::int16_t aDirection) const;
    void HideActors();
    std::int16_t CountDots() const;

    // The window's fields, in the order of the system's design. Public, so that tests and the
    // frame benchmark can set up and read a game.
    SpriteClass PanelPicture;
    SpriteClass BorderPicture;
    SpriteClass Player; // id: fall direction while caught (non-zero right, 0 down)
    std::array<SpriteClass, 4> PlayerImages; // by direction, two frames each
    SpriteClass LivesIcon;
    std::vector<SpriteClass> Ghosts; // id: the direction a ghost may not take next
    std::array<SpriteClass, 5> GhostImages;
    std::vector<SpriteClass> GhostStarts;
    SpriteClass PlayerStart;
    SpriteClass SmileFace;
    SpriteClass SadFace;
    MMedia MoveSound;
    MMedia EatSound;
    MMedia WonSound;
    MMedia BooSound;
    MMedia AhhSound;
    MMedia GameOverSound;
    MMedia RotateSound;
    ::tamblo::GameMode GameMode = ::tamblo::GameMode::Waiting;
    std::int16_t Facing = tamblo::DirRight;
    std::int32_t NextTurnTime = 0;
    std::int16_t TambloSpeed = 0;
    std::int16_t GhostSpeed = 0;
    std::int16_t MaxNumGhosts = 0;
    std::int16_t Level = 0;
    std::int16_t Lives = 0;
    bool ShowTileNumbers = false;
    bool GoHeld = false;
    bool TurnHeld = false;

    TambloOptions Options;

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
    // Rules, one function per state of a pass (TambloRules.cpp).
    void UpdateWaiting();
    void UpdatePlaying();
    void MovePlayer();
    void MoveGhost(SpriteClass& ghost);
    void UpdateLevelCleared();
    void UpdateLifeLost();
    void UpdateGameOver();
};

// The window object of the program, created at its first use.
TambloForm& TheTambloForm();
