// The rules of Quadrel: a piece built from a random template of the level's map falls into a
// field of 400 x 480 pixels, moves sideways a cell at a time and turns a quarter about its first
// block; a landed piece locks into the field, full rows flash and vanish, and 3 rows (easy) or 6
// (normal) win the level under a shower of flowers. A piece that lands at the top ends the game.
// In the order a pass runs: level set-up, one pass by state, the piece, the rows, the frame.
#include <algorithm>
#include <cmath>

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"
#include "games/quadrel/QuadrelForm.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "toolkit/GameUtil.h"

namespace {

namespace qc = QuadrelCommon;
using Mode = quadrel::GameMode;

constexpr std::int16_t StartLives = 3;
constexpr std::int32_t RowScore = 10;
constexpr double SpeedUp = 1.2; // of the fall speed at every return to level 1
constexpr double FieldLeft = 200;
constexpr double FieldRight = 600;
constexpr double FieldWidth = FieldRight - FieldLeft;
constexpr double WindowWidth = 800;
constexpr std::int16_t FieldFloor = 479; // a block whose bottom passes it has landed
constexpr double SpawnLeft = 400;
constexpr std::int32_t FlashStepMs = 20;
constexpr std::int16_t FlowerFallMin = 100; // px/s
constexpr std::int16_t FlowerFallMax = 200;
constexpr double FlowerGone = 479; // a flower whose top passes it has left the strip
constexpr double SnapStart = 600;  // farther than any row
constexpr platform::Color Black = platform::Rgb(0, 0, 0);

bool IsNormal()
{
    return Common::gMode == "normal";
}

} // namespace

// ---- Level set-up

void QuadrelForm::InitLevel(bool newGame, bool loadMap, bool noStopHint)
{
    if (newGame) {
        Lives = StartLives;
        RowsCleared = 0;
        Level = 1;
        LevelFallSpeed = FallSpeed;
    }
    // Without a map for the level, play wraps back to level 1 with faster pieces (kept within 16
    // bits); without level 1 the game leaves after this pass.
    if (loadMap && LoadLevelMap("Quadrel", Level, qc::LoadMap) == LevelLoad::WrappedToFirst) {
        LevelFallSpeed = platform::CInt(LevelFallSpeed * SpeedUp);
    }
    for (SpriteClass& cell : FieldCells) {
        cell.id = -1;
    }
    RaiseCurtain(Curtain);
    ShowerStarted = false;
    for (SpriteClass& flower : Flowers) {
        flower.visible = false;
    }
    SpawnPiece();
    SweepRight = true;
    Dropping = false;
    KeyHeld = false;
    LevelRows = 0;
    StartStopHint(noStopHint);
    GameMode = Mode::Waiting;
}

void QuadrelForm::SetMode(const std::string& mode)
{
    Common::gMode = mode;
    LoadBlockImages();
    const std::int32_t size = IsNormal() ? 20 : 40;
    const std::size_t count = IsNormal() ? 480 : 120;
    FieldCells.assign(count, SpriteClass{});
    double x = FieldLeft;
    double y = 0;
    for (SpriteClass& cell : FieldCells) {
        cell.width = size;
        cell.Height = size;
        cell.id = -1;
        cell.X = x;
        cell.Y = y;
        x += size;
        if (x >= FieldRight) {
            x = FieldLeft;
            y += size;
        }
    }
}

std::int32_t QuadrelForm::Columns() const
{
    return FieldCells.empty() ? 1 : platform::CLng(FieldWidth / FieldCells[0].width);
}

// ---- One pass

void QuadrelForm::UpdateGame(double aNow, double)
{
    switch (GameMode) {
    case Mode::Waiting:
        UpdateWaiting();
        break;
    case Mode::Playing:
        UpdatePlaying(aNow);
        break;
    case Mode::LevelCleared:
        ShowLevelCleared();
        break;
    case Mode::GameOver:
        ShowGameOver();
        break;
    case Mode::Paused:
        break;
    }
    UpdateStopHint(GameMode == Mode::Waiting);
}

