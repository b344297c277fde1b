// The settings store: defaults only for absent keys, any text round-trips through the file, names
// match ignoring case, and a failed or damaged file never loses what was on disk.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/ListFile.h"
#include "platform/Settings.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TextFiles.h"

namespace {

namespace fs = std::filesystem;

using testsupport::ReadText;
using testsupport::WriteText;

std::set<std::string> FolderEntries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = std::getenv("XDG_CONFIG_HOME");
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        config_ = fs::path(saved_) / test->name();
        fs::remove_all(config_);
        UseConfig(config_);
    }

    void TearDown() override { ::setenv("XDG_CONFIG_HOME", saved_.c_str(), 1); }

    static void UseConfig(const fs::path& folder)
    {
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }

    fs::path File() const { return config_ / "vandrel" / "vandrel.ini"; }

    std::string saved_;
    fs::path config_;
};

TEST_F(SettingsTest, LivesInOneFilePerApplicationUnderTheConfigFolder)
{
    EXPECT_EQ(platform::settings::FilePath("Vandrel"), File());
    EXPECT_EQ(platform::settings::FilePath("My App/2"), config_ / "vandrel" / "my%20app%2F2.ini");
    EXPECT_TRUE(platform::SaveSetting("Vandrel", "Menu", "MusicOn", "1"));
    EXPECT_TRUE(fs::is_regular_file(File()));

    // Without a usable XDG_CONFIG_HOME (unset, empty or relative) the file lies under ~/.config.
    const char* home = std::getenv("HOME");
    const std::optional<std::string> savedHome =
        home != nullptr ? std::optional<std::string>(home) : std::nullopt;
    ::setenv("HOME", "/home/someone", 1);
    for (const char* xdg : {"", "relative/config"}) {
        ::setenv("XDG_CONFIG_HOME", xdg, 1);
        EXPECT_EQ(platform::settings::FilePath("Vandrel"),
                  fs::path("/home/someone/.config/vandrel/vandrel.ini"));
    }
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(platform::settings::FilePath("Vandrel"),
              fs::path("/home/someone/.config/vandrel/vandrel.ini"));
    if (savedHome) {
        ::setenv("HOME", savedHome->c_str(), 1);
    } else {
        ::unsetenv("HOME");
    }
}

TEST_F(SettingsTest, DefaultIsReturnedOnlyWhenTheKeyIsAbsent)
{
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "FxOn", "1"), "1");
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "FxOn"), "");
    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Menu", "FxOn", ""));
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "FxOn", "1"), "");
    EXPECT_EQ(platform::GetSetting("Vandrel", "Tamblo", "FxOn", "1"), "1");
    EXPECT_EQ(platform::GetSetting("Other", "Menu", "FxOn", "1"), "1");
}

TEST_F(SettingsTest, AnyTextRoundTripsThroughTheFile)
{
    const struct {
        std::string section;
        std::string key;
        std::string value;
    } cases[] = {
        {"Tamblo", "HighscoreName0", "Zoë \xE2\x9C\x93"},
        {"Tamblo", "a=b", "x=y=z"},
        {"[Odd] section", "[key]", "[value]"},
        {"Quotes", "\"k\"", "\"quoted\" and 'single'"},
        {"Blanks", " key ", "  two blanks each side  "},
        {"Lines", "multi\nline", "one\r\ntwo\nthree\ttab"},
        {"Comments", ";not a comment", "#nor this ;"},
        {"Backslash", "C:\\key", "\\x41 stays as typed\\"},
        {"", "", "empty section and key"},
        {"Bytes", "nul", std::string("a\0b\x7F\xFF", 5)},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(platform::SaveSetting("Vandrel", c.section, c.key, c.value));
    }
    // Read from disk afresh: the same file under another config folder is not in the cache.
    const fs::path copy = config_ / "copy";
    WriteText(copy / "vandrel" / "vandrel.ini", ReadText(File()));
    UseConfig(copy);
    for (const auto& c : cases) {
        EXPECT_EQ(platform::GetSetting("Vandrel", c.section, c.key, "absent"), c.value)
            << c.section << '/' << c.key;
    }
}

