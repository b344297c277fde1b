// The game-over curtain of the game windows: it falls from rest, faster each pass, holds the game
// still once down, and hands over to the high-score window and a new game.
#include "games/shared/GameWindow.h"
#include "platform/Clock.h"

namespace {

constexpr double CurtainStartSpeed = 10;    // px/s
constexpr double CurtainAcceleration = 125; // px/s per second

} // namespace

void GameWindow::RaiseCurtain(SpriteClass& curtain)
{
    curtain.Reset();
    curtain.visible = false;
    curtain.Y = -curtain.Height;
}

void GameWindow::FallCurtain(SpriteClass& curtain, MMedia& lostGameSound, std::int32_t holdMs)
{
    if (!curtain.visible) {
        if (FxOn) {
            lostGameSound.PlayMedia();
        }
        curtain.visible = true;
        curtain.yMov = CurtainStartSpeed;
        curtain.Update(SpriteClass::RestartClock);
    }
    curtain.yMov += PassMs() / 1000 * CurtainAcceleration;
    curtain.Update(SpriteClass::SincePrevious);
    if (curtain.Y < 0) {
        return;
    }
    curtain.Y = 0;
    DrawFrame();
    Refresh();
    platform::Sleep(holdMs);
    curtain.visible = false;
    ShowHighScoreIfQualifies();
    StartNewGame(false);
    // The hold and the high-score window pass for nothing.
    ResetTimers();
    RestartTimeBase();
}
