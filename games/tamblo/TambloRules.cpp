// The rules of Tamblo: the figure moves from cell to cell eating dots while ghosts wander at
// random; a ghost touching the figure costs a life, the last dot clears the level. In the order a
// pass runs: level set-up, one pass by state, the frame.
#include <algorithm>
#include <string>
#include <utility>

#include "common/Common.h"
#include "games/tamblo/TambloCommon.h"
#include "games/tamblo/TambloForm.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "toolkit/GameUtil.h"

namespace {

namespace tc = TambloCommon;
using Mode = tamblo::GameMode;

constexpr std::int16_t StartLives = 3;
constexpr std::int32_t DotScore = 10;
constexpr std::int32_t TurnEveryMs = 1000;
constexpr std::int32_t ClearedWaitMs = 4000; // the cleared and game-over screens without effects
constexpr std::int32_t FallenWaitMs = 3000;  // after the figure has left the field
constexpr double FallAcceleration = 175;     // pixels per second per second
constexpr double FieldBottom = 485;          // the figure has left the field below ...
constexpr double FieldRight = 805;           // ... or to the right of these
constexpr int GhostDraws = 51;

bool AtRest(const SpriteClass& sprite)
{
    return sprite.xMov == 0 && sprite.yMov == 0;
}

std::int16_t Reverse(std::int16_t direction)
{
    return static_cast<std::int16_t>((direction + 2) % 4);
}

// A held key reads with bit &H1000 set.
bool KeyHeld(std::int16_t key)
{
    return (platform::GetKeyState(key) & 0x1000) != 0;
}

bool Walkable(std::int16_t id)
{
    return id > tamblo::WallPieceCount - 1;
}

// The first cell, in index order, whose id is one of the two given; nullptr when there is none.
SpriteClass* FirstCell(std::int32_t id, std::int32_t orId)
{
    for (SpriteClass& cell : tc::Tiles) {
        if (cell.id == id || cell.id == orId) {
            return &cell;
        }
    }
    return nullptr;
}

} // namespace

// ---- Level set-up

void TambloForm::InitLevel(bool newGame, bool loadMap)
{
    if (newGame) {
        Lives = StartLives;
        Common::gScore = 0;
        Level = 1;
    }
    if (loadMap) {
        // A level without a map goes back to level 1; without level 1 the game leaves after this
        // pass, set up on whatever the failed reads left in the grid.
        LoadLevelMap("Tamblo", Level, tc::LoadMap);

        std::size_t ghostStarts = 0;
        for (const SpriteClass& cell : tc::Tiles) {
            ghostStarts += cell.id == tamblo::GhostStartTile ? 1 : 0;
        }
        Ghosts.assign(std::max<std::size_t>(ghostStarts, 1), SpriteClass{});
        GhostStarts.assign(Ghosts.size(), SpriteClass{});
        for (std::size_t a = 0; a < Ghosts.size(); ++a) {
            SpriteClass& ghost = Ghosts[a];
            if (static_cast<std::int32_t>(a) >= MaxNumGhosts) {
                // Entries beyond the most ghosts allowed take no part in the game.
                ghost.visible = false;
                continue;
            }
            ghost.Reset();
            ghost.visible = true;
            ghost.SetSpriteDC(GhostImages[static_cast<std::size_t>(GameUtil::RandomInt(0, 4))]);
            // Without a ghost start left, the first dot or floor cell, which keeps its dot.
            if (SpriteClass* start = FirstCell(tamblo::GhostStartTile, tamblo::GhostStartTile)) {
                start->id = tamblo::FloorTile;
                GhostStarts[a].X = start->X;
                GhostStarts[a].Y = start->Y;
            } else if (SpriteClass* free = FirstCell(tamblo::DotTile, tamblo::FloorTile)) {
                GhostStarts[a].X = free->X;
                GhostStarts[a].Y = free->Y;
            }
        }
        for (SpriteClass& cell : tc::Tiles) {
            if (cell.id == tamblo::GhostStartTile) {
                cell.id = tamblo::FloorTile;
            }
        }

        // Without a player start, the last floor cell (never a dot); without one, the old start.
        if (SpriteClass* start = FirstCell(tamblo::PlayerStartTile, tamblo::PlayerStartTile)) {
            start->id = tamblo::FloorTile;
            PlayerStart.X = start->X;
            PlayerStart.Y = start->Y;
        } else {
            for (auto cell = tc::Tiles.rbegin(); cell != tc::Tiles.rend(); ++cell) {
                if (cell->id == tamblo::FloorTile) {
                    PlayerStart.X = cell->X;
                    PlayerStart.Y = cell->Y;
                    break;
                }
            }
        }
    }

    // A ghost keeps its id (the way it may not take) over a lost life.
    for (std::size_t a = 0; a < Ghosts.size(); ++a) {
        Ghosts[a].Reset();
        Ghosts[a].X = GhostStarts[a].X;
        Ghosts[a].Y = GhostStarts[a].Y;
    }
    Player.Reset();
    Player.X = PlayerStart.X;
    Player.Y = PlayerStart.Y;
    Facing = tamblo::DirRight;
    Player.visible = true;
    Player.active = true;

    StartStopHint(newGame);
    GameMode = Mode::Waiting;
}