TEST_F(SettingsTest, NamesMatchIgnoringCaseAndKeepTheirFirstSpelling)
{
    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Menu", "MusicOn", "1"));
    EXPECT_EQ(platform::GetSetting("VANDREL", "menu", "MUSICON", "x"), "1");
    ASSERT_TRUE(platform::SaveSetting("vandrel", "MENU", "musicon", "0"));
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "MusicOn", "x"), "0");

    const std::string text = ReadText(File());
    EXPECT_NE(text.find("[Menu]\nMusicOn=0\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("MENU"), std::string::npos);
    EXPECT_EQ(text.find("musicon"), std::string::npos);
    // Only ASCII letters fold: "Ä" and "ä" are different names.
    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Menu", "\xC3\x84", "upper"));
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "\xC3\xA4", "absent"), "absent");
}

TEST_F(SettingsTest, AFileChangedOnDiskIsReadAgain)
{
    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Zentar", "Mode", "easy"));
    WriteText(File(), "[Zentar]\r\nMode = normal\r\n");
    EXPECT_EQ(platform::GetSetting("Vandrel", "Zentar", "Mode"), "normal");
    fs::remove(File());
    EXPECT_EQ(platform::GetSetting("Vandrel", "Zentar", "Mode", "gone"), "gone");
}

TEST_F(SettingsTest, ADamagedFileIsReadAsFarAsPossibleAndKeptAsideBeforeTheFirstSave)
{
    const std::string damaged = "stray line\n[Menu]\nMusicOn=0\nbad\\q=1\nFxOn=1\n[Kre\\vin]\n"
                                "Mode=lost\n";
    WriteText(File(), damaged);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "MusicOn", "1"), "0");
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "FxOn", "0"), "1");
    EXPECT_EQ(platform::GetSetting("Vandrel", "Krevin", "Mode", "easy"), "easy");
    EXPECT_TRUE(platform::SaveSetting("Vandrel", "Menu", "HighScore", "1"));
    const std::string messages = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(messages.rfind("vandrel: ", 0), 0U) << messages;

    EXPECT_EQ(ReadText(File().string() + ".bad"), damaged);
    const std::string rewritten = ReadText(File());
    EXPECT_NE(rewritten.find("MusicOn=0\nFxOn=1\nHighScore=1\n"), std::string::npos) << rewritten;

    // A clean file is not kept aside again; a second damaged one takes the next free name.
    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Menu", "HighScore", "0"));
    EXPECT_FALSE(fs::exists(File().string() + ".bad.1"));
    WriteText(File(), "no section\n");
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(platform::SaveSetting("Vandrel", "Menu", "HighScore", "1"));
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadText(File().string() + ".bad.1"), "no section\n");
}

TEST_F(SettingsTest, AFailedWriteLeavesTheOldFileIntactAndTheStoreReadsAsIt)
{
    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Menu", "MusicOn", "1"));
    const std::string before = ReadText(File());

    // A full disk (root ignores permissions), for a single save and for a batch.
    bool single = true;
    bool batch = true;
    ::testing::internal::CaptureStderr();
    {
        const testsupport::FullDisk full;
        single = platform::SaveSetting("Vandrel", "Menu", "Big", "x");
        platform::SettingsBatch both;
        platform::SaveSetting("Vandrel", "Menu", "MusicOn", "0");
        platform::SaveSetting("Vandrel", "Menu", "FxOn", "0");
        batch = both.Commit();
    }
    const std::string messages = ::testing::internal::GetCapturedStderr();

    EXPECT_FALSE(single);
    EXPECT_FALSE(batch);
    EXPECT_EQ(messages.rfind("vandrel: ", 0), 0U) << messages;
    EXPECT_EQ(platform::LastWriteFailure().file, File());
    EXPECT_EQ(platform::LastWriteFailure().reason, std::strerror(EFBIG));
    EXPECT_EQ(ReadText(File()), before);
    EXPECT_EQ(FolderEntries(File().parent_path()), std::set<std::string>{"vandrel.ini"});
    // What the disk refused is forgotten: the store shows what it holds, and later saves too.
    for (const auto& [key, value] :
         {std::pair{"Big", "absent"}, std::pair{"MusicOn", "1"}, std::pair{"FxOn", "absent"}}) {
        EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", key, "absent"), value) << key;
    }
    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Menu", "HighScore", "0"));
    const std::string after = ReadText(File());
    EXPECT_NE(after.find("[Menu]\nMusicOn=1\nHighScore=0\n"), std::string::npos) << after;
}

