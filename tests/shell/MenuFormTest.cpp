// The launcher: the Space scan and its pointer warps, the one-button timer, launching through the
// game registry and coming back, hotspots, Esc and the close box, and the options dialog's effects.
#include "shell/MenuForm.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/Common.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "shell/GameRegistry.h"
#include "shell/MenuOptions.h"
#include "tests/shell/ShellFixture.h"

namespace {

using platform::Point;
using shelltest::MediaSent;
using shelltest::Save;

// A game window that goes back to the launcher on Esc, or at once while it loads.
class FakeGame : public platform::Form {
public:
    MenuForm* launcher = nullptr;
    bool leaveWhileLoading = false;
    int loads = 0;

    void Leave()
    {
        launcher->Show();
        Unload();
    }

protected:
    void Form_Load() override
    {
        ++loads;
        if (leaveWhileLoading) {
            Leave();
        }
    }
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t) override
    {
        if (keyCode == platform::vbKeyEscape) {
            Leave();
        }
    }
};

FakeGame& TheFakeGame()
{
    static auto* const game = new FakeGame;
    return *game;
}

platform::Form& FakeGameWindow()
{
    return TheFakeGame();
}

// The centre of an icon, where the scan puts the pointer (the launcher fills the screen).
Point IconCentre(const SpriteClass& icon)
{
    return Point{static_cast<std::int32_t>(icon.X) + icon.width / 2,
                 static_cast<std::int32_t>(icon.Y) + icon.Height / 2};
}

void RunPending()
{
    platform::DoEvents();
    platform::DoEvents();
}

class MenuFormTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        FakeGame& game = TheFakeGame();
        game.launcher = &menu;
        game.leaveWhileLoading = false;
        game.loads = 0;
    }
    void TearDown() override
    {
        for (std::int16_t i = 0; i < GameRegistry::GameCount; ++i) {
            GameRegistry::Register(static_cast<GameRegistry::Game>(i), nullptr);
        }
        if (TheFakeGame().IsLoaded()) {
            TheFakeGame().Unload();
        }
        if (menu.IsLoaded()) {
            menu.ExitProgram();
        }
    }

    // Shows the launcher for the first time: the splash, then the launcher itself.
    void Start()
    {
        menu.Show();
        ASSERT_TRUE(menu.Visible());
    }

    MenuForm menu;
};

TEST_F(MenuFormTest, TheSplashShowsForFiveSecondsOnTheFirstShowingOnly)
{
    const std::int64_t before = platform::headless::Elapsed();
    Start();
    EXPECT_GE(platform::headless::Elapsed() - before, 5000);

    GameRegistry::Register(GameRegistry::Game::Krevin, FakeGameWindow);
    menu.LaunchGame(3);
    ASSERT_TRUE(TheFakeGame().IsLoaded());
    const std::int64_t launched = platform::headless::Elapsed();
    TheFakeGame().Leave();
    EXPECT_TRUE(menu.Visible());
    EXPECT_LT(platform::headless::Elapsed() - launched, 5000);
}

TEST_F(MenuFormTest, SevenSpacePressesFromAFreshStartEndOnTheTambloIcon)
{
    Start();
    for (int i = 0; i < 7; ++i) {
        platform::headless::After(0).KeyPress(platform::vbKeySpace);
    }
    RunPending();

    const std::vector<std::size_t> order{0, 1, 2, 3, 4, 5, 0};
    const auto& warps = platform::headless::Warps();
    ASSERT_EQ(warps.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(warps[i], IconCentre(menu.Icon(order[i]))) << "press " << i + 1;
    }
    EXPECT_EQ(menu.ScanIndex(), 1);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(menu.Icon(i).active, i == 0) << i;
    }
}

