// Start-up and ending: the display switch tried at 32, 16, 8 and 4 bits unless Shift is held, a
// second instance that ends at once touching nothing, and Esc restoring display and icons.
#include "shell/StartUp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "common/Common.h"
#include "platform/Desktop.h"
#include "platform/Display.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "shell/MenuForm.h"
#include "tests/shell/ShellFixture.h"

namespace {

using platform::DevMode;

constexpr DevMode Desktop{32, 1024, 768, 60, 0};

DevMode Mode800(std::uint32_t bits)
{
    return DevMode{bits, 800, 600, 60, 0};
}

class StartUpTest : public shelltest::ShellTest {
protected:
    // A display that offers the desktop's mode and 800 x 600 at these depths.
    static void OfferDepths(const std::vector<std::uint32_t>& depths)
    {
        std::vector<DevMode> modes{Desktop};
        for (const std::uint32_t bits : depths) {
            modes.push_back(Mode800(bits));
        }
        platform::headless::SetDisplay(Desktop, modes);
    }

    static std::vector<std::uint32_t> SwitchedDepths()
    {
        std::vector<std::uint32_t> depths;
        for (const auto& attempt : platform::headless::DisplayAttempts()) {
            depths.push_back(attempt.mode.dmBitsPerPel);
        }
        return depths;
    }
};

TEST_F(StartUpTest, TheDisplayTakesTheFirstDepthOf32_16_8_4ThatItOffers)
{
    const struct {
        std::vector<std::uint32_t> offered;
        bool shiftHeld;
        std::vector<std::uint32_t> switched;
        bool fullScreen;
    } cases[] = {
        {{32, 16, 8}, false, {32}, true}, {{8, 16}, false, {16}, true}, {{4, 8}, false, {8}, true},
        {{4}, false, {4}, true},          {{24}, false, {}, false},     {{32, 16}, true, {}, false},
    };
    for (const auto& c : cases) {
        platform::headless::Install();
        OfferDepths(c.offered);
        platform::headless::SetShiftHeldAtStart(c.shiftHeld);
        Common::gFullScreen = !c.fullScreen;
        EXPECT_FALSE(StartUp::BeginProgram());
        EXPECT_EQ(SwitchedDepths(), c.switched) << c.offered.size() << " " << c.shiftHeld;
        EXPECT_EQ(Common::gFullScreen, c.fullScreen);
        EXPECT_EQ(platform::FullScreen(), c.fullScreen);
        StartUp::EndProgram();
        EXPECT_FALSE(platform::FullScreen());
    }
}

TEST_F(StartUpTest, ShiftHeldShowsTheLauncherAsAWindowCaptionedVandrel)
{
    OfferDepths({32});
    platform::headless::SetShiftHeldAtStart(true);
    MenuForm menu;
    menu.Show();
    EXPECT_FALSE(Common::gFullScreen);
    EXPECT_FALSE(platform::headless::IsFullScreen());
    EXPECT_EQ(menu.Caption(), "Vandrel");
    EXPECT_EQ(menu.ScaleWidth(), 800);
    EXPECT_EQ(menu.ScaleHeight(), 600);
    menu.ExitProgram();
}

TEST_F(StartUpTest, LeavingRestoresTheDisplayAndThenTheDesktopIconsAlsoWithShiftHeld)
{
    // With Shift held the display stays as it is, but the icon layout is still kept and restored.
    for (const bool shiftHeld : {false, true}) {
        SCOPED_TRACE(shiftHeld);
        platform::headless::Install();
        platform::headless::UseDevices(true);
        OfferDepths({32});
        platform::headless::SetShiftHeldAtStart(shiftHeld);
        auto& desktop = platform::headless::Desktop();
        desktop.icons = {{10, 20}, {30, 40}};
        MenuForm menu;
        menu.Show();
        EXPECT_EQ(platform::headless::IsFullScreen(), !shiftHeld);
        desktop.icons = {{0, 0}, {0, 0}}; // the display change, or the user, moved them
        platform::headless::After(0).KeyPress(platform::vbKeyEscape);
        EXPECT_EQ(platform::RunProgram(menu), 0);

        EXPECT_FALSE(menu.IsLoaded());
        EXPECT_FALSE(platform::headless::IsFullScreen());
        if (!shiftHeld) {
            ASSERT_FALSE(platform::headless::DisplayAttempts().empty());
            EXPECT_EQ(platform::headless::DisplayAttempts().back().mode.dmPelsWidth, 1024u);
        }
        EXPECT_EQ(desktop.icons[0].x, 10);
        EXPECT_EQ(desktop.icons[1].y, 40);
    }
}

// Runs as its own process: another process holds the instance lock, then the launcher starts.
// Exits with 0 when the launcher ended at once and touched nothing.
[[noreturn]] void StartAsSecondInstance()
{
    int ready[2];
    int done[2];
    if (::pipe(ready) != 0 || ::pipe(done) != 0) {
        std::_Exit(2);
    }
    const pid_t first = ::fork();
    if (first == 0) {
        const char taken = platform::AnotherInstanceRunning() ? 'n' : 'y';
        static_cast<void>(::write(ready[1], &taken, 1));
        char ignored = 0;
        static_cast<void>(::read(done[0], &ignored, 1));
        std::_Exit(0);
    }
    char taken = 0;
    if (first < 0 || ::read(ready[0], &taken, 1) != 1 || taken != 'y') {
        std::_Exit(3);
    }

    platform::headless::SetDisplay(Desktop, {Desktop, Mode800(32)});
    platform::headless::Desktop().icons = {{10, 20}};
    MenuForm menu;
    const std::int32_t result = platform::RunProgram(menu);
    const bool untouched =
        result == 0 && !menu.IsLoaded() && platform::LoadedFormCount() == 0 &&
        platform::headless::DisplayAttempts().empty() && !Common::gFullScreen &&
        platform::headless::Desktop().placements.empty() &&
        platform::headless::Desktop().toggles == 0 && platform::headless::MediaLog().empty() &&
        !std::filesystem::exists(platform::settings::FilePath(Common::AppName)) &&
        platform::headless::PresentCount() == 0;

    static_cast<void>(::write(done[1], "x", 1));
    int status = 0;
    ::waitpid(first, &status, 0);
    std::_Exit(untouched ? 0 : 1);
}

TEST_F(StartUpTest, ASecondInstanceEndsAtOnceAndChangesNothing)
{
    // A fresh process, so that this one's own lock plays no part.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(StartAsSecondInstance(), ::testing::ExitedWithCode(0), "");
}

} // namespace
