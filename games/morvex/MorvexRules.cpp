// The rules of Morvex: a ship in the middle of the field turns, thrusts and shoots at rocks that
// drift and wrap at the edges; a large rock splits into two medium ones, a medium one into two
// small ones in "normal"; a rock that touches the ship costs a life and the last rock clears the
// level. In the order a pass runs: level set-up and rock pools, one pass by state, the frame.
#include <algorithm>

#include "common/Common.h"
#include "games/morvex/MorvexAfterburner.h"
#include "games/morvex/MorvexCommon.h"
#include "games/morvex/MorvexForm.h"
#include "games/shared/LevelBackground.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "toolkit/GameUtil.h"

namespace {

namespace mc = MorvexCommon;
using Mode = morvex::GameMode;

constexpr std::int16_t StartLives = 3;
constexpr double FieldWidth = 800;
constexpr double FieldHeight = 480;
constexpr std::int32_t RockExplosionMs = 150;
constexpr std::int32_t ShipExplosionMs = 3000;
constexpr std::int16_t FlyOutSpeed = 100; // px/s
constexpr std::int16_t SparkSpread = 20;  // px/s towards +x and +y
// A rock's speed components are drawn from -LevelRockSpeed..LevelRockSpeed, a span that must stay
// within 16 bits; the speed-up at each wrap stops here.
constexpr std::int16_t MaxLevelRockSpeed = 16383;
constexpr std::int16_t PlainColour = 2;
constexpr platform::Color SpaceColour = platform::Rgb(0, 0, 0);

// The points of a rock by kind.
std::int32_t RockScore(std::int32_t kind)
{
    switch (kind) {
    case mc::Large:
        return 10;
    case mc::Medium:
        return 20;
    case mc::Small:
        return 40;
    default:
        return 0;
    }
}

bool KeyHeld(std::int16_t key)
{
    return (platform::GetKeyState(key) & 0x1000) != 0;
}

float FullTurn()
{
    return static_cast<float>(2 * GameUtil::Pi());
}

// The first hidden rock of a pool, or nullptr.
SpriteClass* SpareRock(std::vector<SpriteClass>& pool)
{
    const auto spare =
        std::find_if(pool.begin(), pool.end(), [](const SpriteClass& r) { return !r.visible; });
    return spare == pool.end() ? nullptr : &*spare;
}

// A pool of count hidden rocks of a kind, each with its own speed for the level and one of the
// four pictures of its size.
void FillPool(std::vector<SpriteClass>& pool, std::size_t count, std::int32_t kind,
              const std::array<SpriteClass, 4>& pictures, std::int16_t speed)
{
    pool.assign(count, SpriteClass{});
    for (SpriteClass& rock : pool) {
        rock.id = kind;
        rock.visible = false;
        rock.xMov = GameUtil::RandomInt(static_cast<std::int16_t>(-speed), speed);
        rock.yMov = GameUtil::RandomInt(static_cast<std::int16_t>(-speed), speed);
        rock.SetSpriteDC(pictures[static_cast<std::size_t>(GameUtil::RandomInt(0, 3))]);
    }
}

bool OffField(const SpriteClass& sprite)
{
    return sprite.Right() < 0 || sprite.Left() > FieldWidth || sprite.Bottom() < 0 ||
           sprite.Top() > FieldHeight;
}

} // namespace

// ---- Level set-up

