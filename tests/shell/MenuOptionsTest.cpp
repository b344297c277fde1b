// The global options dialog: what it shows of section "Menu", the forms OK writes, the ways out
// that write nothing, and export and import of option set files through the file dialogs.
#include "shell/MenuOptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/Common.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Paths.h"
#include "shell/OptionSetFile.h"
#include "tests/shell/ShellFixture.h"

namespace {

namespace fs = std::filesystem;
using platform::Point;
using shelltest::Save;
using shelltest::Setting;

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class MenuOptionsTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        folder_ = fs::temp_directory_path() /
                  ("vandrel-options-" + std::to_string(::getpid()) + "-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        if (dialog.IsLoaded()) {
            dialog.Unload();
        }
        fs::remove_all(folder_);
    }

    // A click at a point of the dialog's client area, now.
    void ClickAt(std::int32_t x, std::int32_t y)
    {
        Point point{x, y};
        platform::ClientToScreen(dialog, &point);
        platform::headless::After(0).Click(platform::vbLeftButton, point.x, point.y);
        platform::DoEvents();
    }
    void ClickOn(const platform::Control& control)
    {
        ClickAt(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2);
    }
    void ClickOn(const SpriteClass& sprite)
    {
        ClickAt(static_cast<std::int32_t>(sprite.X) + sprite.width / 2,
                static_cast<std::int32_t>(sprite.Y) + sprite.Height / 2);
    }

    std::string MenuKeys() const
    {
        std::string keys;
        for (const char* key : {"OneButton", "MusicOn", "FxOn", "HighScore", "PauseOnStop"}) {
            keys += Setting("Menu", key) + " ";
        }
        return keys;
    }
    std::string Shown() const
    {
        return std::string(dialog.modeOption[0].Value() ? "one " : "two ") +
               std::to_string(dialog.MusicButton.Value()) +
               std::to_string(dialog.FxButton.Value()) +
               std::to_string(dialog.HighScoreButton.Value()) +
               std::to_string(dialog.PauseOnStopButton.Value());
    }

    fs::path folder_;
    MenuOptions dialog;
};

TEST_F(MenuOptionsTest, TheControlsShowTheMenuKeysAndUnreadableValuesShowTheirDefaults)
{
    const struct {
        const char* oneButton;
        const char* musicOn;
        const char* highScore;
        const char* shown;
    } cases[] = {
        {nullptr, nullptr, nullptr, "two 1100"}, // an empty store
        {"True", "0", "1", "one 0110"},          {"1", "1", "0", "one 1100"},
        {"False", "2", "x", "two 0100"},         {"yes", "many", "True", "two 1100"},
    };
    for (const auto& c : cases) {
        std::error_code ignored;
        fs::remove(platform::settings::FilePath(Common::AppName), ignored);
        if (c.oneButton != nullptr) {
            Save("Menu", "OneButton", c.oneButton);
            Save("Menu", "MusicOn", c.musicOn);
            Save("Menu", "HighScore", c.highScore);
        }
        dialog.Show();
        EXPECT_EQ(Shown(), c.shown) << (c.oneButton ? c.oneButton : "empty");
        ASSERT_FALSE(platform::headless::Warps().empty());
        EXPECT_EQ(platform::headless::Warps().back(), (Point{400, 350}));
        dialog.Unload();
    }
}

TEST_F(MenuOptionsTest, OkWritesOneButtonAsAWordAndTheOtherKeysAsDigits)
{
    dialog.Show();
    ClickOn(dialog.modeOption[0]);
    ClickOn(dialog.FxButton);
    ClickOn(dialog.HighScoreButton);
    ClickOn(dialog.OkSprite);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_TRUE(Common::gOptionsOk);
    EXPECT_EQ(MenuKeys(), "True 1 0 1 0 ");

    dialog.Show();
    ClickOn(dialog.modeOption[1]);
    ClickOn(dialog.PauseOnStopButton);
    ClickOn(dialog.OkSprite);
    EXPECT_EQ(MenuKeys(), "False 1 0 1 1 ");
}

TEST_F(MenuOptionsTest, CancelEscAndTheCloseBoxWriteNothingAndAnswerFalse)
{
    enum class Way { Cancel, Esc, CloseBox };
    for (const Way way : {Way::Cancel, Way::Esc, Way::CloseBox}) {
        Common::gOptionsOk = true;
        dialog.Show(platform::vbModeless);
        ClickOn(dialog.modeOption[0]);
        ClickOn(dialog.MusicButton);
        switch (way) {
        case Way::Cancel:
            ClickOn(dialog.CancelSprite);
            break;
        case Way::Esc:
            platform::headless::After(0).KeyPress(platform::vbKeyEscape);
            break;
        case Way::CloseBox:
            platform::headless::After(0).Close();
            break;
        }
        platform::DoEvents();
        EXPECT_FALSE(dialog.IsLoaded()) << static_cast<int>(way);
        EXPECT_FALSE(Common::gOptionsOk) << static_cast<int>(way);
        EXPECT_EQ(MenuKeys(), "<absent> <absent> <absent> <absent> <absent> ");
    }
}