// The piece hangs where it is, its clock held. Of the input only the joystick is read here: any
// direction or button lets the piece fall.
void QuadrelForm::UpdateWaiting()
{
    for (SpriteClass& block : PieceBlocks) {
        block.Update(SpriteClass::RestartClock);
    }
    if (AnyStickInput()) {
        StartGame();
    }
}

void QuadrelForm::UpdatePlaying(double now)
{
    // A new piece that came in over locked blocks has no room at all; one that came in free and
    // lands at once locks like any other.
    const bool buried = FreshPiece && HitsBlocks(PieceBlocks);
    FallStep();
    PollInput(now);
    if (PieceBlocks.empty() || !HasLanded(PieceBlocks)) {
        return;
    }
    const bool atTop = std::any_of(PieceBlocks.begin(), PieceBlocks.end(),
                                   [](const SpriteClass& block) { return block.Y <= 0; });
    if (buried || atTop) {
        GameMode = Mode::GameOver;
        if (HighScoreOn) {
            Common::gScore = RowsCleared * RowScore;
        }
        return;
    }
    LockPiece();
    ClearRows();
}

// The pivot's clock gives the distance; the piece goes it in steps of at most half a cell and
// stops at the first that lands, so that a long pass cannot carry it into the stack. A step that
// moves it without landing makes it new no more.
void QuadrelForm::FallStep()
{
    if (PieceBlocks.empty()) {
        return;
    }
    SpriteClass& pivot = PieceBlocks[0];
    const double y0 = pivot.Y;
    pivot.Update(SpriteClass::SincePrevious);
    const double fall = pivot.Y - y0;
    pivot.Y = y0;
    const double halfCell = FieldCells[0].width / 2.0;
    const double steps = std::max(1.0, std::ceil(fall / halfCell));
    for (double step = 0; step < steps; ++step) {
        for (SpriteClass& block : PieceBlocks) {
            block.Y += fall / steps;
        }
        if (HasLanded(PieceBlocks)) {
            break;
        }
        if (fall > 0) {
            FreshPiece = false;
        }
    }
}

// Every MoveSpeed milliseconds: the one-button sweep step, or the joystick.
void QuadrelForm::PollInput(double now)
{
    if (GameUtil::TicksBetween(platform::CLng(NextPollTime), platform::CLng(now)) <= 0) {
        return;
    }
    if (Common::gOneButton) {
        std::int16_t space = platform::vbKeySpace;
        Form_KeyDown(space, 0);
        KeyHeld = false;
    } else {
        if (Stick.IsLeft()) {
            MoveLeft(false);
        }
        if (Stick.IsRight()) {
            MoveRight(false);
        }
        if (Stick.IsUp()) {
            RotatePiece();
        }
        if (Stick.IsButtonDown() != -1) {
            SetPieceSpeed(DropSpeed);
            Dropping = true;
        }
    }
    NextPollTime = GameUtil::GetTickMs() + MoveSpeed;
}

void QuadrelForm::ShowGameOver()
{
    // The curtain falls behind the field: the blocks vanish first.
    if (!Curtain.visible) {
        HideBlockPictures();
    }
    FallCurtain(Curtain, LostGameSound);
}

// ---- The piece

