// The high-score window: its layout scaled by the font scale, the two-step OK, Esc and the close
// box storing nothing, the name length, and reset to the default table.
#include "shell/HighScoreForm.h"

#include <gtest/gtest.h>

#include <string>

#include "common/Common.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "tests/shell/ShellFixture.h"

namespace {

using shelltest::MediaSent;
using shelltest::Save;
using shelltest::Setting;

class HighScoreFormTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        Common::gGameName = "Tamblo";
        SaveTable();
    }

    // Tamblo's table: P0 with 10 to P5 with 60.
    static void SaveTable()
    {
        for (int i = 0; i < 6; ++i) {
            Save("Tamblo", "Highscore" + std::to_string(i), std::to_string(10 * (i + 1)));
            Save("Tamblo", "HighscoreName" + std::to_string(i), "P" + std::to_string(i));
        }
    }

    // A click at the centre of a control, some milliseconds from now (the window fills the screen).
    static void ClickOn(const platform::Control& control, std::int64_t afterMs)
    {
        platform::headless::After(afterMs).Click(platform::vbLeftButton,
                                                 control.Left() + control.Width() / 2,
                                                 control.Top() + control.Height() / 2);
    }

    std::string StoredScores() const
    {
        std::string scores;
        for (int i = 0; i < 6; ++i) {
            scores += Setting("Tamblo", "Highscore" + std::to_string(i)) + " ";
        }
        return scores;
    }

    HighScoreForm form;
};

TEST_F(HighScoreFormTest, ANameStoredWithOkLandsInItsSlotAndOkAgainCloses)
{
    // The second OK is a click, or Enter on the OK button, which the hidden box left the focus to.
    for (const bool enter : {false, true}) {
        SCOPED_TRACE(enter ? "Enter" : "click");
        SaveTable();
        Common::gScore = 35;
        form.Show();
        platform::headless::After(0).Type("Ann");
        platform::headless::After(0).KeyPress(platform::vbKeyReturn);
        platform::DoEvents();
        EXPECT_EQ(StoredScores(), "20 30 35 40 50 60 ");
        EXPECT_EQ(Setting("Tamblo", "HighscoreName2"), "Ann");
        EXPECT_EQ(Common::gScore, -1);
        EXPECT_TRUE(form.Visible());
        EXPECT_FALSE(form.NameBox.Visible());
        EXPECT_TRUE(form.ResetButton.Visible());
        EXPECT_EQ(form.NameList.List(3), "Ann");
        EXPECT_EQ(form.ScoreList.List(3), "35");

        if (enter) {
            platform::headless::After(0).KeyPress(platform::vbKeyReturn);
        } else {
            ClickOn(form.OKButton, 0);
        }
        platform::DoEvents();
        EXPECT_FALSE(form.IsLoaded());
        EXPECT_EQ(StoredScores(), "20 30 35 40 50 60 ");
        form.Unload();
    }
}

TEST_F(HighScoreFormTest, TheTableShowsBestFirstAndTheLayoutFollowsTheFontScale)
{
    for (const double scale : {1.0, 0.8}) {
        GameUtil::gFontScale = scale;
        form.Show();
        EXPECT_DOUBLE_EQ(form.NameList.Font().points, 36 * scale);
        EXPECT_DOUBLE_EQ(form.NameBox.Font().points, 36 * scale);
        EXPECT_EQ(form.NameList.List(0), "P5");
        EXPECT_EQ(form.ScoreList.List(0), "60");
        EXPECT_EQ(form.ScoreList.List(5), "10");
        EXPECT_EQ(form.ScoreList.Left(), 401);
        EXPECT_LE(form.NameList.Height(), 406);
        const std::int32_t buttonsTop = 30 + form.NameList.Height() + 30;
        EXPECT_EQ(form.OKButton.Top(), buttonsTop);
        EXPECT_EQ(form.OKButton.Left(), 401 + 305 - 76);
        EXPECT_EQ(form.OKButton.Width(), 75);
        EXPECT_EQ(form.OKButton.Height(), 75);
        EXPECT_EQ(form.ResetButton.Left(), 96);
        EXPECT_EQ(form.ResetButton.Top(), buttonsTop);
        EXPECT_FALSE(form.ResetButton.Visible());
        EXPECT_EQ(form.NameBox.Top(), buttonsTop);
        EXPECT_EQ(form.NameBox.Width(), 630 - 96 - 10);
        EXPECT_TRUE(form.NameBox.HasFocus());
        form.Unload();
    }
}