// ---- One pass

void TambloForm::UpdateGame(double, double)
{
    switch (GameMode) {
    case Mode::Waiting:
        UpdateWaiting();
        break;
    case Mode::Playing:
        UpdatePlaying();
        break;
    case Mode::LevelCleared:
        UpdateLevelCleared();
        break;
    case Mode::LifeLost:
        UpdateLifeLost();
        break;
    case Mode::GameOver:
        UpdateGameOver();
        break;
    case Mode::Paused:
        break;
    }
    UpdateStopHint(GameMode == Mode::Waiting);
}

// Nothing moves; a joystick direction or button starts play (keys and clicks do so in their
// handlers).
void TambloForm::UpdateWaiting()
{
    if (AnyStickInput()) {
        GameMode = Mode::Playing;
    }
}

void TambloForm::UpdatePlaying()
{
    for (SpriteClass& image : PlayerImages) {
        image.Update(SpriteClass::SincePrevious);
    }
    Player.Update(SpriteClass::SincePrevious);
    if (AtRest(Player)) {
        const std::int16_t under = FindTileUnder(Player);
        if (under >= 0 && tc::Tiles[static_cast<std::size_t>(under)].id == tamblo::DotTile) {
            tc::Tiles[static_cast<std::size_t>(under)].id = tamblo::FloorTile;
            if (FxOn) {
                EatSound.PlayMedia();
            }
            Common::gScore += DotScore;
        }
        if (CountDots() == 0) {
            // The ghosts stand still in this pass and nobody is caught.
            GameMode = Mode::LevelCleared;
            return;
        }
        MovePlayer();
    }
    for (SpriteClass& ghost : Ghosts) {
        if (ghost.visible) {
            MoveGhost(ghost);
        }
    }
    // Frame 0 of each picture decides, whatever the figure faces or shows.
    for (const SpriteClass& ghost : Ghosts) {
        if (ghost.visible && ghost.PixelCollision(Player)) {
            GameMode = Mode::LifeLost;
            break;
        }
    }
}

// The figure at rest: Enter goes on ahead, Space (and one-button mode) turns it once a second,
// held arrows override both, and a joystick direction overrides the arrows.
void TambloForm::MovePlayer()
{
    std::int16_t wanted = -1;
    if (GoHeld) {
        wanted = Facing;
    }
    const std::int32_t now = GameUtil::GetTickMs();
    if ((TurnHeld || Common::gOneButton) && GameUtil::TicksBetween(NextTurnTime, now) > 0) {
        Facing = static_cast<std::int16_t>((Facing + 1) % 4);
        NextTurnTime = now + TurnEveryMs;
        if (FxOn) {
            RotateSound.PlayMedia();
        }
    }
    const std::pair<std::int16_t, std::int16_t> arrows[] = {
        {platform::vbKeyLeft, tamblo::DirLeft},
        {platform::vbKeyRight, tamblo::DirRight},
        {platform::vbKeyUp, tamblo::DirUp},
        {platform::vbKeyDown, tamblo::DirDown}};
    for (const auto& [key, direction] : arrows) {
        if (KeyHeld(key)) {
            wanted = direction;
        }
    }
    if (Stick.IsLeft()) {
        wanted = tamblo::DirLeft;
    }
    if (Stick.IsRight()) {
        wanted = tamblo::DirRight;
    }
    if (Stick.IsUp()) {
        wanted = tamblo::DirUp;
    }
    if (Stick.IsDown()) {
        wanted = tamblo::DirDown;
    }
    if (wanted < 0) {
        return;
    }
    // A blocked way keeps a turn made above; an open one replaces it by the move's direction.
    const tamblo::Neighbour next = GetNeighbourTile(Player, wanted);
    if (Walkable(next.id)) {
        if (FxOn) {
            MoveSound.PlayMedia();
        }
        const SpriteClass& cell = tc::Tiles[static_cast<std::size_t>(next.index)];
        Player.MoveToDest(platform::CInt(cell.X), platform::CInt(cell.Y), TambloSpeed);
        Facing = wanted;
    }
}

