// Tamblo from the launcher and back, headless: Space and Enter launch it, a scripted route on level
// 1 of mode "easy" eats dots, S saves the screen, Esc returns to the launcher. And a game without a
// readable level 1 returns at once, leaving a working launcher.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "common/Common.h"
#include "games/tamblo/TambloForm.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/HeadlessDevices.h"
#include "platform/Input.h"
#include "platform/Paths.h"
#include "platform/Picture.h"
#include "platform/Settings.h"
#include "shell/MenuForm.h"
#include "tests/support/GameWindowFixture.h"

namespace {

using platform::headless::After;

class TambloEndToEndTest : public ::testing::Test {
protected:
    // A program folder of its own: the generated data, and the shipped maps unless a test says no.
    void SetUp() override
    {
        platform::headless::Install();
        testsupport::ResetSharedState();
        platform::headless::UseDevices(true);
        programFolder_ = platform::ProgramFolder();
        static int counter = 0;
        folder =
            std::filesystem::temp_directory_path() /
            ("vandrel-tamblo-e2e-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(folder);
        for (const char* data : {"Gfx", "Sfx", "Music"}) {
            std::filesystem::create_directory_symlink(programFolder_ / data, folder / data);
        }
        platform::SetProgramFolder(folder);
        platform::SetProgramFolderAsCurrent();
        for (const auto& [key, value] : {std::pair{"Mode", "easy"},
                                         {"TambloSpeed", "300"},
                                         {"MaxNumGhosts", "0"},
                                         {"MusicOn", "1"},
                                         {"FxOn", "1"}}) {
            platform::SaveSetting("Vandrel", "Tamblo", key, value);
        }
        for (const char* key : {"OneButton", "HighScore", "PauseOnStop"}) {
            platform::SaveSetting("Vandrel", "Menu", key, "0");
        }
    }

    void TearDown() override
    {
        if (TheMenuForm().IsLoaded()) {
            TheMenuForm().ExitProgram();
        }
        platform::SetProgramFolder(programFolder_);
        platform::SetProgramFolderAsCurrent();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    void WithShippedMaps()
    {
        std::filesystem::create_directory_symlink(programFolder_ / "Maps", folder / "Maps");
    }

    // Runs the pending input twice: a pointer warp posts its move for the next round.
    static void RunPending()
    {
        platform::DoEvents();
        platform::DoEvents();
    }

    // Space scans to Tamblo's icon (the first from a fresh start; the scan goes on where it was
    // when the launcher comes back), Enter launches it. The game's loop starts on its timer's first
    // tick, 1 ms later, and runs until the game leaves.
    static void LaunchTamblo()
    {
        for (int i = 0; i < 6 && (i == 0 || !TheMenuForm().Icon(0).active); ++i) {
            After(0).KeyPress(platform::vbKeySpace);
            RunPending();
        }
        ASSERT_TRUE(TheMenuForm().Icon(0).active);
        After(0).KeyPress(platform::vbKeyReturn);
        platform::DoEvents();
        platform::Sleep(2);
        platform::DoEvents();
    }

    std::filesystem::path folder;

private:
    std::filesystem::path programFolder_;
};

// Whether the block of the screenshot at (x, y) shows the picture file exactly.
bool ShowsPicture(const platform::Bitmap& screen, std::int32_t x, std::int32_t y,
                  const char* picture)
{
    const auto tile = platform::LoadPicture(picture);
    if (!tile) {
        return false;
    }
    for (std::int32_t row = 0; row < tile->height; ++row) {
        for (std::int32_t column = 0; column < tile->width; ++column) {
            if ((screen.Row(y + row)[x + column] & 0xFFFFFF) !=
                (tile->Row(row)[column] & 0xFFFFFF)) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(TambloEndToEndTest, PlayedFromTheLauncherAlongAScriptedRouteAndBack)
{
    WithShippedMaps();
    MenuForm& menu = TheMenuForm();
    menu.Show();
    ASSERT_TRUE(menu.Visible());
    After(0).KeyPress(platform::vbKeyReturn);
    RunPending();
    EXPECT_FALSE(TheTambloForm().IsLoaded()) << "Enter alone launches nothing";

    // Level 1 of easy starts at the top-left cell with a row of dots to its right and an open
    // column below its fifth cell. At 300 pixels a second a 60-pixel cell takes 13 passes of 16 ms:
    // Right held for 700 ms eats four dots, Down held for 300 ms two more.
    After(300).KeyDown(platform::vbKeyRight);
    After(1000).KeyUp(platform::vbKeyRight);
    After(1500).KeyDown(platform::vbKeyDown);
    After(1800).KeyUp(platform::vbKeyDown);
    After(2600).KeyPress(platform::vbKeyS);
    After(2700).KeyPress(platform::vbKeyEscape);
    LaunchTamblo();

    // Back in the launcher, the game's window closed.
    EXPECT_FALSE(TheTambloForm().IsLoaded());
    EXPECT_TRUE(menu.Visible());
    EXPECT_EQ(Common::gScore, 60);
    EXPECT_EQ(TheTambloForm().Level, 1);
    EXPECT_EQ(TheTambloForm().Player.X, 10 + 4 * 60);
    EXPECT_EQ(TheTambloForm().Player.Y, 2 * 60);
    EXPECT_EQ(TheTambloForm().PlayerImages[0].totalFrames, 0) << "its pictures are freed";

    // The screen as S saved it: eaten cells show the floor, the others their dots, the figure its
    // cell, the panel the score.
    const auto screen = platform::LoadPicture("1.bmp");
    ASSERT_TRUE(screen);
    ASSERT_EQ(screen->width, 800);
    ASSERT_EQ(screen->height, 600);
    const char* floor = "Gfx\\Tamblo\\easy\\Tiles\\14.gif";
    const char* dot = "Gfx\\Tamblo\\easy\\Tiles\\15.gif";
    for (int column = 0; column <= 4; ++column) {
        EXPECT_TRUE(ShowsPicture(*screen, 10 + 60 * column, 0, floor)) << "column " << column;
    }
    EXPECT_TRUE(ShowsPicture(*screen, 10 + 60 * 4, 60, floor));
    EXPECT_TRUE(ShowsPicture(*screen, 10 + 60 * 5, 0, dot));
    EXPECT_TRUE(ShowsPicture(*screen, 10, 60, dot));
    EXPECT_FALSE(ShowsPicture(*screen, 10 + 60 * 4, 120, floor)) << "the figure stands there";
    EXPECT_EQ(screen->Row(300)[5] & 0xFFFFFF, 0xFFFFFFU) << "the white margin left of the maze";

    // Esc in the launcher ends the program.
    After(0).KeyPress(platform::vbKeyEscape);
    RunPending();
    EXPECT_FALSE(menu.IsLoaded());
}

TEST_F(TambloEndToEndTest, WithoutLevelOneTheGameReturnsBeforeItsFirstPass)
{
    MenuForm& menu = TheMenuForm();
    menu.Show();
    TheTambloForm().NowTime = -1; // a pass would set it
    LaunchTamblo();
    EXPECT_FALSE(TheTambloForm().IsLoaded());
    EXPECT_TRUE(menu.Visible());
    EXPECT_EQ(TheTambloForm().Lives, 3);
    EXPECT_EQ(TheTambloForm().NowTime, -1) << "no pass ran";

    // The launcher still works: Space moves the scan on.
    const std::int16_t scanned = menu.ScanIndex();
    After(0).KeyPress(platform::vbKeySpace);
    RunPending();
    EXPECT_EQ(menu.ScanIndex(), scanned % 6 + 1);
}

} // namespace