// Another template is drawn until one holds a block; a map without any builds no piece.
void QuadrelForm::SpawnPiece()
{
    PieceBlocks.clear();
    if (std::none_of(qc::MapTemplates.begin(), qc::MapTemplates.end(), qc::HasBlock)) {
        return;
    }
    const auto count = static_cast<std::int16_t>(qc::MapTemplates.size());
    const qc::PieceTemplate* chosen = nullptr;
    do {
        chosen = &qc::MapTemplates[static_cast<std::size_t>(GameUtil::RandomInt(1, count) - 1)];
    } while (!qc::HasBlock(*chosen));
    const SpriteClass& origin = (*chosen)[0];
    for (const SpriteClass& cell : *chosen) {
        if (cell.id < 0) {
            continue;
        }
        SpriteClass block;
        block.SetSpriteDC(BlockImages[static_cast<std::size_t>(cell.id)]);
        block.id = cell.id;
        block.X = cell.X - origin.X + SpawnLeft;
        block.Y = cell.Y - origin.Y;
        block.yMov = LevelFallSpeed;
        block.visible = true;
        PieceBlocks.push_back(block);
    }
    FreshPiece = true;
}

void QuadrelForm::SetPieceSpeed(std::int16_t speed)
{
    for (SpriteClass& block : PieceBlocks) {
        block.yMov = speed;
    }
}

void QuadrelForm::MoveLeft(bool sweep)
{
    StepSideways(-1, sweep);
}

void QuadrelForm::MoveRight(bool sweep)
{
    StepSideways(1, sweep);
}

void QuadrelForm::StepSideways(std::int32_t direction, bool sweep)
{
    if (PieceBlocks.empty()) {
        return;
    }
    const double d = direction * FieldCells[0].width;
    for (SpriteClass& block : PieceBlocks) {
        block.X += d;
    }
    if (!IsOutsideWalls(PieceBlocks) && !HitsBlocks(PieceBlocks)) {
        if (FxOn) {
            MoveSound.PlayMedia();
        }
        return;
    }
    for (SpriteClass& block : PieceBlocks) {
        block.X -= d;
    }
    if (sweep) {
        SweepRight = direction < 0;
        StepSideways(-direction, false);
    } else if (CantMoveSound.Status() == "stopped" && FxOn) {
        CantMoveSound.PlayMedia();
    }
}

bool QuadrelForm::HasLanded(const std::vector<SpriteClass>& blocks) const
{
    return std::any_of(blocks.begin(), blocks.end(),
                       [](const SpriteClass& block) { return block.Bottom() > FieldFloor; }) ||
           HitsBlocks(blocks);
}

// Touching edges do not collide: a block resting on the stack has not sunk into it.
bool QuadrelForm::HitsBlocks(const std::vector<SpriteClass>& blocks) const
{
    for (const SpriteClass& block : blocks) {
        for (const SpriteClass& cell : FieldCells) {
            if (cell.id >= 0 && block.SpriteCollision(cell)) {
                return true;
            }
        }
    }
    return false;
}

// A block is inside when its left edge is.
bool QuadrelForm::IsOutsideWalls(const std::vector<SpriteClass>& blocks)
{
    return std::any_of(blocks.begin(), blocks.end(), [](const SpriteClass& block) {
        return block.X >= FieldRight || block.X < FieldLeft;
    });
}

// The turned piece must fit where it is: no shifting to make room.
void QuadrelForm::RotatePiece()
{
    if (PieceBlocks.empty()) {
        return;
    }
    std::vector<SpriteClass> turned(PieceBlocks.size());
    for (std::size_t i = 0; i < turned.size(); ++i) {
        turned[i].X = PieceBlocks[i].X;
        turned[i].Y = PieceBlocks[i].Y;
        turned[i].width = PieceBlocks[i].width;
        turned[i].Height = PieceBlocks[i].Height;
    }
    RotateBlocks(turned);
    if (HasLanded(turned) || IsOutsideWalls(turned)) {
        return;
    }
    RotateBlocks(PieceBlocks);
    if (FxOn) {
        RotateSound.PlayMedia();
    }
}

