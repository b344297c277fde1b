// Tests of the display procedures: switching to the first listed mode, a mode already in force,
// modes the display cannot show, the way back, and the large-font scale.
#include <gtest/gtest.h>

#include "platform/Desktop.h"
#include "platform/Display.h"
#include "platform/Headless.h"
#include "toolkit/GameUtil.h"

namespace {

platform::DevMode Mode(std::uint32_t width, std::uint32_t height, std::uint32_t bits,
                       std::uint32_t hertz)
{
    platform::DevMode mode;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bits;
    mode.dmDisplayFrequency = hertz;
    return mode;
}

platform::DevMode Current()
{
    platform::DevMode mode;
    platform::EnumDisplaySettingsA(platform::ENUM_CURRENT_SETTINGS, &mode);
    return mode;
}

} // namespace

// One sequence: the mode saved at the first switch lives for the whole process.
TEST(DisplayModeTest, SwitchesToTheFirstListedModeAndBackToTheModeOfTheFirstSwitch)
{
    platform::headless::Install();
    const platform::DevMode desktop = Mode(1024, 768, 32, 60);
    platform::headless::SetDisplay(
        desktop, {desktop, Mode(800, 600, 32, 75), Mode(800, 600, 32, 60), Mode(800, 600, 16, 60)});
    const auto& attempts = platform::headless::DisplayAttempts();

    GameUtil::RestoreDisplayMode(); // before any switch: looks for 0 x 0 and changes nothing
    EXPECT_TRUE(attempts.empty());
    EXPECT_EQ(Current(), desktop);

    EXPECT_FALSE(GameUtil::SetDisplayMode(800, 600, 4));
    EXPECT_TRUE(attempts.empty());

    EXPECT_TRUE(GameUtil::SetDisplayMode(800, 600, 32));
    ASSERT_EQ(attempts.size(), 1u);
    EXPECT_EQ(attempts[0].mode, Mode(800, 600, 32, 75)); // the first listed, its refresh rate too
    EXPECT_EQ(attempts[0].flags, 0u);
    EXPECT_TRUE(platform::FullScreen());

    EXPECT_TRUE(GameUtil::SetDisplayMode(800, 600, 32)); // in force: nothing changes
    EXPECT_EQ(attempts.size(), 1u);

    EXPECT_TRUE(GameUtil::SetDisplayMode(800, 600, 16));
    GameUtil::RestoreDisplayMode();
    EXPECT_EQ(Current(), desktop);
    EXPECT_FALSE(platform::FullScreen());
}

TEST(DisplayModeTest, LargeFontsScaleTheFontsDownToSixteenPixels)
{
    struct Case {
        std::int32_t height;
        bool large;
        double scale;
    };
    const Case cases[] = {
        {20, true, 0.8}, {16, false, 1.0}, {24, true, 16.0 / 24}, {12, false, 1.0}};
    for (const Case& c : cases) {
        GameUtil::gFontScale = 0.5;
        platform::headless::SetDesktopTextHeight(c.height);
        EXPECT_EQ(GameUtil::CheckLargeFonts(), c.large) << c.height;
        EXPECT_DOUBLE_EQ(GameUtil::gFontScale, c.scale) << c.height;
    }
    // No desktop to ask: the scale stays as it was.
    GameUtil::gFontScale = 0.75;
    platform::headless::SetDesktopTextHeight(0);
    EXPECT_FALSE(GameUtil::CheckLargeFonts());
    EXPECT_EQ(GameUtil::gFontScale, 0.75);
    platform::headless::SetDesktopTextHeight(16);
    GameUtil::gFontScale = 1;
}