TEST_F(MenuOptionsTest, AClickBetweenThePicturesDoesNothing)
{
    dialog.Show();
    ClickAt(100, 90);
    ClickAt(350, 130);
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(MenuKeys(), "<absent> <absent> <absent> <absent> <absent> ");
}

TEST_F(MenuOptionsTest, ExportThenImportOnAFreshStoreRoundTripsAll38Values)
{
    const std::string file = (folder_ / "set.vdl").string();
    dialog.Show();
    platform::headless::AnswerFileDialog(file);
    ClickOn(dialog.SaveButton);
    // The dialog's choices are stored first, so the file starts with the word.
    const std::string text = ReadText(file);
    ASSERT_EQ(text.substr(0, 9), "\"False\"\r\n");
    EXPECT_EQ(Setting("Menu", "OneButton"), "False");
    EXPECT_EQ(fs::current_path(), platform::ProgramFolder());

    const auto& records = platform::headless::FileDialogs();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(records[0].save);
    EXPECT_EQ(records[0].request.hwndOwner, &dialog);
    EXPECT_EQ(records[0].request.lpstrFilter, std::string("Maps (*.vdl)\0*.vdl\0", 20));
    EXPECT_EQ(records[0].request.lpstrDefExt, "vdl");
    EXPECT_EQ(records[0].request.lpstrInitialDir, platform::ProgramFolder().string() + "\\");

    // Every value changed, then the file brings them all back.
    for (const auto& entry : OptionSetFile::Entries()) {
        Save(entry.section, entry.key, entry.key == "Mode" ? "normal" : "7");
    }
    dialog.ShowSettings();
    platform::headless::AnswerFileDialog(file);
    ClickOn(dialog.LoadButton);
    const std::size_t lineEnd = 2;
    std::size_t position = 0;
    for (const auto& entry : OptionSetFile::Entries()) {
        const std::size_t close = text.find('"', position + 1);
        EXPECT_EQ(Setting(entry.section, entry.key),
                  text.substr(position + 1, close - position - 1))
            << entry.section << " " << entry.key;
        position = close + 1 + lineEnd;
    }
    EXPECT_EQ(Shown(), "two 1100");
    EXPECT_EQ(fs::current_path(), platform::ProgramFolder());
}

TEST_F(MenuOptionsTest, AnImportThatCannotReadAll38ValuesChangesNothingAndSaysWhy)
{
    std::ofstream(folder_ / "short.vdl", std::ios::binary) << "\"True\"\r\n\"0\"\r\n";
    // 38 values of junk: none converts to what its key holds.
    std::ofstream garbage(folder_ / "garbage.vdl", std::ios::binary);
    for (int line = 0; line < 38; ++line) {
        garbage << '"' << static_cast<char>(0x80 + line) << "\x01z\"\r\n";
    }
    garbage.close();
    // After a blank line, the 20th value (TambloSpeed) is no number.
    std::ofstream late(folder_ / "late.vdl", std::ios::binary);
    late << "\r\n";
    for (std::size_t line = 0; line < 38; ++line) {
        late << '"' << (line == 19 ? "fast" : OptionSetFile::Entries()[line].fallback) << "\"\r\n";
    }
    late.close();
    const struct {
        const char* name;
        std::string says;
    } cases[] = {
        {"short.vdl", "; nothing was changed."},
        {"garbage.vdl", ": \"OneButton\" of \"Menu\" on line 1 holds a value that "
                        "cannot be used; nothing was changed."},
        {"late.vdl", ": \"TambloSpeed\" of \"Tamblo\" on line 21 holds a value that "
                     "cannot be used; nothing was changed."},
        {"missing.vdl", "; nothing was changed."},
    };
    Save("Menu", "OneButton", "False");
    dialog.Show();
    for (const auto& c : cases) {
        platform::headless::After(500).KeyPress(platform::vbKeyReturn); // the message box's OK
        dialog.ImportSettings((folder_ / c.name).string());
        ASSERT_FALSE(platform::headless::MessageBoxes().empty());
        EXPECT_EQ(platform::headless::MessageBoxes().back(),
                  "The options could not be read from " + (folder_ / c.name).string() + c.says)
            << c.name;
        EXPECT_EQ(MenuKeys(), "False <absent> <absent> <absent> <absent> ") << c.name;
        EXPECT_EQ(Setting("Tamblo", "Mode"), "<absent>") << c.name;
        EXPECT_EQ(Shown(), "two 1100") << c.name;
        EXPECT_TRUE(dialog.Visible());
    }
    EXPECT_EQ(platform::headless::MessageBoxes().size(), 4U);
}

TEST_F(MenuOptionsTest, AnExportThatCannotBeWrittenSaysWhy)
{
    dialog.Show();
    platform::headless::After(500).KeyPress(platform::vbKeyReturn);
    const fs::path file = folder_ / "no-folder" / "set.vdl";
    dialog.ExportSettings(file.string());
    EXPECT_EQ(platform::headless::MessageBoxes(),
              std::vector<std::string>{"The options could not be saved to " + file.string() +
                                       ": its folder does not exist."});
    EXPECT_TRUE(dialog.Visible());
}

} // namespace
