// The headless desktop icon view as the icon keeper walks it, the instance lock across processes,
// and the desktop text height.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/Desktop.h"

namespace {

namespace desktop = platform::desktop;

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override { platform::headless::UseDesktop(true); }
    void TearDown() override { platform::headless::UseDesktop(true); }

    static desktop::Hwnd FindListView()
    {
        const auto progman = desktop::FindWindowA("Progman", nullptr);
        const auto view = desktop::FindWindowExA(progman, 0, "SHELLDLL_defVIEW", nullptr);
        return desktop::FindWindowExA(view, 0, "SysListView32", nullptr);
    }
};

TEST_F(DesktopTest, FindsTheListViewThroughItsClassesWithoutRegardToCase)
{
    const auto listView = FindListView();
    ASSERT_NE(listView, 0);
    EXPECT_NE(desktop::GetParent(listView), 0);
    EXPECT_EQ(desktop::GetParent(desktop::GetParent(listView)),
              desktop::FindWindowA("PROGMAN", nullptr));
    EXPECT_EQ(desktop::FindWindowA("Shell_TrayWnd", nullptr), 0);

    platform::headless::Desktop().present = false;
    EXPECT_EQ(FindListView(), 0);
    platform::headless::UseDesktop(false); // the real desktop has no icon view
    EXPECT_EQ(FindListView(), 0);
}

TEST_F(DesktopTest, ReadsAndPlacesItemsWithPackedCoordinates)
{
    auto& fake = platform::headless::Desktop();
    fake.icons = {{10, 20}, {30, 40}};
    const auto listView = FindListView();
    EXPECT_EQ(desktop::SendMessageA(listView, desktop::LVM_GETITEMCOUNT, 0, 0), 2);

    desktop::POINT point;
    ASSERT_TRUE(desktop::ListView_GetItemPosition(listView, 1, &point));
    EXPECT_EQ(point.x, 30);
    EXPECT_EQ(point.y, 40);
    EXPECT_FALSE(desktop::ListView_GetItemPosition(listView, 2, &point));

    const struct {
        desktop::Lparam lParam;
        std::int32_t x;
        std::int32_t y;
    } placements[] = {
        {300 * 65536 + 75, 75, 300},
        {0xFFFF0000 + 0xFFF6, -10, -1}, // coordinates are signed 16-bit halves
    };
    for (const auto& p : placements) {
        EXPECT_EQ(desktop::SendMessageA(listView, desktop::LVM_SETITEMPOSITION, 0, p.lParam), 1);
        ASSERT_TRUE(desktop::ListView_GetItemPosition(listView, 0, &point));
        EXPECT_EQ(point.x, p.x);
        EXPECT_EQ(point.y, p.y);
    }
    EXPECT_EQ(desktop::SendMessageA(listView, desktop::LVM_SETITEMPOSITION, 5, 0), 0);
    EXPECT_EQ(fake.placements.size(), 2U);

    fake.failCalls = true;
    EXPECT_EQ(desktop::SendMessageA(listView, desktop::LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_FALSE(desktop::ListView_GetItemPosition(listView, 0, &point));
}

TEST_F(DesktopTest, AutoArrangeShowsInTheStyleAndTogglesByCommand)
{
    auto& fake = platform::headless::Desktop();
    fake.icons = {{10, 20}};
    fake.autoArrange = true;
    const auto listView = FindListView();
    EXPECT_NE(desktop::GetWindowLongA(listView, desktop::GWL_STYLE) & desktop::LVS_AUTOARRANGE, 0);

    // While the view arranges its icons, placing one has no effect.
    desktop::SendMessageA(listView, desktop::LVM_SETITEMPOSITION, 0, 5 * 65536 + 5);
    desktop::POINT point;
    ASSERT_TRUE(desktop::ListView_GetItemPosition(listView, 0, &point));
    EXPECT_EQ(point.x, 10);

    desktop::SendMessageA(desktop::GetParent(listView), desktop::WM_COMMAND,
                          desktop::DesktopToggleAutoArrange, 0);
    EXPECT_EQ(desktop::GetWindowLongA(listView, desktop::GWL_STYLE) & desktop::LVS_AUTOARRANGE, 0);
    desktop::SendMessageA(listView, desktop::LVM_SETITEMPOSITION, 0, 5 * 65536 + 5);
    ASSERT_TRUE(desktop::ListView_GetItemPosition(listView, 0, &point));
    EXPECT_EQ(point.x, 5);
    EXPECT_EQ(fake.toggles, 1);
}

TEST_F(DesktopTest, DesktopTextHeightIsSixteenUnlessSet)
{
    EXPECT_EQ(platform::DesktopTextHeight(), 16);
    platform::headless::SetDesktopTextHeight(20);
    EXPECT_EQ(platform::DesktopTextHeight(), 20);
    platform::headless::UseDesktop(false);
    EXPECT_EQ(platform::DesktopTextHeight(), 16);
}

TEST_F(DesktopTest, AnotherInstanceIsSeenWhileItHoldsTheLockAndNotAfterItEnds)
{
    int toChild[2];
    int toParent[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(toParent), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const char taken = platform::AnotherInstanceRunning() ? 'n' : 'y';
        static_cast<void>(::write(toParent[1], &taken, 1));
        char done = 0;
        static_cast<void>(::read(toChild[0], &done, 1));
        ::_exit(0);
    }
    char taken = 0;
    ASSERT_EQ(::read(toParent[0], &taken, 1), 1);
    ASSERT_EQ(taken, 'y');
    EXPECT_TRUE(platform::AnotherInstanceRunning());

    const char done = 'x';
    ASSERT_EQ(::write(toChild[1], &done, 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(platform::AnotherInstanceRunning()); // the lock went with the process
    EXPECT_FALSE(platform::AnotherInstanceRunning()); // and is now ours
    for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]}) {
        ::close(fd);
    }
}

} // namespace
