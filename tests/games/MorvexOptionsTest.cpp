// The rock game's options dialog: what it shows for stored values in and out of range, the seven
// keys its OK writes in order, and cancel writing nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Common.h"
#include "games/morvex/MorvexOptions.h"
#include "platform/Input.h"
#include "tests/support/OptionsDialogFixture.h"

namespace {

class MorvexOptionsTest : public testsupport::OptionsDialogFixture<MorvexOptions> {
protected:
    MorvexOptionsTest() : OptionsDialogFixture("Morvex") {}
};

TEST_F(MorvexOptionsTest, OkWritesTheSevenKeysInOrderWithTheValuesShown)
{
    const struct {
        std::vector<std::pair<const char*, const char*>> stored;
        const char* mode; // of the running game
        std::vector<std::string> written;
    } cases[] = {
        // An empty section: the ship speed shows 50, not the game's 100.
        {{}, "easy", {"50", "2", "50", "easy", "1", "1", "3"}},
        {{{"ShipSpeed", "1000"},
          {"RotateSpeed", "abc"},
          {"RockSpeed", "400"},
          {"Mode", "easy"},
          {"MusicOn", "0"},
          {"Background", "9"}},
         "normal",
         {"300", "2", "300", "normal", "0", "1", "3"}},
        {{{"ShipSpeed", "20"}, {"RotateSpeed", "20"}, {"RockSpeed", "1"}, {"Background", "1"}},
         "easy",
         {"20", "20", "1", "easy", "1", "1", "1"}},
    };
    const std::vector<std::string> keys = {"ShipSpeed", "RotateSpeed", "RockSpeed", "Mode",
                                           "MusicOn",   "FxOn",        "Background"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written[0]);
        testsupport::OwnSettings own;
        for (const auto& [key, value] : c.stored) {
            Save(key, value);
        }
        Common::gMode = c.mode;
        Run({[&] { ClickMiddle(platform::vbRightButton, dialog.OkSprite); }});
        EXPECT_TRUE(Common::gOptionsOk);
        std::vector<std::string> written;
        for (const std::string& key : keys) {
            written.push_back(Stored(key));
        }
        EXPECT_EQ(written, c.written);
        if (c.stored.empty()) {
            EXPECT_EQ(KeysInFile(), keys);
        }
    }
}

TEST_F(MorvexOptionsTest, ThreeSettingRowsStandAboveTheButtonRow)
{
    dialog.Load();
    struct Case {
        const char* name;
        const platform::Control& control;
        std::int32_t left, top, width, height;
    };
    const Case cases[] = {
        {"ship picture", dialog.ShipSpeedImage, 20, 20, 62, 62},
        {"ship bar", dialog.ShipSpeedScroll, 102, 57, 220, 25},
        {"turning picture", dialog.RotateSpeedImage, 20, 102, 62, 62},
        {"turning bar", dialog.RotateSpeedScroll, 102, 139, 220, 25},
        {"rock picture", dialog.RockSpeedImage, 20, 184, 62, 62},
        {"rock bar", dialog.RockSpeedScroll, 102, 221, 220, 25},
        {"easy", dialog.modeOption[0], 20, 266, 60, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.control.Left(), c.left);
        EXPECT_EQ(c.control.Top(), c.top);
        EXPECT_EQ(c.control.Width(), c.width);
        EXPECT_EQ(c.control.Height(), c.height);
    }
    dialog.Unload();
}

TEST_F(MorvexOptionsTest, EscCancelsWithoutWritingAnything)
{
    Run({[&] {
        dialog.RockSpeedScroll.SetValue(99);
        platform::headless::After(0).KeyPress(platform::vbKeyEscape);
    }});
    EXPECT_FALSE(Common::gOptionsOk);
    EXPECT_TRUE(KeysInFile().empty());
}

} // namespace
