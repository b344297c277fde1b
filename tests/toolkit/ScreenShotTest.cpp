// Tests of SaveScreenShot: the active window's picture as a BMP file, and failures that only
// leave a line on standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/Form.h"
#include "platform/Headless.h"
#include "platform/Picture.h"
#include "toolkit/GameUtil.h"

namespace {

namespace fs = std::filesystem;

class ScreenShotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::Install();
        folder_ = fs::temp_directory_path() / ("vandrel-shot-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

} // namespace

TEST_F(ScreenShotTest, TheActiveWindowsPictureIsSavedAsItsClientArea)
{
    platform::Form game;
    game.SetBackColor(platform::Rgb(0, 0, 128));
    game.Show();
    platform::FillBox(game.hDC(), 10, 20, 19, 29, platform::Rgb(255, 200, 0));
    const std::string file = (folder_ / "3.bmp").string();
    GameUtil::SaveScreenShot(file);
    const auto picture = platform::LoadPicture(file);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 800);
    EXPECT_EQ(picture->height, 600);
    EXPECT_EQ(picture->Row(25)[15], static_cast<std::uint32_t>(platform::Rgb(255, 200, 0)));
    EXPECT_EQ(picture->Row(0)[0], static_cast<std::uint32_t>(platform::Rgb(0, 0, 128)));
    game.Unload();
}

TEST_F(ScreenShotTest, FailuresGoToStandardErrorAndThePlayGoesOn)
{
    testing::internal::CaptureStderr();
    GameUtil::SaveScreenShot((folder_ / "1.bmp").string()); // no window at all
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors.rfind("vandrel: ", 0), 0u) << errors;
    EXPECT_FALSE(fs::exists(folder_ / "1.bmp"));

    platform::Form game;
    game.Show();
    testing::internal::CaptureStderr();
    GameUtil::SaveScreenShot((folder_ / "no such folder" / "2.bmp").string());
    errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors.rfind("vandrel: ", 0), 0u) << errors;
    game.Unload();
}
