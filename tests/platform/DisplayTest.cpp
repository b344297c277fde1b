// Display modes: the list, the current mode, changes that switch full screen on and off, refused
// modes, and the record of every attempt.
#include "platform/Display.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Headless.h"

namespace platform {
namespace {

DevMode Mode(std::uint32_t width, std::uint32_t height, std::uint32_t bits)
{
    return DevMode{bits, width, height, 60, DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT};
}

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        headless::SetDisplay(Mode(1280, 1024, 32), {Mode(1280, 1024, 32), Mode(800, 600, 32),
                                                    Mode(800, 600, 16), Mode(800, 600, 8)});
    }
};

TEST_F(DisplayTest, ListsTheModesAndReportsTheDesktopAsCurrentAtStart)
{
    DevMode mode;
    ASSERT_TRUE(EnumDisplaySettingsA(ENUM_CURRENT_SETTINGS, &mode));
    EXPECT_EQ(mode, Mode(1280, 1024, 32));
    const std::vector<DevMode> expected{Mode(1280, 1024, 32), Mode(800, 600, 32),
                                        Mode(800, 600, 16), Mode(800, 600, 8)};
    for (std::int32_t i = 0; i < 4; ++i) {
        ASSERT_TRUE(EnumDisplaySettingsA(i, &mode)) << i;
        EXPECT_EQ(mode, expected[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_FALSE(EnumDisplaySettingsA(4, &mode));
    EXPECT_FALSE(EnumDisplaySettingsA(-2, &mode));
    EXPECT_FALSE(EnumDisplaySettingsA(0, nullptr));
    EXPECT_FALSE(FullScreen());
}

TEST_F(DisplayTest, ChangingTo800x600GoesFullScreenAndTheDesktopModeComesBackAsAWindow)
{
    const DevMode wanted = Mode(800, 600, 16);
    EXPECT_EQ(ChangeDisplaySettingsA(&wanted, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_TRUE(FullScreen());
    EXPECT_TRUE(headless::IsFullScreen());
    DevMode current;
    ASSERT_TRUE(EnumDisplaySettingsA(ENUM_CURRENT_SETTINGS, &current));
    EXPECT_EQ(current, wanted);

    const DevMode desktop = Mode(1280, 1024, 32);
    EXPECT_EQ(ChangeDisplaySettingsA(&desktop, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_FALSE(FullScreen());
    ASSERT_TRUE(EnumDisplaySettingsA(ENUM_CURRENT_SETTINGS, &current));
    EXPECT_EQ(current, desktop);

    EXPECT_EQ(ChangeDisplaySettingsA(&wanted, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL); // back to the desktop
    EXPECT_FALSE(headless::IsFullScreen());
}

TEST_F(DisplayTest, UnlistedModesAndTestsChangeNothingAndEveryAttemptIsRecorded)
{
    const DevMode fourBits = Mode(800, 600, 4);
    const DevMode big = Mode(1024, 768, 32);
    const DevMode ok = Mode(800, 600, 32);
    const struct {
        const DevMode* mode;
        std::uint32_t flags;
        std::int32_t result;
    } attempts[] = {
        {&fourBits, 0, DISP_CHANGE_BADMODE},
        {&big, 0, DISP_CHANGE_BADMODE},
        {&ok, CDS_TEST, DISP_CHANGE_SUCCESSFUL},
    };
    for (const auto& attempt : attempts) {
        EXPECT_EQ(ChangeDisplaySettingsA(attempt.mode, attempt.flags), attempt.result);
        EXPECT_FALSE(FullScreen());
    }
    ASSERT_EQ(headless::DisplayAttempts().size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(headless::DisplayAttempts()[i].mode, *attempts[i].mode);
        EXPECT_EQ(headless::DisplayAttempts()[i].flags, attempts[i].flags);
        EXPECT_EQ(headless::DisplayAttempts()[i].result, attempts[i].result);
    }
}

TEST_F(DisplayTest, ADisplayOfferingOnly16BitsRefusesThe32BitModeAndTakesThe16BitOne)
{
    headless::SetDisplay(Mode(1024, 768, 32), {Mode(1024, 768, 32), Mode(800, 600, 16)});
    const DevMode thirtyTwo = Mode(800, 600, 32);
    const DevMode sixteen = Mode(800, 600, 16);
    EXPECT_EQ(ChangeDisplaySettingsA(&thirtyTwo, 0), DISP_CHANGE_BADMODE);
    EXPECT_EQ(ChangeDisplaySettingsA(&sixteen, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_TRUE(FullScreen());
}

TEST_F(DisplayTest, DesktopWidthAndFullScreenCanBeSetApart)
{
    headless::SetDesktopWidth(800);
    EXPECT_EQ(DesktopWidth(), 800);
    headless::SetDesktopWidth(1920);
    EXPECT_EQ(DesktopWidth(), 1920);
    SetFullScreen(true); // a desktop already at 800 x 600 x 32 changes no mode
    EXPECT_TRUE(headless::IsFullScreen());
    SetFullScreen(false);
    EXPECT_FALSE(headless::IsFullScreen());
}

} // namespace
} // namespace platform