void MorvexForm::InitLevel(bool newGame, bool loadMap)
{
    if (newGame) {
        Lives = StartLives;
        Common::gScore = 0;
        Level = 1;
        LevelRockSpeed = RockSpeed;
    }
    if (loadMap && LoadLevelMap("Morvex", Level, mc::LoadMap) == LevelLoad::WrappedToFirst) {
        LevelRockSpeed = std::min(platform::CInt(LevelRockSpeed * 1.5), MaxLevelRockSpeed);
    }
    // Every level clears once and plays its fanfare once.
    WonSoundPlayed = false;
    StarsLaunched = false;
    ShipAngle = 0;
    SetShipFrame();
    Ship.X = FieldWidth / 2 - platform::IntDiv(Ship.width, 2);
    Ship.Y = FieldHeight / 2 - platform::IntDiv(Ship.Height, 2);
    Ship.visible = true;
    for (SpriteClass& shot : Shots) {
        shot.X = FieldWidth + 10;
        shot.visible = false;
    }
    for (SpriteClass* sprite :
         {&ShipExplosion, &SmallExplosion, &MediumExplosion, &LargeExplosion, &Afterburner}) {
        sprite->visible = false;
    }
    RaiseCurtain(Curtain);
    for (SpriteClass& star : Stars) {
        star.visible = false;
    }
    if (loadMap) {
        // Only the plain colour changes the back colour, which also fills a field without a
        // picture.
        if (Background != PlainColour) {
            SetBackColor(SpaceColour);
        }
        LoadLevelBackground(*this, mc::MapBackground, Background, "Morvex",
                            {"Gfx\\Morvex\\simpleBg", 2, true});
    }
    BuildRockPools();
    StartStopHint(newGame);
    GameMode = Mode::Waiting;
}

std::int16_t MorvexForm::CountMapRocks(std::int32_t kind)
{
    return static_cast<std::int16_t>(
        std::count_if(mc::MapRocks.begin(), mc::MapRocks.end(),
                      [kind](const SpriteClass& r) { return r.visible && r.id == kind; }));
}

// Every map rock of the level and room for every fragment: two medium rocks for each large one,
// two small ones for each medium one. Splitting only shows spares, so play never allocates.
void MorvexForm::BuildRockPools()
{
    const std::size_t large = std::max<std::size_t>(CountMapRocks(mc::Large), 1);
    const std::size_t medium = 2 * large + static_cast<std::size_t>(CountMapRocks(mc::Medium));
    const std::size_t small = 2 * medium + static_cast<std::size_t>(CountMapRocks(mc::Small));
    FillPool(LargeRocks, large, mc::Large, LargeRockPictures, LevelRockSpeed);
    FillPool(MediumRocks, medium, mc::Medium, MediumRockPictures, LevelRockSpeed);
    FillPool(SmallRocks, small, mc::Small, SmallRockPictures, LevelRockSpeed);
    // Pool rock k of a size is the k-th map rock of that size.
    std::size_t next[3] = {0, 0, 0};
    std::vector<SpriteClass>* pools[3] = {&LargeRocks, &MediumRocks, &SmallRocks};
    for (const SpriteClass& entry : mc::MapRocks) {
        if (!entry.visible || entry.id < mc::Large || entry.id > mc::Small) {
            continue;
        }
        const auto kind = static_cast<std::size_t>(entry.id);
        SpriteClass& rock = (*pools[kind])[next[kind]++];
        rock.X = entry.X;
        rock.Y = entry.Y;
        rock.visible = true;
    }
}

void MorvexForm::StartGame()
{
    Ship.Update(SpriteClass::RestartClock);
    GameMode = Mode::Playing;
}

void MorvexForm::UpdateScore(std::int32_t kind)
{
    Common::gScore += RockScore(kind);
}

// ---- One pass

void MorvexForm::UpdateGame(double aNow, double aLast)
{
    switch (GameMode) {
    case Mode::Waiting:
        UpdateWaiting();
        break;
    case Mode::Playing:
        UpdatePlaying(platform::CLng(aNow - aLast));
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
        ResetTimers();
        break;
    }
    UpdateStopHint(GameMode == Mode::Waiting);
}

// Nothing moves; a joystick direction or button starts play (keys and clicks do so in their
// handlers).
void MorvexForm::UpdateWaiting()
{
    ResetTimers();
    if (AnyStickInput()) {
        StartGame();
    }
}