TEST_F(SettingsTest, AnUnusableLocationIsReportedAndNothingBreaks)
{
    // The config folder lies below a plain file, so no folder can be made there.
    WriteText(config_ / "plain", "x");
    UseConfig(config_ / "plain" / "config");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(platform::SaveSetting("Vandrel", "Menu", "MusicOn", "0"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("vandrel: ", 0), 0U);
    EXPECT_EQ(platform::LastWriteFailure().reason,
              "its folder cannot be made: " + std::string(std::strerror(ENOTDIR)));
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "MusicOn", "1"), "1");

    // A folder where the file should be is neither read nor replaced.
    UseConfig(config_);
    fs::create_directories(File() / "inside");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "MusicOn", "1"), "1");
    EXPECT_FALSE(platform::SaveSetting("Vandrel", "Menu", "MusicOn", "0"));
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(platform::LastWriteFailure().file, File());
    EXPECT_EQ(platform::LastWriteFailure().reason,
              "it cannot be read: " + std::string(std::strerror(EISDIR)));
    EXPECT_TRUE(fs::is_directory(File() / "inside"));
}

TEST_F(SettingsTest, SavesThroughALinkRewriteTheFileItLeadsToAndALoopIsReported)
{
    // The links made in the settings folder, each with where it points ("/" in front: from the
    // row's folder), and the file that then holds the saved value (none for a loop).
    const struct {
        std::vector<std::pair<std::string, std::string>> links;
        const char* lands;
    } shapes[] = {
        {{{"vandrel.ini", "../dotfiles/real.ini"}}, "dotfiles/real.ini"},
        {{{"vandrel.ini", "/dotfiles/real.ini"}}, "dotfiles/real.ini"},
        {{{"vandrel.ini", "next.ini"}, {"next.ini", "../dotfiles/real.ini"}}, "dotfiles/real.ini"},
        {{{"vandrel.ini", "../dotfiles/new.ini"}}, "dotfiles/new.ini"}, // created through it
        {{{"vandrel.ini", "other.ini"}, {"other.ini", "vandrel.ini"}}, nullptr},
    };
    const std::string loop = std::strerror(ELOOP);
    int row = 0;
    for (const bool settings : {true, false}) { // the settings store, the list-file writer
        for (const auto& shape : shapes) {
            const fs::path base = config_ / std::to_string(++row);
            UseConfig(base);
            WriteText(base / "dotfiles" / "real.ini", "[Menu]\nFxOn=1\n");
            const fs::path file = base / "vandrel" / "vandrel.ini";
            fs::create_directories(file.parent_path());
            for (const auto& [name, to] : shape.links) {
                fs::create_symlink(to[0] == '/' ? base.string() + to : to,
                                   file.parent_path() / name);
            }
            ::testing::internal::CaptureStderr();
            bool saved = false;
            std::optional<std::string> read;
            if (settings) {
                saved = platform::SaveSetting("Vandrel", "Menu", "MusicOn", "0");
                read = platform::GetSetting("Vandrel", "Menu", "MusicOn", "absent");
            } else {
                platform::ListWriter writer;
                saved = writer.Create(file.string()) && writer.WriteQuoted("0") && writer.Close();
                platform::ListReader reader;
                if (std::string item; reader.Open(file.string()) && reader.Input(item)) {
                    read = item;
                }
            }
            const std::string messages = ::testing::internal::GetCapturedStderr();
            for (const auto& [name, to] : shape.links) {
                EXPECT_TRUE(fs::is_symlink(file.parent_path() / name)) << row << name;
            }
            if (shape.lands != nullptr) {
                EXPECT_TRUE(saved) << row << messages;
                EXPECT_EQ(read, "0") << row;
                EXPECT_NE(ReadText(base / shape.lands).find('0'), std::string::npos) << row;
                continue;
            }
            // Unreadable, said so, and never saved over.
            EXPECT_FALSE(saved);
            EXPECT_EQ(read, settings ? std::optional<std::string>("absent") : std::nullopt);
            EXPECT_NE(messages.find("vandrel: cannot read " +
                                    std::string(settings ? "settings file " : "") + file.string() +
                                    ": " + loop),
                      std::string::npos)
                << messages;
            EXPECT_EQ(platform::LastWriteFailure().reason,
                      settings ? "it cannot be read: " + loop : loop);
        }
    }
}

