// The alien shooter's options dialog on the headless backend: what it shows of the stored keys,
// what OK writes and in which order, cancel and Esc, the hit test of its pictures, and the colour
// dialog opened by a mouse release on the plain-colour background.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "common/Common.h"
#include "games/zentar/ZentarOptions.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"
#include "tests/support/OptionsDialogFixture.h"

namespace {

class ZentarOptionsTest : public testsupport::OptionsDialogFixture<ZentarOptions> {
protected:
    ZentarOptionsTest() : OptionsDialogFixture("Zentar") {}
};

TEST_F(ZentarOptionsTest, AnEmptySectionShowsTheDialogsDefaultsAndOkWritesEveryKeyInOrder)
{
    Run({[&] {
        EXPECT_EQ(dialog.ShipSpeedScroll.Value(), 50);
        EXPECT_EQ(dialog.AlienSpeedScroll.Value(), 45);
        EXPECT_TRUE(dialog.modeOption[0].Value());
        EXPECT_EQ(dialog.MusicButton.Value(), platform::vbChecked);
        EXPECT_EQ(dialog.FxButton.Value(), platform::vbChecked);
        EXPECT_TRUE(dialog.Background[3].Value());
        ClickMiddle(platform::vbLeftButton, dialog.OkSprite);
    }});
    EXPECT_TRUE(Common::gOptionsOk);

    std::ifstream in(platform::settings::FilePath("Vandrel"));
    std::stringstream text;
    text << in.rdbuf();
    const std::string file = text.str();
    const std::vector<std::string> lines = {"ShipSpeed=50", "AliensSpeed=45", "Mode=easy",
                                            "MusicOn=1",    "FxOn=1",         "Background=3"};
    std::size_t from = 0;
    for (const std::string& line : lines) {
        const std::size_t at = file.find(line, from);
        EXPECT_NE(at, std::string::npos) << line << " missing or out of order in\n" << file;
        from = at == std::string::npos ? from : at;
    }
}

TEST_F(ZentarOptionsTest, ControlsStandWhereTheirNeighboursPutThem)
{
    Run({[&] {
        struct Case {
            const char* name;
            const platform::Control& control;
            std::int32_t left, top, width, height;
        };
        const Case cases[] = {
            {"ship picture", dialog.ShipSpeedImage, 20, 20, 62, 62},
            {"ship bar", dialog.ShipSpeedScroll, 102, 57, 220, 25},
            {"alien picture", dialog.AlienSpeedImage, 20, 102, 62, 62},
            {"alien bar", dialog.AlienSpeedScroll, 102, 139, 220, 25},
            {"easy", dialog.modeOption[0], 20, 194, 60, 60},
            {"normal", dialog.modeOption[1], 100, 194, 60, 60},
            {"music", dialog.MusicButton, 180, 194, 60, 60},
            {"effects", dialog.FxButton, 260, 194, 60, 60},
            {"background frame", dialog.backgrounds, 0, 274, 340, 60},
            {"background 0", dialog.Background[0], 20, 0, 60, 60},
            {"background 3", dialog.Background[3], 260, 0, 60, 60},
        };
        for (const Case& c : cases) {
            EXPECT_EQ(c.control.Left(), c.left) << c.name;
            EXPECT_EQ(c.control.Top(), c.top) << c.name;
            EXPECT_EQ(c.control.Width(), c.width) << c.name;
            EXPECT_EQ(c.control.Height(), c.height) << c.name;
        }
        EXPECT_EQ(dialog.CancelSprite.X, 20);
        EXPECT_EQ(dialog.CancelSprite.Y, 354);
        EXPECT_EQ(dialog.OkSprite.X, 260);
        EXPECT_EQ(dialog.OkSprite.Y, 354);
        EXPECT_EQ(dialog.ScaleWidth(), 340);
        EXPECT_EQ(dialog.ScaleHeight(), 420);
        platform::headless::After(0).KeyPress(platform::vbKeyEscape);
    }});
}

TEST_F(ZentarOptionsTest, StoredValuesAreShownInsideTheDialogsRanges)
{
    struct Case {
        const char* ship;
        const char* aliens;
        const char* background;
        std::int16_t shipShown, aliensShown;
        int backgroundShown; // -1: none selected
    };
    const Case cases[] = {
        {"5", "400", "0", 20, 300, 0},
        {"fast", "0", "2", 50, 45, 2},
        {"120", "299", "9", 120, 299, -1},
        {"-3", "20", "-1", 50, 20, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ship << " " << c.aliens << " " << c.background);
        Save("ShipSpeed", c.ship);
        Save("AliensSpeed", c.aliens);
        Save("Background", c.background);
        Save("Mode", "normal"); // the running game's mode is shown, not this
        Save("MusicOn", "0");
        Run({[&] {
            EXPECT_EQ(dialog.ShipSpeedScroll.Value(), c.shipShown);
            EXPECT_EQ(dialog.AlienSpeedScroll.Value(), c.aliensShown);
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(dialog.Background[static_cast<std::size_t>(i)].Value(),
                          i == c.backgroundShown)
                    << i;
            }
            EXPECT_TRUE(dialog.modeOption[0].Value());
            EXPECT_EQ(dialog.MusicButton.Value(), platform::vbUnchecked);
            ClickMiddle(platform::vbLeftButton, dialog.OkSprite);
        }});
        EXPECT_EQ(Stored("ShipSpeed"), std::to_string(c.shipShown));
        EXPECT_EQ(Stored("Mode"), "easy");
        EXPECT_EQ(Stored("MusicOn"), "0");
        // A choice outside 0..3 selects nothing and is not written.
        EXPECT_EQ(Stored("Background"), c.backgroundShown < 0 ? std::string(c.background)
                                                              : std::to_string(c.backgroundShown));
    }
}