void MorvexForm::UpdatePlaying(std::int32_t elapsed)
{
    Ship.StopSprite();
    Afterburner.visible = false;
    Afterburner.Update(SpriteClass::SincePrevious);
    if (Common::gOneButton) {
        RightHeld = true;
    }
    TurnShip(elapsed);
    ThrustShip();
    Ship.Update(SpriteClass::SincePrevious);
    if (Ship.Top() < 0) {
        Ship.Y = 1;
    }
    if (Ship.Bottom() > FieldHeight) {
        Ship.Y = FieldHeight - Ship.Height - 1;
    }
    if (Ship.Right() > FieldWidth) {
        Ship.X = FieldWidth - Ship.width - 1;
    }
    if (Ship.Left() < 0) {
        Ship.X = 1;
    }
    PlaceAfterburner();
    if (KeyHeld(platform::vbKeyReturn)) {
        FireShot();
    }
    if (Stick.IsButtonDown() != -1) {
        FireShot();
    }
    MoveShots();
    for (SpriteClass* explosion : {&SmallExplosion, &MediumExplosion, &LargeExplosion}) {
        explosion->Update(SpriteClass::SincePrevious);
    }
    for (auto* pool : {&LargeRocks, &MediumRocks, &SmallRocks}) {
        if (MoveRocks(*pool)) {
            GameMode = Mode::LifeLost;
        }
    }
    if (GameUtil::CountVisible(LargeRocks) == 0 && GameUtil::CountVisible(MediumRocks) == 0 &&
        GameUtil::CountVisible(SmallRocks) == 0) {
        GameMode = Mode::LevelCleared;
    }
}

// Both turns run when both are asked for. A turn past a full circle starts again at exactly 0, one
// below 0 at exactly a full circle.
void MorvexForm::TurnShip(std::int32_t elapsed)
{
    const float step = RotateSpeed * static_cast<float>(elapsed) / 1000;
    if (Stick.IsRight() || RightHeld) {
        PlayIfStopped(RotateSound);
        ShipAngle += step;
        if (ShipAngle > FullTurn()) {
            ShipAngle = 0;
        }
        SetShipFrame();
        Afterburner.visible = true;
    }
    if (Stick.IsLeft() || LeftHeld) {
        PlayIfStopped(RotateSound);
        ShipAngle -= step;
        if (ShipAngle < 0) {
            ShipAngle = FullTurn();
        }
        SetShipFrame();
        Afterburner.visible = true;
    }
}

// The ship moves only while thrust is held, along its shown heading; backward wins over forward.
void MorvexForm::ThrustShip()
{
    const float heading = GameUtil::DegToRad(ShipFrame * 10);
    if (KeyHeld(platform::vbKeyUp) || Stick.IsUp()) {
        PlayIfStopped(ForwardSound);
        Ship.MoveInAngle(heading, ShipSpeed);
        Afterburner.visible = true;
    }
    if (KeyHeld(platform::vbKeyDown) || Stick.IsDown()) {
        PlayIfStopped(ForwardSound);
        Ship.MoveInAngle(heading, static_cast<std::int16_t>(-ShipSpeed));
        Afterburner.visible = true;
    }
}

void MorvexForm::PlayIfStopped(MMedia& sound)
{
    if (FxOn && sound.Status() == "stopped") {
        sound.PlayMedia();
    }
}

void MorvexForm::SetShipFrame()
{
    ShipFrame = platform::CInt(GameUtil::RadToDeg(ShipAngle) / 10);
    // Frame 36 is heading 0 again and keeps the picture the ship has.
    if (ShipFrame >= 0 && ShipFrame < static_cast<std::int16_t>(morvex::ShipHeadings)) {
        Ship.SetSpriteDC(ShipFrames[static_cast<std::size_t>(ShipFrame)]);
    }
}

void MorvexForm::PlaceAfterburner()
{
    const auto frame = static_cast<std::size_t>(std::clamp<std::int16_t>(ShipFrame, 0, 36));
    Afterburner.X = Ship.X + morvex::AfterburnerOffsetX[frame];
    Afterburner.Y = Ship.Y + morvex::AfterburnerOffsetY[frame];
}