// A ghost at rest draws directions, never the one it came from, until one is open; after 51 draws
// (or when only the 51st found a way) it takes the reverse of the last draw instead. So it turns
// back only at a dead end, one chance in four per pass.
void TambloForm::MoveGhost(SpriteClass& ghost)
{
    ghost.Update(SpriteClass::SincePrevious);
    if (!AtRest(ghost)) {
        return;
    }
    std::int16_t direction = 0;
    tamblo::Neighbour next;
    int draw = 0;
    for (; draw < GhostDraws; ++draw) {
        direction = GameUtil::RandomInt(0, 3);
        if (direction == ghost.id) {
            continue;
        }
        next = GetNeighbourTile(ghost, direction);
        if (Walkable(next.id)) {
            break;
        }
    }
    if (draw >= GhostDraws - 1) {
        direction = Reverse(direction);
        next = GetNeighbourTile(ghost, direction);
    }
    if (Walkable(next.id)) {
        const SpriteClass& cell = tc::Tiles[static_cast<std::size_t>(next.index)];
        ghost.MoveToDest(platform::CInt(cell.X), platform::CInt(cell.Y), GhostSpeed);
        ghost.id = Reverse(direction);
    }
}

// Handled in one pass: the smiling face, the won sound to its end, then the next level.
void TambloForm::UpdateLevelCleared()
{
    HideActors();
    SmileFace.visible = true;
    DrawFrame();
    Refresh();
    if (FxOn) {
        WonSound.PlayMedia();
    } else {
        platform::Sleep(ClearedWaitMs);
    }
    SmileFace.visible = false;
    GameMode = Mode::Waiting;
    ++Level;
    InitLevel(false, true);
    RestartTimeBase();
}

// The caught figure falls right or down from rest, faster each pass; off the field, after a wait,
// a life goes.
void TambloForm::UpdateLifeLost()
{
    if (Player.active) {
        Player.active = false;
        Player.id = GameUtil::RandomInt(0, 1);
        if (FxOn) {
            BooSound.PlayMedia();
            AhhSound.PlayMedia();
        }
        // The fall starts from rest after the blocking sound: its length is no falling time.
        RestartTimeBase();
        Facing = Player.id != 0 ? tamblo::DirRight : tamblo::DirDown;
        PlayerImages[static_cast<std::size_t>(Facing)].frame = 0;
        Player.Reset();
    }
    Player.Update(SpriteClass::SincePrevious);
    const double gain = PassMs() / 1000 * FallAcceleration;
    if (Player.id != 0) {
        Player.xMov += gain;
    } else {
        Player.yMov += gain;
    }
    if (Player.Y > FieldBottom || Player.X > FieldRight) {
        platform::Sleep(FallenWaitMs);
        --Lives;
        if (Lives <= 0) {
            GameMode = Mode::GameOver;
        } else {
            // Back to the starts; eaten dots stay eaten.
            InitLevel(false, false);
        }
        RestartTimeBase();
    }
}

// Handled in one pass: the sad face, the sound to its end, the high-score window for a score that
// qualifies, then a new game waits at level 1.
void TambloForm::UpdateGameOver()
{
    HideActors();
    SadFace.visible = true;
    DrawFrame();
    Refresh();
    if (FxOn) {
        GameOverSound.PlayMedia();
    } else {
        platform::Sleep(ClearedWaitMs);
    }
    SadFace.visible = false;
    ShowHighScoreIfQualifies();
    InitLevel(true, true);
    RestartTimeBase();
}

