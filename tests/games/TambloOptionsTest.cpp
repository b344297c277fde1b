// The maze game's options dialog on the headless backend: its layout, what it shows of the stored
// settings, OK writing all six keys in order, and cancel, Esc and the close box writing nothing.
#include "games/tamblo/TambloOptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/Common.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"
#include "tests/support/OptionsDialogFixture.h"

namespace {

using platform::GetSetting;
using platform::SaveSetting;

class TambloOptionsTest : public testsupport::OptionsDialogFixture<TambloOptions> {
protected:
    TambloOptionsTest() : OptionsDialogFixture("Tamblo") {}

    void ShowAndDo(const std::function<void()>& act) { Run({act}); }

    void Click(std::int16_t button, double x, double y)
    {
        OptionsDialogFixture::Click(dialog, button, platform::CLng(x), platform::CLng(y));
    }

    void ClickOk(std::int16_t button = platform::vbLeftButton)
    {
        Click(button, dialog.OkSprite.X + 5, dialog.OkSprite.Y + 5);
    }
};

TEST_F(TambloOptionsTest, ControlsLieWhereTheirNeighboursPlaceThem)
{
    dialog.Load();
    EXPECT_EQ(dialog.ScaleWidth(), 340);
    EXPECT_EQ(dialog.ScaleHeight(), 420);
    EXPECT_EQ(dialog.Caption(), "Vandrel");
    EXPECT_EQ(dialog.BackColor(), platform::Rgb(57, 158, 255));
    struct Case {
        const char* name;
        const platform::Control& control;
        std::int32_t left, top, width, height;
    };
    const Case cases[] = {
        {"speed picture", dialog.TambloSpeedImage, 20, 20, 60, 60},
        {"speed bar", dialog.TambloSpeedScroll, 100, 50, 220, 30},
        {"ghost speed picture", dialog.GhostSpeedImage, 20, 100, 60, 60},
        {"ghost speed bar", dialog.GhostSpeedScroll, 100, 130, 220, 30},
        {"ghost count picture", dialog.NumGhostsImage, 20, 180, 60, 60},
        {"ghost count frame", dialog.NumGhostsFrame, 100, 180, 209, 60},
        {"0", dialog.NumGhosts[0], 8, 20, 41, 30},
        {"1", dialog.NumGhosts[1], 48, 20, 41, 30},
        {"2", dialog.NumGhosts[2], 88, 20, 41, 30},
        {"MAX", dialog.NumGhosts[3], 128, 20, 73, 30},
        {"easy", dialog.modeOption[0], 20, 270, 60, 60},
        {"normal", dialog.modeOption[1], 100, 270, 60, 60},
        {"music", dialog.MusicButton, 180, 270, 60, 60},
        {"effects", dialog.FxButton, 260, 270, 60, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.control.Left(), c.left);
        EXPECT_EQ(c.control.Top(), c.top);
        EXPECT_EQ(c.control.Width(), c.width);
        EXPECT_EQ(c.control.Height(), c.height);
    }
    EXPECT_EQ(dialog.NumGhosts[3].Caption(), "MAX");
    EXPECT_EQ(dialog.NumGhosts[0].Container(), &dialog.NumGhostsFrame);
    EXPECT_EQ(dialog.CancelSprite.X, 20);
    EXPECT_EQ(dialog.CancelSprite.Y, 350);
    EXPECT_EQ(dialog.OkSprite.X, 260);
    EXPECT_EQ(dialog.OkSprite.Y, 350);
    EXPECT_GT(dialog.OkSprite.width, 0) << "the OK picture is loaded";
    EXPECT_EQ(dialog.TambloSpeedScroll.Min(), 20);
    EXPECT_EQ(dialog.TambloSpeedScroll.Max(), 300);
    EXPECT_EQ(dialog.GhostSpeedScroll.SmallChange(), 5);
    EXPECT_EQ(dialog.GhostSpeedScroll.LargeChange(), 5);
    dialog.Unload();
    EXPECT_EQ(dialog.OkSprite.totalFrames, 0) << "unloading empties both sprites";
}

TEST_F(TambloOptionsTest, StoredSettingsShowAsTheGameReadsThem)
{
    struct Case {
        const char* speed;
        std::int16_t shown;      // for the figure's speed, default 50
        std::int16_t ghostShown; // the same text as the ghosts' speed, default 45
        const char* ghosts;
        int button; // -1: none selected
        const char* music;
        bool musicDown;
    };
    const Case cases[] = {
        {nullptr, 50, 45, nullptr, 3, nullptr, true}, // nothing stored: the defaults
        {"120", 120, 120, "0", 0, "0", false},
        {"62.5", 62, 62, "1", 1, "1", true},
        {"abc", 50, 45, "2", 2, "True", true},
        {"0", 50, 45, "3", 3, "False", false},
        {"-5", 50, 45, "5", 3, "x", true},
        {"10", 20, 20, "-1", -1, "1", true},
        {"500", 300, 300, "20", 3, "0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.speed ? c.speed : "(none)");
        if (c.speed != nullptr) {
            SaveSetting("Vandrel", "Tamblo", "TambloSpeed", c.speed);
            SaveSetting("Vandrel", "Tamblo", "GhostSpeed", c.speed);
            SaveSetting("Vandrel", "Tamblo", "MaxNumGhosts", c.ghosts);
            SaveSetting("Vandrel", "Tamblo", "MusicOn", c.music);
        }
        dialog.Load();
        EXPECT_EQ(dialog.TambloSpeedScroll.Value(), c.shown);
        EXPECT_EQ(dialog.GhostSpeedScroll.Value(), c.ghostShown);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(dialog.NumGhosts[static_cast<std::size_t>(i)].Value(), i == c.button)
                << "ghost button " << i;
        }
        EXPECT_EQ(dialog.MusicButton.Value(), c.musicDown ? 1 : 0);
        EXPECT_EQ(dialog.FxButton.Value(), 1);
        dialog.Unload();
    }
}

TEST_F(TambloOptionsTest, OkStoresEveryKeyInOrderAndTheModeOfTheRunningGame)
{
    struct Case {
        const char* runningMode;
        const char* storedMode;
        const char* storedGhosts;
        const char* mode;
        const char* ghosts;
    };
    const Case cases[] = {
        {"easy", nullptr, nullptr, "easy", "20"},
        {"normal", nullptr, "2", "normal", "2"},
        // The buttons show the running game's mode, not the stored one.
        {"easy", "normal", "5", "easy", "20"},
        {"normal", "easy", "0", "normal", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.runningMode);
        Common::gMode = c.runningMode;
        if (c.storedMode != nullptr) {
            SaveSetting("Vandrel", "Tamblo", "Mode", c.storedMode);
        }
        if (c.storedGhosts != nullptr) {
            SaveSetting("Vandrel", "Tamblo", "MaxNumGhosts", c.storedGhosts);
        }
        ShowAndDo([&] { ClickOk(); });
        EXPECT_TRUE(Common::gOptionsOk);
        EXPECT_EQ(Stored("TambloSpeed"), "50");
        EXPECT_EQ(Stored("GhostSpeed"), "45");
        EXPECT_EQ(Stored("MaxNumGhosts"), c.ghosts);
        EXPECT_EQ(Stored("Mode"), c.mode);
        EXPECT_EQ(Stored("MusicOn"), "1");
        EXPECT_EQ(Stored("FxOn"), "1");
    }
}

TEST_F(TambloOptionsTest, KeysOfAFreshSectionAreWrittenInTheDialogsOrder)
{
    ShowAndDo([&] { ClickOk(); });
    EXPECT_EQ(KeysInFile(), (std::vector<std::string>{"TambloSpeed", "GhostSpeed", "MaxNumGhosts",
                                                      "Mode", "MusicOn", "FxOn"}));
}

TEST_F(TambloOptionsTest, ChangedControlsAreStoredByOkWithAnyButton)
{
    ShowAndDo([&] {
        dialog.TambloSpeedScroll.SetValue(120);
        dialog.GhostSpeedScroll.SetValue(300);
        dialog.NumGhosts[1].SetValue(true);
        dialog.modeOption[1].SetValue(true);
        dialog.MusicButton.SetValue(0);
        ClickOk(platform::vbRightButton);
    });
    EXPECT_TRUE(Common::gOptionsOk);
    EXPECT_EQ(Stored("TambloSpeed"), "120");
    EXPECT_EQ(Stored("GhostSpeed"), "300");
    EXPECT_EQ(Stored("MaxNumGhosts"), "1");
    EXPECT_EQ(Stored("Mode"), "normal");
    EXPECT_EQ(Stored("MusicOn"), "0");
    EXPECT_EQ(Stored("FxOn"), "1");
}

TEST_F(TambloOptionsTest, CancelEscAndTheCloseBoxWriteNothing)
{
    SaveSetting("Vandrel", "Tamblo", "TambloSpeed", "70");
    enum class Way { CancelPicture, Esc, EscWithFocusOnABar, CloseBox };
    for (Way way : {Way::CancelPicture, Way::Esc, Way::EscWithFocusOnABar, Way::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(way));
        Common::gOptionsOk = true;
        ShowAndDo([&] {
            dialog.TambloSpeedScroll.SetValue(200);
            dialog.NumGhosts[0].SetValue(true);
            switch (way) {
            case Way::CancelPicture:
                Click(platform::vbLeftButton, dialog.CancelSprite.X + 3, dialog.CancelSprite.Y + 3);
                break;
            case Way::EscWithFocusOnABar:
                dialog.GhostSpeedScroll.SetFocus();
                [[fallthrough]];
            case Way::Esc:
                platform::headless::After(0).KeyPress(platform::vbKeyEscape);
                break;
            case Way::CloseBox:
                platform::headless::After(0).Close();
                break;
            }
        });
        EXPECT_FALSE(Common::gOptionsOk);
        EXPECT_EQ(Stored("TambloSpeed"), "70");
        EXPECT_EQ(Stored("MaxNumGhosts"), "(none)");
        EXPECT_EQ(Stored("FxOn"), "(none)");
    }
}

TEST_F(TambloOptionsTest, TheOkPictureIncludesItsRightAndBottomEdges)
{
    ShowAndDo([&] {
        const double right = dialog.OkSprite.X + dialog.OkSprite.width;
        const double bottom = dialog.OkSprite.Y + dialog.OkSprite.Height;
        // One pixel beyond does nothing; the edge itself is OK.
        Click(platform::vbLeftButton, right + 1, bottom);
        Click(platform::vbLeftButton, right, bottom);
    });
    EXPECT_TRUE(Common::gOptionsOk);
    EXPECT_EQ(Stored("FxOn"), "1");
}

TEST_F(TambloOptionsTest, ABelowZeroGhostCountIsKeptUnlessOneIsPicked)
{
    SaveSetting("Vandrel", "Tamblo", "MaxNumGhosts", "-3");
    ShowAndDo([&] { ClickOk(); });
    EXPECT_EQ(Stored("MaxNumGhosts"), "-3");
    EXPECT_EQ(Stored("TambloSpeed"), "50");
    ShowAndDo([&] {
        dialog.NumGhosts[2].SetValue(true);
        ClickOk();
    });
    EXPECT_EQ(Stored("MaxNumGhosts"), "2");
}

} // namespace