// A shot leaves from half-way between the ship's middle and the edge of its picture, along the
// shown heading.
void MorvexForm::FireShot()
{
    SpriteClass* const free = TakeShot(Shots, LastShotTime, FireSounds);
    if (free == nullptr) {
        return;
    }
    SpriteClass& shot = *free;
    const float heading = GameUtil::DegToRad(ShipFrame * 10);
    const std::int32_t n = platform::CLng(Ship.width * std::cos(heading));
    const std::int32_t m = platform::CLng(Ship.Height * std::sin(heading));
    shot.X = Ship.X + platform::IntDiv(Ship.width, 2) + platform::IntDiv(n, 2) -
             platform::IntDiv(shot.width, 2);
    shot.Y = Ship.Y + platform::IntDiv(Ship.Height, 2) + platform::IntDiv(m, 2) -
             platform::IntDiv(shot.Height, 2);
    shot.MoveInAngle(heading, ShotSpeed);
    shot.visible = true;
    LastShotTime = GameUtil::GetTickMs();
}

// Shots fly on until they lie wholly beyond an edge.
void MorvexForm::MoveShots()
{
    ShotPicture.Update(SpriteClass::SincePrevious);
    for (SpriteClass& shot : Shots) {
        shot.Update(SpriteClass::SincePrevious);
        if (OffField(shot)) {
            shot.visible = false;
        }
    }
}

// Every rock drifts and wraps, spares too. The first visible rock touching the ship ends the pass
// for the pool; the first one a shot touches is destroyed, and the pool's later rocks wait for the
// next pass (each rock measures its own time, so they lose no distance).
bool MorvexForm::MoveRocks(std::vector<SpriteClass>& pool)
{
    for (SpriteClass& rock : pool) {
        rock.Update(SpriteClass::SincePrevious);
        // A rock leaves one edge wholly before it comes back, wholly outside, at the other.
        if (rock.X > FieldWidth) {
            rock.X = -rock.width;
        }
        if (rock.Right() < 0) {
            rock.X = FieldWidth;
        }
        if (rock.Y > FieldHeight) {
            rock.Y = -rock.Height;
        }
        if (rock.Bottom() < 0) {
            rock.Y = FieldHeight;
        }
        if (!rock.visible) {
            continue;
        }
        if (rock.PixelCollision(Ship)) {
            return true;
        }
        const auto shot = std::find_if(Shots.begin(), Shots.end(), [&rock](const SpriteClass& s) {
            return s.visible && s.PixelCollision(rock);
        });
        if (shot != Shots.end()) {
            if (FxOn) {
                RockHitSound.PlayMedia();
            }
            shot->visible = false;
            rock.visible = false;
            UpdateScore(rock.id);
            SplitRock(rock);
            SpriteClass& explosion = rock.id == mc::Large    ? LargeExplosion
                                     : rock.id == mc::Medium ? MediumExplosion
                                                             : SmallExplosion;
            explosion.X = rock.X;
            explosion.Y = rock.Y;
            explosion.VisibleFor(RockExplosionMs);
            return false;
        }
    }
    return false;
}

// Fragments are spares of the next smaller pool shown where the rock was; they keep the speed and
// picture they were given at the level's set-up. Without a spare there is no fragment.
void MorvexForm::SplitRock(const SpriteClass& rock)
{
    std::vector<SpriteClass>* fragments = nullptr;
    if (rock.id == mc::Large) {
        fragments = &MediumRocks;
    } else if (rock.id == mc::Medium && Common::gMode == "normal") {
        fragments = &SmallRocks;
    }
    if (fragments == nullptr) {
        return;
    }
    for (int i = 0; i < 2; ++i) {
        if (SpriteClass* spare = SpareRock(*fragments)) {
            spare->X = rock.X;
            spare->Y = rock.Y;
            spare->visible = true;
        }
    }
}

