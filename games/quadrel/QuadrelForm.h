// QuadrelForm: the window of the falling-blocks game Quadrel. The window half (QuadrelForm.cpp)
// loads settings, pictures and sounds and turns input into actions on the piece; the rules half
// (QuadrelRules.cpp) sets up levels, runs the piece, the rows and the states, and draws the frame.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "games/quadrel/QuadrelOptions.h"
#include "games/shared/GameWindow.h"
#include "toolkit/MMedia.h"
#include "toolkit/SpriteClass.h"

namespace quadrel {

// 3 is the life-lost state of the other games; this game has no lives to lose.
enum class GameMode : std::int16_t {
    Waiting = 0, // the level is set up, the piece hangs at the top
    Playing = 1,
    LevelCleared = 2, // the flower shower
    GameOver = 4,     // the curtain falls
    Paused = 5,
};

} // namespace quadrel

class QuadrelForm : public GameWindow {
public:
    QuadrelForm();

    // Window (QuadrelForm.cpp).
    void ReadSettings() override;
    void LoadGraphics();
    void LoadBlockImages();
    void FreeBlockImages();
    void OpenSounds();
    void CloseSounds() override;
    void FreeGraphics() override;
    void ResetTimers() override;
    void StartGame();

    // Rules (QuadrelRules.cpp), in the order a pass uses them.
    void InitLevel(bool newGame, bool loadMap, bool noStopHint);
    void UpdateGame(double aNow, double aLast) override;
    void DrawFrame() override;
    bool StandsStill() const override { return GameMode == ::quadrel::GameMode::Paused; }
    void SetMode(const std::string& mode);
    void SpawnPiece();
    void SetPieceSpeed(std::int16_t speed);
    void MoveLeft(bool sweep);
    void MoveRight(bool sweep);
    bool HasLanded(const std::vector<SpriteClass>& blocks) const;
    bool HitsBlocks(const std::vector<SpriteClass>& blocks) const;
    static bool IsOutsideWalls(const std::vector<SpriteClass>& blocks);
    void RotatePiece();
    static void RotateBlocks(std::vector<SpriteClass>& blocks);
    void LockPiece();
    void SnapPieceToRows();
    void HideBlockPictures();
    std::int16_t FindFullRow() const;
    void FlashRow(std::int16_t rowStart);
    void RemoveRow(std::int16_t rowStart);
    void ShowLevelCleared();
    void StartFlowerShower();

    // The window's fields. Public, so that tests and the frame benchmark can set up and read a
    // game.
    SpriteClass BackgroundPicture;
    SpriteClass BuildBackground;
    SpriteClass Curtain;
    SpriteClass Panel;
    SpriteClass PanelBorder;
    SpriteClass SideBorder;
    std::array<SpriteClass, 6> FlowerPictures;
    // 0..5 the map's blocks, 6 the row flash.
    std::array<SpriteClass, 7> BlockImages;
    SpriteClass LivesIcon; // never has a picture: the panel shows no lives
    // The field's cells, row-major from its top-left corner; id -1 empty, 0..6 a block picture.
    std::vector<SpriteClass> FieldCells;
    // The falling piece, in its template's cell order; block 0 is the pivot it turns about.
    std::vector<SpriteClass> PieceBlocks;
    std::array<SpriteClass, 20> Flowers;

    MMedia RowCompleteSound;
    MMedia MoveSound;
    MMedia CantMoveSound;
    MMedia RotateSound;
    MMedia WonSound;
    MMedia LostGameSound;

    static constexpr std::int16_t DropSpeed = 500; // px/s of a piece sent down

    std::int16_t FallSpeed = 0; // px/s of a new game's pieces
    std::int16_t MoveSpeed = 0; // ms between joystick polls and one-button steps

    ::quadrel::GameMode GameMode = ::quadrel::GameMode::Waiting;
    std::int16_t LevelFallSpeed = 0; // px/s
    double NextPollTime = 0;         // GetTickMs of the next joystick poll or one-button step
    std::int16_t Level = 0;
    std::int32_t RowsCleared = 0; // in this game; the score is ten times as much
    std::int32_t LevelRows = 0;   // in this level
    std::int16_t Lives = 0;
    bool SweepRight = true;
    bool Dropping = false;
    bool KeyHeld = false;
    bool ShowGrid = false;
    bool ShowerStarted = false;
    // The piece has not fallen yet: overlapping locked blocks now, it came in over them.
    bool FreshPiece = false;

    QuadrelOptions Options;

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
    // Rules, one function per state of a pass (QuadrelRules.cpp).
    void UpdateWaiting();
    void UpdatePlaying(double now);
    void FallStep();
    void PollInput(double now);
    void ClearRows();
    void ShowGameOver();
    // One cell sideways (direction -1 left, 1 right), undone when it leaves the field or meets a
    // block: then a sweep steps back the other way, and a single move sounds its refusal.
    void StepSideways(std::int32_t direction, bool sweep);
    // Cells in a row of the field.
    std::int32_t Columns() const;
};

// The window object of the program, created at its first use.
QuadrelForm& TheQuadrelForm();
