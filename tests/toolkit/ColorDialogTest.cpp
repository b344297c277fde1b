// Tests of ColorDialog on the headless backend: layout, the stored colour and its defaults, moving
// a bar and pressing OK, Esc while a bar has the focus, and stored values that are not colours.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "TestPictures.h"
#include "common/Common.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Picture.h"
#include "platform/Settings.h"
#include "toolkit/ColorDialog.h"

namespace {

namespace fs = std::filesystem;

constexpr platform::Color Key = platform::Rgb(255, 0, 255);

class ColorDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::Install();
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("vandrel-colordialog-" + std::to_string(::getpid()));
        // The two 60 x 60 button pictures, keyed at the corner.
        platform::Bitmap button = testpictures::Filled(60, 60, platform::Rgb(20, 20, 20));
        testpictures::Put(button, 0, 0, Key);
        fs::create_directories(folder_ / "Gfx" / "Buttons");
        for (const char* name : {"optionsStopButton.gif", "optionsOkButton.gif"}) {
            ASSERT_TRUE(
                platform::SaveBitmapFile(button, (folder_ / "Gfx" / "Buttons" / name).string()));
        }
        fs::current_path(folder_);
        game_.Show();
        section_ = "Zentar" + std::to_string(++sections_);
        dialog_.gameName = section_;
    }

    void TearDown() override
    {
        platform::headless::OnIdle(nullptr);
        game_.Unload();
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    // Shows the dialog modally over the game. Each step runs when the dialog next waits for input
    // and scripts what the player does; a dialog that waits after the last step fails the test.
    void Open(const std::vector<std::function<void()>>& steps)
    {
        std::size_t next = 0;
        platform::headless::OnIdle([&] {
            if (next < steps.size()) {
                steps[next++]();
                return;
            }
            ADD_FAILURE() << "the dialog waits for more input than the test gave";
            dialog_.Unload();
        });
        dialog_.Show(platform::vbModal, &game_);
        platform::headless::OnIdle(nullptr);
        EXPECT_EQ(next, steps.size());
        EXPECT_FALSE(dialog_.IsLoaded());
    }

    // A point of the dialog's client area on the screen.
    platform::Point OnScreen(double x, double y)
    {
        platform::Point point{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
        platform::ClientToScreen(dialog_, &point);
        return point;
    }

    void ClickOk()
    {
        const platform::Point ok = OnScreen(dialog_.OkSprite.X + 30, dialog_.OkSprite.Y + 30);
        platform::headless::After(0).Click(platform::vbLeftButton, ok.x, ok.y);
    }

    std::string Stored(const char* key)
    {
        return platform::GetSetting("Vandrel", section_, key, "absent");
    }

    static inline int sections_ = 0;
    fs::path previous_;
    fs::path folder_;
    platform::Form game_;
    ColorDialog dialog_;
    std::string section_;
};

} // namespace

TEST_F(ColorDialogTest, ControlsLieWhereTheLayoutPutsThem)
{
    Open({[&] {
        EXPECT_EQ(dialog_.Caption(), "Vandrel");
        // The client area of the games' options dialogs, the 60 px buttons at y 353 inside it.
        EXPECT_EQ(dialog_.ScaleWidth(), 340);
        EXPECT_EQ(dialog_.ScaleHeight(), 420);
        EXPECT_TRUE(dialog_.KeyPreview());
        struct Place {
            const platform::Control& control;
            std::int32_t left, top, width, height;
        };
        const Place places[] = {
            {dialog_.ColorPic, 20, 20, 300, 73},      {dialog_.RedPic, 20, 113, 60, 60},
            {dialog_.RedScroll, 100, 148, 220, 25},   {dialog_.GreenPic, 20, 193, 60, 60},
            {dialog_.GreenScroll, 100, 228, 220, 25}, {dialog_.BluePic, 20, 273, 60, 60},
            {dialog_.BlueScroll, 100, 308, 220, 25},
        };
        for (const Place& p : places) {
            EXPECT_EQ(p.control.Left(), p.left);
            EXPECT_EQ(p.control.Top(), p.top);
            EXPECT_EQ(p.control.Width(), p.width);
            EXPECT_EQ(p.control.Height(), p.height);
        }
        EXPECT_EQ(dialog_.CancelSprite.X, 20);
        EXPECT_EQ(dialog_.CancelSprite.Y, 353);
        EXPECT_EQ(dialog_.OkSprite.X, 260);
        EXPECT_EQ(dialog_.OkSprite.Y, 353);
        // The buttons are drawn colour-keyed on the window.
        EXPECT_EQ(platform::GetPixel(dialog_.hDC(), 20, 353), platform::Rgb(57, 158, 255));
        EXPECT_EQ(platform::GetPixel(dialog_.hDC(), 50, 383), platform::Rgb(20, 20, 20));
        EXPECT_EQ(platform::GetPixel(dialog_.hDC(), 290, 383), platform::Rgb(20, 20, 20));
        platform::headless::After(0).KeyPress(platform::vbKeyEscape);
    }});
}

