// The crossing game's options dialog: what it shows of the stored keys and the running mode, what
// OK writes and in which order, and what cancel and Esc leave alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Common.h"
#include "games/lupido/LupidoOptions.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "tests/support/OptionsDialogFixture.h"

namespace {

class LupidoOptionsTest : public testsupport::OptionsDialogFixture<LupidoOptions> {
protected:
    LupidoOptionsTest() : OptionsDialogFixture("Lupido") {}
};

TEST_F(LupidoOptionsTest, OkWithAnyButtonWritesModeMusicAndEffectsInThisOrder)
{
    Common::gMode = "Easy"; // not exactly "easy": normal shows
    Run({[&] {
        EXPECT_EQ(dialog.ScaleHeight(), 180);
        EXPECT_TRUE(dialog.modeOption[1].Value());
        ClickMiddle(platform::vbRightButton, dialog.OkSprite);
    }});
    EXPECT_TRUE(Common::gOptionsOk);
    const std::vector<std::string> order = {"Mode", "MusicOn", "FxOn"};
    EXPECT_EQ(KeysInFile(), order);
    EXPECT_EQ(Stored("Mode"), "normal");
    EXPECT_EQ(Stored("MusicOn"), "1");
    EXPECT_EQ(Stored("FxOn"), "1");
}

TEST_F(LupidoOptionsTest, ShowsTheRunningModeAndAnyNonZeroAsOnAndCancelOrEscWritesNothing)
{
    Save("Mode", "normal");
    Save("MusicOn", "5");
    Save("FxOn", "0");
    for (const bool esc : {false, true}) {
        Common::gOptionsOk = true;
        Run({[&] {
            EXPECT_TRUE(dialog.modeOption[0].Value());
            EXPECT_EQ(dialog.MusicButton.Value(), platform::vbChecked);
            EXPECT_EQ(dialog.FxButton.Value(), platform::vbUnchecked);
            dialog.FxButton.SetValue(platform::vbChecked);
            if (esc) {
                platform::headless::After(0).KeyPress(platform::vbKeyEscape);
            } else {
                ClickMiddle(platform::vbLeftButton, dialog.CancelSprite);
            }
        }});
        EXPECT_FALSE(Common::gOptionsOk);
        EXPECT_EQ(Stored("Mode"), "normal");
        EXPECT_EQ(Stored("MusicOn"), "5");
        EXPECT_EQ(Stored("FxOn"), "0");
    }
}

} // namespace