TEST_F(MenuFormTest, TheOneButtonTimerScansEveryTwoSecondsButNotWhileTheOptionsAreOpen)
{
    Save("Menu", "OneButton", "True");
    Start();
    EXPECT_TRUE(Common::gOneButton);
    ASSERT_TRUE(menu.OneButtonTimer().Enabled());

    platform::virtualclock::Advance(2000);
    RunPending();
    EXPECT_EQ(menu.ScanIndex(), 1);
    EXPECT_TRUE(menu.Icon(0).active);

    // F1 opens the dialog; Esc closes it 9 seconds later without a scan in between.
    const std::size_t warps = platform::headless::Warps().size();
    const std::int64_t opened = platform::headless::Elapsed();
    platform::headless::After(0).KeyPress(platform::vbKeyF1);
    platform::headless::After(9000).KeyPress(platform::vbKeyEscape);
    RunPending();
    EXPECT_GE(platform::headless::Elapsed() - opened, 9000);
    EXPECT_EQ(platform::headless::Warps().size(), warps + 1); // the dialog's own pointer move
    EXPECT_FALSE(TheMenuOptions().IsLoaded());
    EXPECT_EQ(menu.ScanIndex(), 1);
    EXPECT_TRUE(menu.OneButtonTimer().Enabled());

    platform::virtualclock::Advance(2000);
    RunPending();
    EXPECT_EQ(menu.ScanIndex(), 2);
    EXPECT_TRUE(menu.Icon(1).active);
}

TEST_F(MenuFormTest, OkInTheOptionsRereadsTheMenuKeys)
{
    Save("Menu", "OneButton", "1");
    Start();
    ASSERT_TRUE(menu.OneButtonTimer().Enabled());
    ASSERT_TRUE(MediaSent("Play Music\\menu.mid"));

    // In the dialog: two-button play, music off, then the OK picture.
    MenuOptions& options = TheMenuOptions();
    bool scripted = false;
    platform::headless::OnIdle([&] {
        if (scripted || !options.Visible()) {
            return;
        }
        scripted = true;
        auto click = [&](std::int32_t x, std::int32_t y) {
            Point point{x, y};
            platform::ClientToScreen(options, &point);
            platform::headless::After(0).Click(platform::vbLeftButton, point.x, point.y);
        };
        click(options.modeOption[1].Left() + 30, options.modeOption[1].Top() + 30);
        click(options.MusicButton.Left() + 30, options.MusicButton.Top() + 30);
        click(static_cast<std::int32_t>(options.OkSprite.X) + 5,
              static_cast<std::int32_t>(options.OkSprite.Y) + 5);
    });
    platform::headless::ClearMediaLog();
    platform::headless::After(0).KeyPress(platform::vbKeyF1);
    RunPending();
    platform::headless::OnIdle(nullptr);

    EXPECT_FALSE(options.IsLoaded());
    EXPECT_TRUE(Common::gOptionsOk);
    EXPECT_FALSE(Common::gOneButton);
    EXPECT_FALSE(menu.OneButtonTimer().Enabled());
    EXPECT_FALSE(menu.MusicOption());
    EXPECT_TRUE(MediaSent("Play Sfx\\click.wav"));
    EXPECT_TRUE(MediaSent("Stop Music\\menu.mid"));
}

TEST_F(MenuFormTest, EnterLaunchesTheActiveIconsGameAndTheSameGameAgainAfterItsReturn)
{
    GameRegistry::Register(GameRegistry::Game::Zentar, FakeGameWindow);
    Start();
    platform::headless::After(0).KeyPress(platform::vbKeyReturn); // nothing selected
    RunPending();
    EXPECT_EQ(TheFakeGame().loads, 0);
    EXPECT_TRUE(menu.Visible());

    platform::headless::After(0).KeyPress(platform::vbKeySpace);
    platform::headless::After(0).KeyPress(platform::vbKeySpace);
    RunPending();
    ASSERT_TRUE(menu.Icon(1).active);
    platform::headless::ClearMediaLog();
    platform::headless::After(0).KeyPress(platform::vbKeyReturn);
    RunPending();
    EXPECT_EQ(TheFakeGame().loads, 1);
    EXPECT_TRUE(TheFakeGame().Visible());
    EXPECT_FALSE(menu.IsLoaded());
    EXPECT_TRUE(MediaSent("Stop Music\\menu.mid"));
    EXPECT_EQ(menu.Icon(1).totalFrames, 0); // the launcher's pictures are freed

    platform::headless::After(0).KeyPress(platform::vbKeyEscape); // the game leaves
    RunPending();
    EXPECT_FALSE(TheFakeGame().IsLoaded());
    EXPECT_TRUE(menu.Visible());
    EXPECT_EQ(menu.ScanIndex(), 2);
    EXPECT_TRUE(menu.Icon(1).active);
    EXPECT_GT(menu.Icon(1).totalFrames, 0);

    platform::headless::After(0).KeyPress(platform::vbKeyReturn);
    RunPending();
    EXPECT_EQ(TheFakeGame().loads, 2);
    EXPECT_FALSE(menu.IsLoaded());
}

