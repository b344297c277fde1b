// Krevin from the launcher and back, headless: four Spaces and Enter start it, a key serves, the
// ball bounces off a brick and a wall while the loop runs, Esc returns to the launcher; and a
// replay of a scripted serve that clears a level of one brick and ends waiting on the next level.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Common.h"
#include "games/krevin/KrevinCommon.h"
#include "games/krevin/KrevinForm.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Media.h"
#include "platform/Paths.h"
#include "shell/MenuForm.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/ScriptedProgram.h"

namespace {

namespace kc = KrevinCommon;
using platform::headless::After;
using Mode = krevin::GameMode;

bool MediaSent(std::string_view command)
{
    for (const std::string& sent : platform::headless::MediaLog()) {
        if (sent == command) {
            return true;
        }
    }
    return false;
}

TEST(KrevinEndToEndTest, TheLauncherStartsKrevinWhichServesAndBouncesAndReturnsOnEsc)
{
    platform::headless::Install();
    testsupport::OwnSettings settings;
    testsupport::ResetSharedState();
    platform::SetProgramFolderAsCurrent();
    KrevinForm& game = TheKrevinForm();
    MenuForm& launcher = TheMenuForm();
    std::deque<std::function<void()>> steps = {
        [] {
            for (int i = 0; i < 4; ++i) {
                After(0).KeyPress(platform::vbKeySpace);
            }
            After(100).KeyPress(platform::vbKeyReturn);
            // Level 1 of "easy": served up and to the right at 50 px/s, the ball meets the
            // rightmost brick of the second row after about 6.6 s and the right wall 0.7 s later.
            After(600).KeyPress(platform::vbKeyA);
            After(8600).KeyPress(platform::vbKeyEscape);
        },
        [&] {
            EXPECT_TRUE(launcher.Visible());
            EXPECT_FALSE(game.IsLoaded());
            After(0).KeyPress(platform::vbKeyEscape);
        },
    };
    testsupport::RunProgramSteps(launcher, steps);
    EXPECT_EQ(Common::gGameName, "Krevin");
    EXPECT_EQ(game.Level, 1);
    EXPECT_EQ(game.GameMode, Mode::Playing);
    EXPECT_EQ(Common::gScore, 10);
    EXPECT_TRUE(MediaSent("Play Music\\zentar.mid"));
    EXPECT_TRUE(MediaSent("Play Sfx\\Krevin\\bouncebrick.wav"));
    EXPECT_TRUE(MediaSent("Play Sfx\\Krevin\\bouncewall.wav"));
    EXPECT_TRUE(MediaSent("Close Sfx\\Krevin\\lostball.wav"));
}

class KrevinReplayTest : public testsupport::GameWindowFixture<KrevinForm> {};

TEST_F(KrevinReplayTest, AServeUpTheRightClearsALevelOfOneBrickAndTheNextWaits)
{
    // The ball leaves (400, 439) at 45 degrees and meets the brick at x 580..640, y 230..260 from
    // below, near its left end: it bounces off the bottom.
    WriteMap("Krevin", 1, "\"background\",3\r\n\"brick\",580,230,6\r\n");
    WriteMap("Krevin", 2, "\"background\",4\r\n\"brick\",40,20,1\r\n\"brick\",100,20,2\r\n");
    ShowWindow();
    KeyPress(platform::vbKeySpace);
    ASSERT_TRUE(PassUntil([&] { return Common::gScore == 10; }));
    const SpriteClass& ball = form.Balls[0];
    EXPECT_EQ(ball.Y, 261);
    EXPECT_EQ(ball.xMov, 50);
    EXPECT_EQ(ball.yMov, 50);
    EXPECT_EQ(form.Pad.X, 350);
    ASSERT_TRUE(PassUntil([&] { return form.GameMode != Mode::Playing; }));
    EXPECT_EQ(form.GameMode, Mode::LevelCleared);
    ASSERT_TRUE(PassUntil([&] { return form.GameMode != Mode::LevelCleared; }));
    EXPECT_EQ(form.GameMode, Mode::Waiting);
    EXPECT_EQ(form.Level, 2);
    EXPECT_EQ(form.Lives, 3);
    EXPECT_EQ(Common::gScore, 10);
    EXPECT_EQ(form.CurrentBallSpeed, 50);
    EXPECT_EQ(kc::MapBackground.id, 4);
    EXPECT_EQ(kc::MapBricks.size(), 3U);
    EXPECT_EQ(form.Pad.Y, 455);
}

} // namespace