TEST_F(HighScoreFormTest, OkWithAnEmptyNameKeepsTheWindowOpenWithTheFocusInTheBox)
{
    Common::gScore = 1000;
    form.Show();
    ClickOn(form.OKButton, 10);
    platform::DoEvents();
    platform::headless::After(0).KeyPress(platform::vbKeyReturn);
    platform::DoEvents();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.NameBox.Visible());
    EXPECT_TRUE(form.NameBox.HasFocus());
    EXPECT_EQ(StoredScores(), "10 20 30 40 50 60 ");
    EXPECT_EQ(Common::gScore, 1000);
    form.Unload();
}

TEST_F(HighScoreFormTest, EscAndTheCloseBoxLeaveWithoutStoringEvenWithANameTyped)
{
    for (const bool closeBox : {false, true}) {
        Common::gScore = 1000;
        platform::headless::ClearMediaLog();
        platform::headless::After(10).Type("Bo");
        if (closeBox) {
            platform::headless::After(20).Close();
        } else {
            platform::headless::After(20).KeyPress(platform::vbKeyEscape);
        }
        form.Show(platform::vbModal);
        EXPECT_FALSE(form.IsLoaded());
        EXPECT_EQ(StoredScores(), "10 20 30 40 50 60 ");
        EXPECT_EQ(Common::gScore, 1000);
        EXPECT_TRUE(MediaSent("Play Music\\menu.mid"));
        EXPECT_EQ(MediaSent("Play Sfx\\click.wav"), !closeBox);
        EXPECT_TRUE(MediaSent("Close Music\\menu.mid"));
    }
}

TEST_F(HighScoreFormTest, ANameIsCutToTwelveCharactersAndKeptAsUtf8)
{
    const struct {
        std::int32_t score; // the best so far, so that the name lands at index 5
        const char* typed;
        const char* stored;
    } cases[] = {
        {1000, "Maximiliane Rosenkranz", "Maximiliane "},
        {2000, "Tester \u00DCn\u00EF \u0141ukasz", "Tester \u00DCn\u00EF \u0141"},
    };
    for (const auto& c : cases) {
        Common::gScore = c.score;
        platform::headless::After(10).Type(c.typed);
        platform::headless::After(20).KeyPress(platform::vbKeyReturn);
        platform::headless::After(30).KeyPress(platform::vbKeyEscape);
        form.Show(platform::vbModal);
        EXPECT_EQ(Setting("Tamblo", "HighscoreName5"), c.stored);
        Common::LoadHighScores();
        EXPECT_EQ(Common::gHighScoreNames[5], c.stored);
    }
}

TEST_F(HighScoreFormTest, ResetAfterStoringWritesAndShowsTheDefaultTable)
{
    Save("Menu", "FxOn", "0");
    Common::gScore = 45;
    form.Show();
    platform::headless::After(0).Type("Cy");
    platform::headless::After(0).KeyPress(platform::vbKeyReturn);
    platform::DoEvents();
    ASSERT_FALSE(form.NameBox.Visible());
    ASSERT_TRUE(form.ResetButton.Visible());
    EXPECT_EQ(form.NameList.List(2), "Cy");

    platform::headless::ClearMediaLog();
    ClickOn(form.ResetButton, 0);
    platform::DoEvents();
    EXPECT_EQ(StoredScores(), "10 20 30 40 50 60 ");
    for (int i = 0; i < 6; ++i) {
        const std::string name = Setting("Tamblo", "HighscoreName" + std::to_string(i));
        EXPECT_TRUE(name == "Mirel" || name == "Tobrik") << name;
        EXPECT_EQ(form.NameList.List(5 - i), name);
    }
    EXPECT_EQ(form.ScoreList.List(0), "60");
    EXPECT_FALSE(MediaSent("Play Sfx\\click.wav"));

    ClickOn(form.OKButton, 0);
    platform::DoEvents();
    EXPECT_FALSE(form.IsLoaded());
}

} // namespace