TEST_F(MenuFormTest, AGameNotYetRegisteredLeavesTheLauncherAsItIs)
{
    Start();
    platform::headless::ClearMediaLog();
    for (std::int16_t index = 0; index < 6; ++index) {
        menu.LaunchGame(index);
    }
    EXPECT_TRUE(menu.Visible());
    EXPECT_TRUE(platform::headless::MediaLog().empty());
    EXPECT_EQ(platform::headless::PointerShape(), platform::MousePointer::Default);
}

TEST_F(MenuFormTest, AGameThatLeavesWhileItLoadsLeavesAWorkingLauncher)
{
    GameRegistry::Register(GameRegistry::Game::Quadrel, FakeGameWindow);
    TheFakeGame().leaveWhileLoading = true;
    Start();
    platform::headless::ClearMediaLog();
    menu.LaunchGame(5);
    EXPECT_EQ(TheFakeGame().loads, 1);
    EXPECT_FALSE(TheFakeGame().IsLoaded());
    EXPECT_TRUE(menu.Visible());
    EXPECT_TRUE(MediaSent("Play Music\\menu.mid"));
    EXPECT_EQ(platform::headless::PointerShape(), platform::MousePointer::Default);

    platform::headless::After(0).KeyPress(platform::vbKeySpace);
    RunPending();
    EXPECT_TRUE(menu.Icon(0).active);
}

TEST_F(MenuFormTest, AClickLaunchesTheIconUnderThePointerAndNothingElsewhere)
{
    GameRegistry::Register(GameRegistry::Game::Lupido, FakeGameWindow);
    Start();
    const Point lupido = IconCentre(menu.Icon(2));
    platform::headless::After(0).Click(platform::vbRightButton, 200, 100);
    RunPending();
    EXPECT_TRUE(menu.Visible());
    platform::headless::After(0).Click(platform::vbLeftButton, lupido.x, lupido.y);
    RunPending();
    EXPECT_EQ(TheFakeGame().loads, 1);
    EXPECT_FALSE(menu.IsLoaded());
}

TEST_F(MenuFormTest, TheExitHotspotIsFramedInBlueWhileThePointerRestsOnIt)
{
    Start();
    const platform::Color blue = 0xFF0000;
    // The frame lies 3 to 6 pixels outside the 56 x 56 area at (10, 10).
    platform::headless::After(0).MouseMove(30, 30);
    RunPending();
    EXPECT_EQ(platform::headless::ScreenPixel(5, 30), blue);
    EXPECT_EQ(platform::headless::ScreenPixel(70, 30), blue);
    EXPECT_NE(platform::headless::ScreenPixel(727, 30), blue); // the options hotspot is not

    platform::headless::After(0).MouseMove(750, 40);
    RunPending();
    EXPECT_NE(platform::headless::ScreenPixel(5, 30), blue);
    EXPECT_EQ(platform::headless::ScreenPixel(727, 30), blue);
}

TEST_F(MenuFormTest, EscLeavesWithoutAClickAndTheExitHotspotClicksFirst)
{
    const struct {
        bool hotspot;
        const char* fxOn;
        bool clicks;
    } cases[] = {{false, "1", false}, {true, "1", true}, {true, "0", false}};
    for (const auto& c : cases) {
        Save("Menu", "FxOn", c.fxOn);
        MenuForm launcher;
        launcher.Show();
        platform::headless::ClearMediaLog();
        if (c.hotspot) {
            platform::headless::After(0).Click(platform::vbLeftButton, 20, 20);
        } else {
            platform::headless::After(0).KeyPress(platform::vbKeyEscape);
        }
        EXPECT_EQ(platform::RunProgram(launcher), 0);
        EXPECT_FALSE(launcher.IsLoaded());
        EXPECT_EQ(MediaSent("Play Sfx\\click.wav"), c.clicks) << c.hotspot << c.fxOn;
        EXPECT_TRUE(MediaSent("Close Music\\menu.mid"));
    }
}

TEST_F(MenuFormTest, TheCloseBoxEndsTheProgramAsEscDoes)
{
    Start();
    ASSERT_TRUE(platform::headless::IsFullScreen());
    platform::headless::After(0).Close();
    EXPECT_EQ(platform::RunProgram(menu), 0);
    EXPECT_FALSE(menu.IsLoaded());
    EXPECT_FALSE(platform::headless::IsFullScreen());
    EXPECT_TRUE(MediaSent("Close Sfx\\click.wav"));
}

} // namespace
