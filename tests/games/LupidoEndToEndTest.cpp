// Lupido from the launcher and back, headless: Space three times and Enter start it, a scripted
// crossing of level 1 in mode easy reaches home, the options dialog shows the field under it, and
// Esc returns to the launcher.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <vector>

#include "common/Common.h"
#include "games/lupido/LupidoForm.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Paths.h"
#include "platform/Picture.h"
#include "platform/Settings.h"
#include "shell/MenuForm.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/ScriptedProgram.h"
#include "toolkit/GameUtil.h"

namespace {

using platform::headless::After;

TEST(LupidoEndToEndTest, TheLauncherStartsLupidoWhoseRabbitCrossesLevelOneAndReturnsOnEsc)
{
    platform::headless::Install();
    testsupport::ResetSharedState();
    platform::headless::ClearMediaLog();
    std::filesystem::remove(platform::settings::FilePath("Vandrel"));
    platform::SetProgramFolderAsCurrent();
    Common::gFullScreen = false;
    Common::gStopHint = false;
    GameUtil::SetRandomState(11);
    LupidoForm& game = TheLupidoForm();
    const auto picture = [](const char* name) {
        const auto bitmap = platform::LoadPicture(std::string("Gfx\\Lupido\\easy\\") + name);
        return bitmap ? static_cast<platform::Color>(bitmap->pixels[30 * 60 + 30]) : 0;
    };

    std::deque<std::function<void()>> steps;
    // Space scans on from wherever an earlier showing left the launcher, up to the third icon.
    std::function<void()> scan = [&] {
        if (!TheMenuForm().Icon(2).active) {
            After(0).KeyPress(platform::vbKeySpace);
            steps.push_front(scan);
            return;
        }
        // Level 1 has a river at y 120 with logs drifting right at 32 px/s and roads at y 240 and
        // 300: hops up between the cars and onto a log reach home.
        After(100).KeyPress(platform::vbKeyReturn);
        for (const int at : {1100, 6100, 7200, 8300, 9400, 10500}) {
            After(at).KeyPress(platform::vbKeyUp);
        }
        After(11500).KeyPress(platform::vbKeyF1);
    };
    steps = {
        scan,
        [&] {
            // The options dialog over the field: the rabbit at home turns to its parents, on the
            // meadow.
            EXPECT_TRUE(game.Options.Visible());
            const platform::Color rabbit = platform::headless::ScreenPixel(400, 90);
            EXPECT_TRUE(rabbit == picture("rabbit1.gif") || rabbit == picture("rabbit3.gif"));
            EXPECT_EQ(platform::headless::ScreenPixel(5, 450), platform::Rgb(133, 197, 86));
            After(0).KeyPress(platform::vbKeyEscape);
            After(100).KeyPress(platform::vbKeyEscape);
        },
        [&] {
            EXPECT_TRUE(TheMenuForm().Visible());
            EXPECT_FALSE(game.IsLoaded());
            After(0).KeyPress(platform::vbKeyEscape);
        },
    };
    testsupport::RunProgramSteps(TheMenuForm(), steps);
    EXPECT_EQ(Common::gGameName, "Lupido");
    EXPECT_EQ(Common::gScore, 10);
    EXPECT_EQ(game.Level, 1);
    EXPECT_EQ(game.GameMode, lupido::GameMode::HomeReached);
}

} // namespace