// The ship flies straight on along its heading with the fanfare, six sparks leaving its flame
// backwards; once wholly off the field the next level starts.
void MorvexForm::FlyOutShip()
{
    if (OffField(Ship)) {
        WonSoundPlayed = false;
        StarsLaunched = false;
        ++Level;
        InitLevel(false, true);
        return;
    }
    if (FxOn) {
        if (!WonSoundPlayed) {
            RockHitSound.StopMedia();
            ForwardSound.StopMedia();
            RotateSound.StopMedia();
            PlayIfStopped(WonSound);
            WonSoundPlayed = true;
        }
        PlayIfStopped(ForwardSound);
    }
    Ship.MoveInAngle(GameUtil::DegToRad(ShipFrame * 10), FlyOutSpeed);
    Ship.Update(SpriteClass::SincePrevious);
    for (SpriteClass* sprite : {&Afterburner, &SmallExplosion, &MediumExplosion, &LargeExplosion}) {
        sprite->Update(SpriteClass::SincePrevious);
    }
    for (SpriteClass& shot : Shots) {
        shot.Update(SpriteClass::SincePrevious);
    }
    for (SpriteClass& star : Stars) {
        star.Update(SpriteClass::SincePrevious);
    }
    PlaceAfterburner();
    if (!StarsLaunched) {
        for (SpriteClass& star : Stars) {
            star.X = Afterburner.X;
            star.Y = Afterburner.Y;
            star.xMov = -Ship.xMov + GameUtil::RandomInt(0, SparkSpread);
            star.yMov = -Ship.yMov + GameUtil::RandomInt(0, SparkSpread);
            star.Update(SpriteClass::RestartClock);
            star.visible = true;
        }
        Afterburner.visible = true;
        StarsLaunched = true;
    }
}

// The explosion shows for 3000 ms where the ship was; then a life is gone. Nothing else moves.
void MorvexForm::ExplodeShip()
{
    const std::int32_t now = GameUtil::GetTickMs();
    if (ShipExplosion.visible) {
        ShipExplosion.Update(SpriteClass::SincePrevious);
    } else {
        if (FxOn) {
            ShipExplodeSound.PlayMedia();
        }
        Ship.visible = false;
        Afterburner.visible = false;
        ShipExplosion.visible = true;
        ShipExplosion.Reset();
        ShipExplosion.id = now + ShipExplosionMs;
    }
    if (GameUtil::TicksBetween(ShipExplosion.id, now) > 0) {
        --Lives;
        if (Lives <= 0) {
            GameMode = Mode::GameOver;
        } else {
            InitLevel(false, false);
        }
    }
}

// The curtain falls; once down the game stands still for five seconds, hands a qualifying score to
// the high-score window and starts anew.
void MorvexForm::ShowGameOver()
{
    FallCurtain(Curtain, LostGameSound);
}

// ---- The frame

void MorvexForm::DrawFrame()
{
    DrawLevelBackground(*this, mc::MapBackground);
    Afterburner.DrawTransp(*this);
    Ship.DrawTransp(*this);
    for (const auto* pool : {&LargeRocks, &MediumRocks, &SmallRocks}) {
        for (const SpriteClass& rock : *pool) {
            rock.DrawTransp(*this);
        }
    }
    for (const SpriteClass& shot : Shots) {
        if (shot.visible) {
            ShotPicture.DrawTranspAt(*this, platform::CLng(shot.X), platform::CLng(shot.Y));
        }
    }
    for (const SpriteClass& star : Stars) {
        star.DrawTransp(*this);
    }
    if (GameMode == Mode::LifeLost) {
        ShipExplosion.DrawTranspAt(*this, platform::CLng(Ship.X), platform::CLng(Ship.Y));
    }
    for (const SpriteClass* explosion : {&SmallExplosion, &MediumExplosion, &LargeExplosion}) {
        explosion->DrawTransp(*this);
    }
    Curtain.Draw(*this);
    Panel.Draw(*this);
    PanelBorder.Draw(*this);
    GameUtil::DrawPanel(*this, Level, Common::gScore, Lives, ShipFrames[27]);
    DrawPanelButtons();
}