TEST_F(SettingsTest, ABatchWritesItsKeysInOneWriteOrNotAtAll)
{
    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Tamblo", "Highscore0", "10"));
    const std::string before = ReadText(File());
    {
        platform::SettingsBatch batch;
        EXPECT_TRUE(platform::SaveSetting("Vandrel", "Tamblo", "Highscore0", "70"));
        {
            platform::SettingsBatch inner; // joins the outer batch
            EXPECT_TRUE(platform::SaveSetting("Vandrel", "Tamblo", "HighscoreName0", "Ana"));
        }
        EXPECT_EQ(platform::GetSetting("Vandrel", "Tamblo", "Highscore0"), "70");
        EXPECT_EQ(ReadText(File()), before);
        // Another program's change on disk meanwhile is kept beside the batch's.
        WriteText(File(), before + "[Menu]\nFxOn=0\n");
        EXPECT_EQ(platform::GetSetting("Vandrel", "Tamblo", "HighscoreName0"), "Ana");
        EXPECT_TRUE(batch.Commit());
    }
    UseConfig(config_ / "copy"); // read what reached the disk afresh
    WriteText(config_ / "copy" / "vandrel" / "vandrel.ini", ReadText(File()));
    for (const auto& [key, value] :
         {std::pair{"Highscore0", "70"}, std::pair{"HighscoreName0", "Ana"}}) {
        EXPECT_EQ(platform::GetSetting("Vandrel", "Tamblo", key), value);
    }
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "FxOn"), "0");

    // A batch left by an exception writes nothing and forgets its values.
    UseConfig(config_);
    const std::string committed = ReadText(File());
    try {
        platform::SettingsBatch batch;
        platform::SaveSetting("Vandrel", "Tamblo", "Highscore0", "99");
        throw std::runtime_error("interrupted");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ReadText(File()), committed);
    EXPECT_EQ(platform::GetSetting("Vandrel", "Tamblo", "Highscore0"), "70");
}

TEST_F(SettingsTest, AFileBeyond16MBReadsAsEmptyAndIsMovedAsideAtTheFirstSave)
{
    // Sparse: no disk is used, and nothing of it may be read.
    constexpr std::uintmax_t Huge = std::uintmax_t{50} << 30;
    WriteText(File(), "[Menu]\nMusicOn=0\n");
    fs::resize_file(File(), Huge);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "MusicOn", "1"), "1");
    EXPECT_TRUE(platform::SaveSetting("Vandrel", "Menu", "FxOn", "0"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("vandrel: ", 0), 0U);
    EXPECT_EQ(fs::file_size(File().string() + ".bad"), Huge);
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "FxOn", "1"), "0");
    EXPECT_LT(fs::file_size(File()), 1000U);
}

TEST_F(SettingsTest, AFifoInPlaceOfTheFileIsUnreadableAndNeverWaitedFor)
{
    fs::create_directories(File().parent_path());
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    ::alarm(10); // the time limit: opening a FIFO to read would wait for a writer
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(platform::GetSetting("Vandrel", "Menu", "MusicOn", "1"), "1");
    EXPECT_FALSE(platform::SaveSetting("Vandrel", "Menu", "MusicOn", "0"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("vandrel: ", 0), 0U);
    ::alarm(0);
    EXPECT_TRUE(fs::is_fifo(File()));
}

TEST_F(SettingsTest, ASaveRemovesTheTemporaryFilesOfKilledSavesOnly)
{
    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Menu", "MusicOn", "1"));
    const fs::path folder = File().parent_path();
    const char* const stale[] = {".vandrel.ini.Ab12Cd", ".vandrel.ini.zzzzzz"};
    const char* const kept[] = {".vandrel.ini.Ab12C", ".vandrel.ini.Ab12Cd.x", "vandrel.ini.Ab12Cd",
                                ".other.ini.Ab12Cd", ".vandrel.ini.being1"};
    for (const char* name : stale) {
        WriteText(folder / name, "interrupted");
    }
    for (const char* name : kept) {
        WriteText(folder / name, "not ours to remove");
    }
    // A save still being written by another process holds its lock.
    const int writing = ::open((folder / ".vandrel.ini.being1").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writing, LOCK_EX), 0);

    ASSERT_TRUE(platform::SaveSetting("Vandrel", "Menu", "MusicOn", "0"));
    ::close(writing);
    std::set<std::string> expected(std::begin(kept), std::end(kept));
    expected.insert("vandrel.ini");
    EXPECT_EQ(FolderEntries(folder), expected);
}

} // namespace