// A quarter turn clockwise on the screen about block 0, on whole pixels: what lay right of the
// pivot comes to lie below it.
void QuadrelForm::RotateBlocks(std::vector<SpriteClass>& blocks)
{
    if (blocks.empty()) {
        return;
    }
    const auto angle = static_cast<float>(GameUtil::Pi() / 2);
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    const std::int16_t x0 = platform::CInt(blocks[0].X);
    const std::int16_t y0 = platform::CInt(blocks[0].Y);
    for (SpriteClass& block : blocks) {
        const std::int16_t dx = platform::CInt(block.X - x0);
        const std::int16_t dy = platform::CInt(block.Y - y0);
        block.X = x0 + platform::CInt(dx * cosine - dy * sine);
        block.Y = y0 + platform::CInt(dy * cosine + dx * sine);
    }
}

// The landed piece's blocks become field cells and leave the screen to them.
void QuadrelForm::LockPiece()
{
    SnapPieceToRows();
    for (SpriteClass& block : PieceBlocks) {
        const auto cell = std::find_if(FieldCells.begin(), FieldCells.end(), [&](const auto& c) {
            return c.X == block.X && c.Y == block.Y;
        });
        if (cell != FieldCells.end() && block.id >= 0) {
            cell->id = block.id;
            cell->SetDC(BlockImages[static_cast<std::size_t>(block.id)].GetDC(0));
        }
        block.visible = false;
    }
}

// Each block onto the nearest row; exactly halfway between two, the upper one.
void QuadrelForm::SnapPieceToRows()
{
    std::size_t chosen = 0;
    for (SpriteClass& block : PieceBlocks) {
        double best = SnapStart;
        for (std::size_t k = 0; k < FieldCells.size(); ++k) {
            const double d = std::abs(block.Y - FieldCells[k].Y);
            if (d < best) {
                best = platform::CInt(d);
                chosen = k;
            }
        }
        block.Y = FieldCells[chosen].Y;
    }
}

void QuadrelForm::HideBlockPictures()
{
    for (SpriteClass& cell : FieldCells) {
        cell.SetDC(0);
    }
    for (SpriteClass& block : PieceBlocks) {
        block.SetDC(0);
    }
}

// ---- The rows

// After a lock: every full row, lowest first, flashes and goes, then the next piece comes. The
// flashes held the game still: that time passes for nothing.
void QuadrelForm::ClearRows()
{
    const std::int32_t rowsToWin = IsNormal() ? 6 : 3;
    bool flashed = false;
    for (std::int16_t rowStart = FindFullRow(); rowStart != -1; rowStart = FindFullRow()) {
        if (FxOn) {
            RowCompleteSound.PlayMedia();
        }
        ++RowsCleared;
        ++LevelRows;
        FlashRow(rowStart);
        RemoveRow(rowStart);
        flashed = true;
        if (LevelRows == rowsToWin) {
            GameMode = Mode::LevelCleared;
        }
    }
    SpawnPiece();
    SetPieceSpeed(LevelFallSpeed);
    Dropping = false;
    if (flashed) {
        ResetTimers();
        RestartTimeBase();
    }
}

std::int16_t QuadrelForm::FindFullRow() const
{
    const std::int32_t columns = Columns();
    for (auto rowStart = static_cast<std::int32_t>(FieldCells.size()) - columns; rowStart >= 0;
         rowStart -= columns) {
        const auto first = FieldCells.begin() + rowStart;
        if (std::all_of(first, first + columns, [](const SpriteClass& c) { return c.id >= 0; })) {
            return static_cast<std::int16_t>(rowStart);
        }
    }
    return -1;
}

// Each of the seven block pictures runs across the row, a cell at least 20 ms after the one
// before; no window events run meanwhile.
void QuadrelForm::FlashRow(std::int16_t rowStart)
{
    const auto first = static_cast<std::size_t>(rowStart);
    const auto columns = static_cast<std::size_t>(Columns());
    std::vector<platform::Hdc> pictures;
    for (std::size_t i = first; i < first + columns; ++i) {
        pictures.push_back(FieldCells[i].GetDC(0));
    }
    std::int32_t deadline = GameUtil::GetTickMs();
    for (const SpriteClass& picture : BlockImages) {
        for (std::size_t i = first; i < first + columns; ++i) {
            FieldCells[i].SetDC(picture.GetDC(0));
            DrawFrame();
            Refresh();
            while (GameUtil::TicksBetween(GameUtil::GetTickMs(), deadline) > 0) {
                platform::Sleep(1);
            }
            deadline = GameUtil::GetTickMs() + FlashStepMs;
        }
    }
    for (std::size_t i = first; i < first + columns; ++i) {
        FieldCells[i].SetDC(pictures[i - first]);
    }
}

