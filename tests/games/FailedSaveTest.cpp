// Saves the disk refuses, for root too (a full disk, a folder where the settings file belongs):
// each settings writer of the program (the launcher's dialog, the high-score window, a game's
// options dialog, the colour dialog) says so in a message naming the file and the reason, leaves
// the file as it was, and shows what the file holds.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <unistd.h>

#include "games/lupido/LupidoOptions.h"
#include "shell/HighScoreForm.h"
#include "shell/MenuOptions.h"
#include "shell/OptionSetFile.h"
#include "tests/support/FullDisk.h"
#include "tests/support/GameWindowFixture.h"
#include "toolkit/ColorDialog.h"

namespace {

namespace fs = std::filesystem;

std::string Setting(std::string_view section, std::string_view key)
{
    return platform::GetSetting("Vandrel", section, key, "<absent>");
}

class FailedSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::Install();
        testsupport::ResetSharedState();
    }
    void TearDown() override
    {
        for (platform::Form* window :
             {static_cast<platform::Form*>(&options), static_cast<platform::Form*>(&scores),
              static_cast<platform::Form*>(&game), static_cast<platform::Form*>(&colours)}) {
            if (window->IsLoaded()) {
                window->Unload();
            }
        }
    }

    // A click at the middle of a place in a window's client area, answered at once.
    static void Click(const platform::Form& form, std::int32_t x, std::int32_t y)
    {
        platform::Point point{x, y};
        platform::ClientToScreen(form, &point);
        platform::headless::After(0).Click(platform::vbLeftButton, point.x, point.y);
        platform::DoEvents();
    }
    static void ClickOn(const platform::Form& form, const SpriteClass& sprite)
    {
        Click(form, platform::CLng(sprite.X) + sprite.width / 2,
              platform::CLng(sprite.Y) + sprite.Height / 2);
    }

    // The high-score window's table, best first: "name score, ...".
    std::string TableShown() const
    {
        std::string table;
        for (std::int32_t i = 0; i < 6; ++i) {
            table += scores.NameList.List(i) + " " + scores.ScoreList.List(i) + ", ";
        }
        return table;
    }

    testsupport::OwnSettings settings;
    MenuOptions options;
    HighScoreForm scores;
    LupidoOptions game;
    ColorDialog colours;
};

TEST_F(FailedSaveTest, EveryWriterSaysWhyKeepsTheFileAndShowsWhatItHolds)
{
    // The option set of a fresh store: its import would store "0" and "easy".
    const std::string optionSet =
        (fs::temp_directory_path() / ("vandrel-set-" + std::to_string(::getpid()))).string();
    ASSERT_TRUE(OptionSetFile::Write(optionSet));
    Common::gGameName = "Tamblo";
    const auto enterAnnWith35 = [&] {
        Common::gScore = 35;
        scores.Show();
        platform::headless::After(0).Type("Ann");
        platform::headless::After(0).KeyPress(platform::vbKeyReturn);
        platform::DoEvents();
    };

    const struct {
        const char* writer;
        bool folderInPlace;           // else a full disk
        std::function<void()> before; // with the disk working
        std::function<void()> act;    // with the disk refusing
        std::function<void()> check;
    } cases[] = {
        {"options OK", false, [] {},
         [&] {
             options.Show();
             options.modeOption[0].SetValue(true);
             ClickOn(options, options.OkSprite);
         },
         [&] {
             EXPECT_TRUE(options.IsLoaded());
             EXPECT_FALSE(Common::gOptionsOk);
             EXPECT_EQ(Setting("Menu", "OneButton"), "False");
         }},
        {"option set import", false, [] {},
         [&] {
             options.Show();
             options.ImportSettings(optionSet);
         },
         [&] {
             EXPECT_FALSE(options.modeOption[0].Value());
             EXPECT_EQ(Setting("Menu", "OneButton"), "False");
             EXPECT_EQ(Setting("Tamblo", "Mode"), "<absent>");
         }},
        {"high-score entry", false, [] {}, enterAnnWith35,
         [&] {
             EXPECT_EQ(TableShown(), "P5 60, P4 50, P3 40, P2 30, P1 20, P0 10, ");
             EXPECT_TRUE(scores.NameBox.Visible());
             EXPECT_EQ(Common::gScore, 35);
         }},
        {"high-score reset", false, enterAnnWith35,
         [&] {
             const platform::Control& reset = scores.ResetButton;
             Click(scores, reset.Left() + reset.Width() / 2, reset.Top() + reset.Height() / 2);
         },
         [&] { EXPECT_EQ(TableShown(), "P5 60, P4 50, P3 40, Ann 35, P2 30, P1 20, "); }},
        {"game options OK", true, [] {},
         [&] {
             game.Show();
             game.modeOption[1].SetValue(true);
             ClickOn(game, game.OkSprite);
         },
         [&] {
             EXPECT_TRUE(game.IsLoaded());
             EXPECT_FALSE(Common::gOptionsOk);
             EXPECT_EQ(Setting("Lupido", "Mode"), "<absent>");
         }},
        {"colour OK", false, [] {},
         [&] {
             colours.gameName = "Zentar";
             colours.Show();
             ClickOn(colours, colours.OkSprite);
         },
         [&] {
             EXPECT_TRUE(colours.IsLoaded());
             EXPECT_EQ(Setting("Zentar", "Red"), "<absent>");
         }},
    };
    const fs::path file = platform::settings::FilePath("Vandrel");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.writer);
        fs::remove_all(file);
        for (int i = 0; i < 6; ++i) {
            platform::SaveSetting("Vandrel", "Tamblo", "Highscore" + std::to_string(i),
                                  std::to_string(10 * (i + 1)));
            platform::SaveSetting("Vandrel", "Tamblo", "HighscoreName" + std::to_string(i),
                                  "P" + std::to_string(i));
        }
        platform::SaveSetting("Vandrel", "Menu", "OneButton", "False");
        c.before();
        if (c.folderInPlace) {
            fs::remove(file);
            fs::create_directories(file / "inside");
        }
        const std::string onDisk = testsupport::ReadText(file);
        const std::size_t messages = platform::headless::MessageBoxes().size();
        platform::headless::After(500).KeyPress(platform::vbKeyReturn); // the message box's OK
        ::testing::internal::CaptureStderr();
        {
            std::optional<testsupport::FullDisk> full;
            if (!c.folderInPlace) {
                full.emplace();
            }
            c.act();
        }

        const std::string reason = c.folderInPlace
                                       ? "it cannot be read: " + std::string(std::strerror(EISDIR))
                                       : std::strerror(EFBIG);
        ASSERT_EQ(platform::headless::MessageBoxes().size(), messages + 1);
        EXPECT_EQ(platform::headless::MessageBoxes().back(),
                  "The settings file " + file.string() + " could not be written: " + reason + ".");
        EXPECT_EQ(testsupport::ReadText(file), onDisk);
        EXPECT_EQ(fs::is_directory(file / "inside"), c.folderInPlace);
        c.check();
        ::testing::internal::GetCapturedStderr();
        TearDown();
    }
    fs::remove(optionSet);
}

} // namespace