TEST_F(ZentarOptionsTest, CancelAndEscWriteNothing)
{
    const std::vector<std::function<void()>> cancels = {
        [&] { ClickMiddle(platform::vbLeftButton, dialog.CancelSprite); },
        [&] { platform::headless::After(0).KeyPress(platform::vbKeyEscape); },
        // Esc reaches the dialog while a scroll bar has the focus.
        [&] {
            dialog.ShipSpeedScroll.SetFocus();
            platform::headless::After(0).KeyPress(platform::vbKeyEscape);
        },
    };
    for (const auto& cancel : cancels) {
        Common::gOptionsOk = true;
        Run({[&] {
            dialog.ShipSpeedScroll.SetValue(200);
            cancel();
        }});
        EXPECT_FALSE(Common::gOptionsOk);
        EXPECT_EQ(Stored("ShipSpeed"), "(none)");
    }
}

TEST_F(ZentarOptionsTest, AnyButtonOnThePictureOrItsRightAndBottomEdgeCounts)
{
    struct Case {
        std::int16_t button;
        std::int32_t dx, dy; // from the OK picture's bottom-right corner
        bool saves;
    };
    const Case cases[] = {
        {platform::vbRightButton, -5, -5, true},
        {platform::vbLeftButton, 0, 0, true},
        {platform::vbMiddleButton, 0, -5, true},
        {platform::vbLeftButton, 1, -5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.button << " " << c.dx << " " << c.dy);
        std::filesystem::remove(platform::settings::FilePath("Vandrel"));
        std::vector<std::function<void()>> steps = {[&] {
            const SpriteClass& ok = dialog.OkSprite;
            Click(dialog, c.button, platform::CLng(ok.X) + ok.width + c.dx,
                  platform::CLng(ok.Y) + ok.Height + c.dy);
        }};
        if (!c.saves) {
            steps.push_back([&] { platform::headless::After(0).KeyPress(platform::vbKeyEscape); });
        }
        Run(steps);
        EXPECT_EQ(Stored("ShipSpeed") != "(none)", c.saves);
    }
}

TEST_F(ZentarOptionsTest, OnlyAMouseReleaseOnThePlainColourOpensTheColourDialog)
{
    struct Case {
        const char* name;
        std::function<void()> act;
        bool opens;
    };
    const auto clickChoice = [&](std::size_t index, std::int16_t button) {
        const platform::Rect box = dialog.Background[index].ClientRect();
        Click(dialog, button, box.left + 30, box.top + 30);
    };
    const Case cases[] = {
        {"left button on choice 2", [&] { clickChoice(2, platform::vbLeftButton); }, true},
        {"right button on choice 2", [&] { clickChoice(2, platform::vbRightButton); }, true},
        {"left button on choice 1", [&] { clickChoice(1, platform::vbLeftButton); }, false},
        {"arrow key onto choice 2",
         [&] {
             dialog.Background[1].SetValue(true);
             dialog.Background[1].SetFocus();
             platform::headless::After(0).KeyPress(platform::vbKeyRight);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool opened = false;
        Run({c.act,
             [&] {
                 opened = dialog.Colors.IsLoaded();
                 if (opened) {
                     dialog.Colors.Unload();
                 }
             },
             [&] { platform::headless::After(0).KeyPress(platform::vbKeyEscape); }});
        EXPECT_EQ(opened, c.opens);
    }
}

} // namespace