// The row is overwritten by the one above, every row above moves down one, the top row empties.
void QuadrelForm::RemoveRow(std::int16_t rowStart)
{
    const std::int32_t columns = Columns();
    for (std::int32_t j = rowStart + columns - 1; j >= 0; --j) {
        SpriteClass& cell = FieldCells[static_cast<std::size_t>(j)];
        if (j - columns < 0) {
            cell.id = -1;
            cell.SetDC(0);
        } else {
            const SpriteClass& above = FieldCells[static_cast<std::size_t>(j - columns)];
            cell.id = above.id;
            cell.SetDC(above.GetDC(0));
        }
    }
}

// One pass of the won level: the shower starts, the flowers fall, and once all are gone the next
// level waits.
void QuadrelForm::ShowLevelCleared()
{
    if (!ShowerStarted) {
        ShowerStarted = true;
        if (FxOn) {
            WonSound.PlayMedia();
        }
        ++Level;
        LevelRows = 0;
        HideBlockPictures();
        StartFlowerShower();
    }
    for (SpriteClass& flower : Flowers) {
        flower.Update(SpriteClass::SincePrevious);
    }
    if (std::all_of(Flowers.begin(), Flowers.end(),
                    [](const SpriteClass& flower) { return flower.Top() > FlowerGone; })) {
        ShowerStarted = false;
        InitLevel(false, true, false);
    }
}

// Each flower starts just above the window in the left or the right strip, from rest.
void QuadrelForm::StartFlowerShower()
{
    for (SpriteClass& flower : Flowers) {
        flower.Reset();
        flower.SetSpriteDC(FlowerPictures[static_cast<std::size_t>(GameUtil::RandomInt(0, 5))]);
        if (GameUtil::RandomInt(0, 1) == 1) {
            flower.X =
                GameUtil::RandomInt(0, platform::CInt(FieldLeft - SideBorder.width - flower.width));
        } else {
            flower.X = GameUtil::RandomInt(platform::CInt(FieldRight + SideBorder.width),
                                           platform::CInt(WindowWidth - flower.width));
        }
        flower.Y = -flower.Height;
        flower.yMov = GameUtil::RandomInt(FlowerFallMin, FlowerFallMax);
        flower.visible = true;
    }
}

// ---- The frame

// The curtain lies under the piece and the field, whose pictures it hides first.
void QuadrelForm::DrawFrame()
{
    BackgroundPicture.Draw(*this);
    BuildBackground.Draw(*this);
    for (const SpriteClass& flower : Flowers) {
        flower.DrawTransp(*this);
    }
    SideBorder.X = FieldLeft - SideBorder.width;
    SideBorder.Draw(*this);
    SideBorder.X = FieldRight;
    SideBorder.Draw(*this);
    Curtain.Draw(*this);
    Panel.Draw(*this);
    PanelBorder.Draw(*this);
    GameUtil::DrawPanel(*this, Level, RowsCleared * RowScore, Lives, LivesIcon);
    for (const SpriteClass& block : PieceBlocks) {
        block.Draw(*this);
    }
    SetDrawWidth(1);
    for (const SpriteClass& cell : FieldCells) {
        if (ShowGrid) {
            Line(cell.Left(), cell.Top(), cell.Right(), cell.Bottom(), Black, true);
        }
        if (cell.id >= 0) {
            cell.Draw(*this);
        }
    }
    DrawPanelButtons();
}
