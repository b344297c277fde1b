// Tests of DesktopIcons against the in-memory desktop: the position packing, the auto-arrange
// toggle, desktops without a list view or icons, and restores that stop early.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Desktop.h"
#include "toolkit/DesktopIcons.h"

namespace {

using platform::desktop::Lparam;
using platform::desktop::POINT;
using platform::headless::Desktop;

class DesktopIconsTest : public ::testing::Test {
protected:
    void SetUp() override { platform::headless::UseDesktop(true); }
    void TearDown() override { platform::headless::UseDesktop(true); }
};

} // namespace

TEST_F(DesktopIconsTest, IconsGoBackToTheirSavedPlacesPackedAsYHighAndXLow)
{
    Desktop().icons = {POINT{75, 300}, POINT{0, 0}, POINT{-5, 7}, POINT{1200, -2}};
    EXPECT_NE(DesktopIcons::FindDesktopListView(), 0);
    ASSERT_TRUE(DesktopIcons::SaveIconPositions());
    // The display switch scrambles the icons.
    for (POINT& icon : Desktop().icons) {
        icon = {1, 1};
    }
    DesktopIcons::RestoreIconPositions();
    EXPECT_EQ(Desktop().placements, (std::vector<Lparam>{300 * 65536 + 75, 0, 7 * 65536 + 0xFFFB,
                                                         Lparam{0xFFFE} * 65536 + 1200}));
    EXPECT_EQ(Desktop().icons[0].x, 75);
    EXPECT_EQ(Desktop().icons[0].y, 300);
    EXPECT_EQ(Desktop().icons[2].x, -5);
    EXPECT_EQ(Desktop().icons[3].y, -2);
    EXPECT_EQ(Desktop().toggles, 0); // auto-arrange was off: never touched
}

TEST_F(DesktopIconsTest, AutoArrangeIsOffWhileTheProgramRunsAndOnAgainAfterwards)
{
    Desktop().icons = {POINT{10, 20}, POINT{30, 40}};
    Desktop().autoArrange = true;
    ASSERT_TRUE(DesktopIcons::SaveIconPositions());
    EXPECT_FALSE(Desktop().autoArrange);
    EXPECT_EQ(Desktop().toggles, 1);
    DesktopIcons::RestoreIconPositions();
    EXPECT_TRUE(Desktop().autoArrange);
    EXPECT_EQ(Desktop().toggles, 2);
    EXPECT_EQ(Desktop().placements.size(), 2u);
}

TEST_F(DesktopIconsTest, ARestoreThatStopsEarlyStillSwitchesAutoArrangeOn)
{
    Desktop().icons = {POINT{10, 20}, POINT{30, 40}};
    Desktop().autoArrange = true;
    ASSERT_TRUE(DesktopIcons::SaveIconPositions());
    Desktop().icons.push_back(POINT{500, 500}); // an icon that appeared meanwhile
    DesktopIcons::RestoreIconPositions();
    EXPECT_EQ(Desktop().placements, (std::vector<Lparam>{20 * 65536 + 10, 40 * 65536 + 30}));
    EXPECT_EQ(Desktop().icons[2].x, 500);
    EXPECT_TRUE(Desktop().autoArrange);
}

TEST_F(DesktopIconsTest, WithoutListViewOrIconsNothingIsSavedOrPlaced)
{
    Desktop().present = false;
    EXPECT_EQ(DesktopIcons::FindDesktopListView(), 0);
    EXPECT_FALSE(DesktopIcons::SaveIconPositions());
    DesktopIcons::RestoreIconPositions();

    Desktop().present = true;
    EXPECT_FALSE(DesktopIcons::SaveIconPositions()); // no icons
    Desktop().icons = {POINT{10, 20}};
    DesktopIcons::RestoreIconPositions();
    EXPECT_TRUE(Desktop().placements.empty());
    EXPECT_EQ(Desktop().toggles, 0);
}

TEST_F(DesktopIconsTest, ASaveWhoseCallsFailAnswersFalseAndRestorePlacesNothing)
{
    Desktop().icons = {POINT{10, 20}, POINT{30, 40}};
    ASSERT_TRUE(DesktopIcons::SaveIconPositions());
    DesktopIcons::RestoreIconPositions();
    Desktop().placements.clear();

    Desktop().failCalls = true;
    EXPECT_FALSE(DesktopIcons::SaveIconPositions());
    Desktop().failCalls = false;
    DesktopIcons::RestoreIconPositions(); // the earlier save's places are gone too
    EXPECT_TRUE(Desktop().placements.empty());
}
