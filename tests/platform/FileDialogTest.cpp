// File dialogs: scripted answers, and the chooser window driven by keys and the mouse: folders
// first, files that match the filter, the default extension, the checks of open and save, cancel,
// and the program folder current again afterwards.
#include "platform/FileDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "ControlHost.h"
#include "platform/FileChooser.h"
#include "platform/Input.h"
#include "platform/Paths.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using controltest::RunFor;

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        savedCurrent_ = fs::current_path();
        savedProgram_ = ProgramFolder();
        root_ = fs::temp_directory_path() / ("vandrel-files-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        easy_ = root_ / "Maps" / "Tamblo" / "easy";
        fs::create_directories(easy_ / "sub");
        fs::create_directories(root_ / "Options");
        for (const fs::path& file :
             {easy_ / "1.map", easy_ / "2.MAP", easy_ / "notes.txt", easy_ / "sub" / "3.map"}) {
            std::ofstream(file) << "x";
        }
        SetProgramFolder(root_);
        fs::current_path(root_ / "Options"); // a dialog must leave the program folder current
    }

    void TearDown() override
    {
        fs::current_path(savedCurrent_);
        SetProgramFolder(savedProgram_);
        fs::remove_all(root_);
    }

    // The record as the editors fill it in: a folder written with "\" and in other letter case.
    OpenFileName MapRecord() const
    {
        OpenFileName ofn;
        ofn.lpstrFilter = std::string("Maps (*.map)\0*.map\0", 20);
        ofn.lpstrFile = std::string(1, '\0') + std::string(259, ' ');
        ofn.lpstrInitialDir = root_.string() + "\\maps\\TAMBLO\\easy\\";
        ofn.lpstrDefExt = "map";
        return ofn;
    }

    fs::path root_;
    fs::path easy_;
    fs::path savedCurrent_;
    fs::path savedProgram_;
};

TEST_F(FileDialogTest, ScriptedAnswersAreTakenInTurnAsNamesTypedInTheFirstFolder)
{
    const struct {
        const char* answer; // nullptr: a cancel
        bool chosen;
        fs::path path;
    } cases[] = {
        {"1", true, easy_ / "1.map"},
        {"SUB\\3.map", true, easy_ / "sub" / "3.map"},
        {"new", true, easy_ / "new.map"},
        {"notes.txt", true, easy_ / "notes.txt"},
        {nullptr, false, {}},
    };
    for (const auto& c : cases) {
        if (c.answer != nullptr) {
            headless::AnswerFileDialog(c.answer);
        } else {
            headless::CancelFileDialog();
        }
    }
    for (const auto& c : cases) {
        OpenFileName ofn = MapRecord();
        const std::string before = ofn.lpstrFile;
        EXPECT_EQ(GetOpenFileNameA(&ofn), c.chosen) << c.answer;
        EXPECT_EQ(ofn.lpstrFile, c.chosen ? c.path.string() : before);
        EXPECT_EQ(fs::current_path(), root_);
        fs::current_path(root_ / "Options");
    }
    headless::AnswerFileDialog((root_ / "Options" / "set").string());
    OpenFileName ofn;
    ofn.lpstrDefExt = "vdl";
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(ofn.lpstrFile, (root_ / "Options" / "set.vdl").string());
    EXPECT_EQ(ofn.lpstrFileTitle, "set.vdl");

    ASSERT_EQ(headless::FileDialogs().size(), 6u);
    EXPECT_FALSE(headless::FileDialogs()[0].save);
    EXPECT_TRUE(headless::FileDialogs()[5].save);
    EXPECT_EQ(headless::FileDialogs()[0].request.lpstrDefExt, "map");
}

TEST_F(FileDialogTest, TheSaveChooserTakesATypedNameWithTheDefaultExtension)
{
    OpenFileName ofn;
    ofn.lpstrFilter = "Option sets (*.vdl)|*.vdl";
    ofn.lpstrInitialDir = (root_ / "Options").string();
    ofn.lpstrDefExt = "vdl";
    headless::After(10).Type("my options");
    headless::After(20).KeyPress(vbKeyReturn);
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(ofn.lpstrFile, (root_ / "Options" / "my options.vdl").string());
    EXPECT_EQ(fs::current_path(), root_);
}

TEST_F(FileDialogTest, EveryChooserStartsInTheNameBoxWithTheListOneTabAway)
{
    const struct {
        bool save;
        bool tab;          // Tab, End and Enter: the list's last file; else the name typed at once
        const char* typed; // "s" in the list would pick [sub] instead
        fs::path chosen;
    } cases[] = {
        {false, false, "sub/3", easy_ / "sub" / "3.map"},
        {true, false, "sub/4", easy_ / "sub" / "4.map"},
        {false, true, "", easy_ / "2.MAP"},
        {true, true, "", easy_ / "2.MAP"},
    };
    // A chooser still open once its keys are used up is cancelled.
    headless::OnIdle([] { headless::After(0).KeyPress(vbKeyEscape); });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        OpenFileName ofn = MapRecord();
        if (c.tab) {
            headless::After(10).KeyPress(vbKeyTab).KeyPress(vbKeyEnd).KeyPress(vbKeyReturn);
        } else {
            headless::After(10).Type(c.typed).KeyPress(vbKeyReturn);
        }
        EXPECT_TRUE(c.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn));
        EXPECT_EQ(ofn.lpstrFile, c.chosen.string()) << (c.save ? "save" : "open");
    }
    headless::OnIdle(nullptr);
}