// ---- Cells

std::int16_t TambloForm::FindTileUnder(const SpriteClass& aSprite) const
{
    const std::int16_t x = platform::CInt(aSprite.X + platform::IntDiv(aSprite.width, 2));
    const std::int16_t y = platform::CInt(aSprite.Y + platform::IntDiv(aSprite.Height, 2));
    for (std::size_t index = 0; index < tc::Tiles.size(); ++index) {
        const SpriteClass& cell = tc::Tiles[index];
        // All four edges belong to the cell, so a point on a shared edge goes to the lower index.
        if (cell.X <= x && x <= cell.X + cell.width && cell.Y <= y && y <= cell.Y + cell.Height) {
            return static_cast<std::int16_t>(index);
        }
    }
    return -1;
}

// The position tests keep a move from wrapping from one end of a row to the other end of the next.
// A sprite over no cell has no neighbour.
tamblo::Neighbour TambloForm::GetNeighbourTile(const SpriteClass& aSprite,
                                               std::int16_t aDirection) const
{
    const std::int32_t t = FindTileUnder(aSprite);
    if (t < 0) {
        return {};
    }
    const std::int32_t last = static_cast<std::int32_t>(tc::Tiles.size()) - 1;
    std::int32_t n = -1;
    switch (aDirection) {
    case tamblo::DirRight:
        n = t + 1;
        break;
    case tamblo::DirDown:
        n = t + tc::Cols;
        break;
    case tamblo::DirLeft:
        n = t - 1;
        break;
    case tamblo::DirUp:
        n = t - tc::Cols;
        break;
    default:
        return {};
    }
    if (n < 0 || n > last) {
        return {};
    }
    const SpriteClass& cell = tc::Tiles[static_cast<std::size_t>(n)];
    const bool beyond = (aDirection == tamblo::DirRight && cell.X > aSprite.X) ||
                        (aDirection == tamblo::DirDown && cell.Y > aSprite.Y) ||
                        (aDirection == tamblo::DirLeft && cell.X < aSprite.X) ||
                        (aDirection == tamblo::DirUp && cell.Y < aSprite.Y);
    if (!beyond) {
        return {};
    }
    return {static_cast<std::int16_t>(n), static_cast<std::int16_t>(cell.id)};
}

void TambloForm::HideActors()
{
    for (SpriteClass& ghost : Ghosts) {
        ghost.visible = false;
    }
    Player.visible = false;
}

std::int16_t TambloForm::CountDots() const
{
    std::int16_t dots = 0;
    for (const SpriteClass& cell : tc::Tiles) {
        dots = static_cast<std::int16_t>(dots + (cell.id == tamblo::DotTile ? 1 : 0));
    }
    return dots;
}

// ---- The frame

void TambloForm::DrawFrame()
{
    Cls();
    SetDrawWidth(1);
    for (std::size_t index = 0; index < tc::Tiles.size(); ++index) {
        const SpriteClass& cell = tc::Tiles[index];
        const auto image = static_cast<std::size_t>(cell.id);
        if (image < tc::TileImages.size()) {
            tc::TileImages[image].DrawAt(*this, platform::CLng(cell.X), platform::CLng(cell.Y));
        }
        if (ShowTileNumbers) {
            Line(cell.X, cell.Y, cell.X + cell.width, cell.Y + cell.Height, 0, true);
            CurrentX = cell.X;
            CurrentY = cell.Y;
            Print(platform::PrintNumber(static_cast<double>(index)));
        }
    }
    if (Player.visible) {
        PlayerImages[static_cast<std::size_t>(Facing)].DrawTranspAt(*this, platform::CLng(Player.X),
                                                                    platform::CLng(Player.Y));
    }
    // Ghosts cover the figure.
    for (const SpriteClass& ghost : Ghosts) {
        ghost.DrawTransp(*this);
    }
    SmileFace.DrawTransp(*this);
    SadFace.DrawTransp(*this);
    PanelPicture.Draw(*this);
    BorderPicture.Draw(*this);
    GameUtil::DrawPanel(*this, Level, Common::gScore, Lives, LivesIcon);
    DrawPanelButtons();
}