TEST_F(ColorDialogTest, FirstOpeningShowsMediumBlueAndOkStoresTheMovedGreenBar)
{
    Common::gOptionsOk = false;
    Open({[&] {
              EXPECT_EQ(dialog_.RedScroll.Value(), 0);
              EXPECT_EQ(dialog_.GreenScroll.Value(), 130);
              EXPECT_EQ(dialog_.BlueScroll.Value(), 255);
              EXPECT_EQ(platform::GetPixel(dialog_.ColorPic.hDC(), 150, 36),
                        platform::Rgb(0, 130, 255));
              // The focus to the green bar, then 70 steps to the right: 200.
              EXPECT_TRUE(dialog_.RedScroll.HasFocus());
              platform::headless::After(0).KeyPress(platform::vbKeyTab);
              for (int i = 0; i < 70; ++i) {
                  platform::headless::After(0).KeyPress(platform::vbKeyRight);
              }
          },
          [&] {
              EXPECT_EQ(dialog_.GreenScroll.Value(), 200);
              EXPECT_EQ(platform::GetPixel(dialog_.ColorPic.hDC(), 150, 36),
                        platform::Rgb(0, 200, 255));
              ClickOk();
          }});
    EXPECT_TRUE(Common::gOptionsOk);
    EXPECT_EQ(Stored("Red"), "0");
    EXPECT_EQ(Stored("Green"), "200");
    EXPECT_EQ(Stored("Blue"), "255");

    Open({[&] { // reopening shows what was stored
        EXPECT_EQ(dialog_.GreenScroll.Value(), 200);
        platform::headless::After(0).KeyPress(platform::vbKeyEscape);
    }});
}

TEST_F(ColorDialogTest, EscWhileABarHasTheFocusStoresNothing)
{
    Common::gOptionsOk = true;
    Open({[&] {
        platform::headless::After(0).KeyPress(platform::vbKeyLeft); // red has the focus
        platform::headless::After(0).KeyPress(platform::vbKeyTab);
        platform::headless::After(0).KeyPress(platform::vbKeyLeft);
        platform::headless::After(0).KeyPress(platform::vbKeyEscape);
    }});
    EXPECT_FALSE(Common::gOptionsOk);
    EXPECT_EQ(Stored("Red"), "absent");
    EXPECT_EQ(Stored("Green"), "absent");
    EXPECT_EQ(Stored("Blue"), "absent");
}

TEST_F(ColorDialogTest, AnyButtonOnCancelClosesAndClicksElsewhereDoNothing)
{
    Common::gOptionsOk = true;
    Open({[&] {
              const platform::Point beside = OnScreen(200, 380); // between the buttons
              platform::headless::After(0).Click(platform::vbRightButton, beside.x, beside.y);
          },
          [&] {
              EXPECT_TRUE(dialog_.IsLoaded());
              const platform::Point corner = OnScreen(20, 353); // edges count
              platform::headless::After(0).Click(platform::vbRightButton, corner.x, corner.y);
          }});
    EXPECT_FALSE(Common::gOptionsOk);
    EXPECT_EQ(Stored("Green"), "absent");
}

TEST_F(ColorDialogTest, TheCloseBoxCancels)
{
    Common::gOptionsOk = true;
    Open({[&] {
        platform::headless::After(0).KeyPress(platform::vbKeyTab);
        platform::headless::After(0).KeyPress(platform::vbKeyRight);
        platform::headless::After(0).Close();
    }});
    EXPECT_FALSE(Common::gOptionsOk);
    EXPECT_EQ(Stored("Green"), "absent");
}

TEST_F(ColorDialogTest, StoredValuesThatAreNoColourReadAsDefaultsOrClampedIntoRange)
{
    struct Case {
        const char* red;
        const char* green;
        const char* blue;
        std::int16_t r, g, b;
    };
    const Case cases[] = {
        {"abc", "", "twelve", 0, 130, 255},
        {"300", "-7", "99999", 255, 0, 255},
        {" 12 ", "127.5", "1e2", 12, 128, 100}, // 127.5 rounds to the even 128
    };
    for (const Case& c : cases) {
        platform::SaveSetting("Vandrel", section_, "Red", c.red);
        platform::SaveSetting("Vandrel", section_, "Green", c.green);
        platform::SaveSetting("Vandrel", section_, "Blue", c.blue);
        Open({[&] {
            EXPECT_EQ(dialog_.RedScroll.Value(), c.r) << c.red;
            EXPECT_EQ(dialog_.GreenScroll.Value(), c.g) << c.green;
            EXPECT_EQ(dialog_.BlueScroll.Value(), c.b) << c.blue;
            ClickOk();
        }});
        EXPECT_EQ(Stored("Red"), std::to_string(c.r));
        EXPECT_EQ(Stored("Green"), std::to_string(c.g));
        EXPECT_EQ(Stored("Blue"), std::to_string(c.b));
    }
}

TEST_F(ColorDialogTest, WithoutButtonPicturesEscStillLeaves)
{
    fs::remove_all(folder_ / "Gfx");
    Common::gOptionsOk = true;
    Open({[&] {
        EXPECT_EQ(dialog_.OkSprite.width, 0);
        platform::headless::After(0).KeyPress(platform::vbKeyEscape);
    }});
    EXPECT_FALSE(Common::gOptionsOk);
}