TEST_F(FileDialogTest, TheOpenChooserListsFoldersFirstThenTheMatchingFilesByName)
{
    // The list holds [..], [sub], 1.map, 2.MAP; notes.txt does not match the filter.
    OpenFileName ofn = MapRecord();
    headless::After(10).KeyPress(vbKeyTab).KeyPress(vbKeyEnd).KeyPress(vbKeyReturn);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(ofn.lpstrFile, (easy_ / "2.MAP").string());

    // Down to [sub], into it, then its last file; Backspace goes up a folder first and back.
    ofn = MapRecord();
    headless::After(10).KeyPress(vbKeyTab).KeyPress(vbKeyHome).KeyPress(vbKeyDown);
    headless::After(10).KeyPress(vbKeyReturn);
    headless::After(20).KeyPress(vbKeyBack).Type("s").KeyPress(vbKeyReturn);
    headless::After(30).KeyPress(vbKeyEnd).KeyPress(vbKeyReturn);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(ofn.lpstrFile, (easy_ / "sub" / "3.map").string());
    EXPECT_EQ(ofn.lpstrFileTitle, "3.map");
}

TEST_F(FileDialogTest, OpenRefusesANameThatDoesNotExistAndEscCancels)
{
    OpenFileName ofn = MapRecord();
    // "9" is not there: a message, Enter closes it.
    headless::After(10).Type("9").KeyPress(vbKeyReturn);
    headless::After(20).KeyPress(vbKeyReturn);
    headless::After(30).KeyPress(vbKeyEscape);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(ofn.lpstrFile.substr(0, 1), std::string(1, '\0'));
    EXPECT_EQ(fs::current_path(), root_);
}

TEST_F(FileDialogTest, SaveAsksBeforeReplacingAnExistingFileOnlyWhenTheFlagSaysSo)
{
    OpenFileName ofn = MapRecord();
    ofn.Flags = OFN_OVERWRITEPROMPT;
    headless::After(10).Type("1").KeyPress(vbKeyReturn);
    headless::After(20).KeyPress(vbKeyEscape); // No: the chooser stays
    headless::After(30).KeyPress(vbKeyReturn);
    headless::After(40).KeyPress(vbKeyReturn); // Yes
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(ofn.lpstrFile, (easy_ / "1.map").string());
    EXPECT_EQ(headless::Elapsed(), 40);

    ofn = MapRecord();
    headless::After(10).Type("1").KeyPress(vbKeyReturn);
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(ofn.lpstrFile, (easy_ / "1.map").string());
}

TEST_F(FileDialogTest, TheMouseOpensAFolderWithADoubleClickAndPicksAFileForOk)
{
    // The chooser is centred on the screen: its 520 x 420 client area, with the frame and the
    // caption bar, begins at (140, 100); its list at (12, 44) within, lines after a 3-pixel border.
    const Hdc dc = CreateCompatibleDC(0);
    SelectObject(dc, CreateFontHandle(FontSpec{"DejaVu Sans", 12.0, false}));
    TextMetrics metrics;
    GetTextMetrics(dc, &metrics);
    DeleteDC(dc);
    const auto lineY = [&](std::int32_t line) {
        return 100 + detail::ChooserListTop + 3 + line * metrics.height + metrics.height / 2;
    };
    const std::int32_t listX = 140 + 100;
    OpenFileName ofn = MapRecord();
    headless::After(10).Click(vbLeftButton, listX, lineY(1));
    headless::After(100).Click(vbLeftButton, listX, lineY(1));  // [sub], double-clicked
    headless::After(1000).Click(vbLeftButton, listX, lineY(1)); // 3.map into the name box
    // OK: left of Cancel, both at the bottom right.
    headless::After(1100).Click(vbLeftButton, 140 + 520 - 12 - 100 - 10 - 50, 100 + 420 - 12 - 18);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(ofn.lpstrFile, (easy_ / "sub" / "3.map").string());

    ofn = MapRecord();
    headless::After(10).Click(vbLeftButton, 140 + 520 - 12 - 50, 100 + 420 - 12 - 18); // Cancel
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
}

TEST_F(FileDialogTest, PatternsMatchNamesWithoutRegardToCase)
{
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"1.map", "*.map", true},   {"1.MAP", "*.map", true}, {"1.map.bak", "*.map", false},
        {"map", "*.map", false},    {"readme", "*.*", true},  {"1.map", "?.map", true},
        {"12.map", "?.map", false}, {"abc", "a*c", true},     {"ab", "a*c", false},
        {"aXbXc", "a*b*c", true},   {"", "*", true},          {"x", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(detail::MatchesPattern(c.name, c.pattern), c.matches)
            << c.name << " ~ " << c.pattern;
    }
    const detail::FileFilter maps = detail::FirstFilter(std::string("Maps (*.map)\0*.map\0", 20));
    EXPECT_EQ(maps.description, "Maps (*.map)");
    EXPECT_EQ(maps.patterns, (std::vector<std::string>{"*.map"}));
    const detail::FileFilter pictures = detail::FirstFilter("Pictures|*.gif; *.BMP|Everything|*.*");
    EXPECT_EQ(pictures.patterns, (std::vector<std::string>{"*.gif", "*.BMP"}));
    EXPECT_EQ(detail::FirstFilter("").patterns, (std::vector<std::string>{"*"}));
}

} // namespace
} // namespace platform
