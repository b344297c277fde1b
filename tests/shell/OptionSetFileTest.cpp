// Option set files: the 38 lines of a fresh store, a round trip onto another store, files that end
// early or are missing, and values that do not convert, which keep the whole set out.
#include "shell/OptionSetFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/shell/ShellFixture.h"

namespace {

namespace fs = std::filesystem;
using shelltest::Save;
using shelltest::Setting;

// The file of a fresh store, line by line.
const char* const DefaultFile =
    "\"0\"\r\n\"1\"\r\n\"1\"\r\n\"0\"\r\n\"0\"\r\n"
    "\"easy\"\r\n\"50\"\r\n\"2\"\r\n\"50\"\r\n\"1\"\r\n\"1\"\r\n\"3\"\r\n"
    "\"easy\"\r\n\"110\"\r\n\"50\"\r\n\"1\"\r\n\"1\"\r\n\"3\"\r\n"
    "\"easy\"\r\n\"50\"\r\n\"45\"\r\n\"20\"\r\n\"1\"\r\n\"1\"\r\n"
    "\"easy\"\r\n\"1\"\r\n\"1\"\r\n"
    "\"easy\"\r\n\"50\"\r\n\"45\"\r\n\"1\"\r\n\"1\"\r\n\"3\"\r\n"
    "\"easy\"\r\n\"500\"\r\n\"40\"\r\n\"1\"\r\n\"1\"\r\n";

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class OptionSetFileTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        folder_ = fs::temp_directory_path() /
                  ("vandrel-optionset-" + std::to_string(::getpid()) + "-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string File(const char* name) const { return (folder_ / name).string(); }
    void WriteFile(const char* name, const std::string& text) const
    {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }

    fs::path folder_;
};

TEST_F(OptionSetFileTest, AFreshStoreWritesTheDefaultOfEveryLine)
{
    ASSERT_TRUE(OptionSetFile::Write(File("fresh.vdl")));
    EXPECT_EQ(ReadText(folder_ / "fresh.vdl"), DefaultFile);
    EXPECT_EQ(Setting("Menu", "OneButton"), "<absent>"); // writing a file stores nothing
}

// A value of each line that converts to what its key holds, and differs from line to line.
std::string ValueOf(const OptionSetFile::Entry& entry, std::size_t line)
{
    switch (entry.kind) {
    case OptionSetFile::Kind::Mode:
        return line % 2 == 0 ? "normal" : "easy";
    case OptionSetFile::Kind::Boolean:
        return line % 2 == 0 ? "True" : " 0 ";
    case OptionSetFile::Kind::Number:
        break;
    }
    return std::to_string(100 + line) + ".0";
}

TEST_F(OptionSetFileTest, EveryValueRoundTripsOntoAnotherStoreAndKeysOutsideTheFileStay)
{
    const auto& entries = OptionSetFile::Entries();
    for (std::size_t line = 0; line < entries.size(); ++line) {
        Save(entries[line].section, entries[line].key, ValueOf(entries[line], line));
    }
    ASSERT_TRUE(OptionSetFile::Write(File("all.vdl")));

    std::error_code ignored;
    fs::remove(platform::settings::FilePath(Common::AppName), ignored);
    Save("Lupido", "CarSpeed", "77");
    Save("Tamblo", "Highscore5", "999");
    const auto values = OptionSetFile::Read(File("all.vdl"));
    ASSERT_TRUE(values.has_value());
    EXPECT_TRUE(OptionSetFile::Store(*values));
    for (std::size_t line = 0; line < entries.size(); ++line) {
        EXPECT_EQ(Setting(entries[line].section, entries[line].key), ValueOf(entries[line], line))
            << "line " << line + 1;
    }
    EXPECT_EQ(Setting("Lupido", "CarSpeed"), "77");
    EXPECT_EQ(Setting("Tamblo", "Highscore5"), "999");
}

TEST_F(OptionSetFileTest, FilesThatCannotGiveAll38ValuesGiveNothing)
{
    std::string lines37 = DefaultFile;
    lines37.resize(lines37.rfind("\"1\"\r\n"));
    WriteFile("short.vdl", lines37);
    WriteFile("open-quote.vdl", lines37 + "\"1\r\n");
    WriteFile("empty.vdl", "");
    ASSERT_EQ(::mkfifo(File("fifo.vdl").c_str(), 0600), 0);
    ::alarm(10); // the time limit: a FIFO must not be waited for
    for (const char* name :
         {"short.vdl", "open-quote.vdl", "empty.vdl", "missing.vdl", "fifo.vdl"}) {
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(OptionSetFile::Read(File(name)).has_value()) << name;
        ::testing::internal::GetCapturedStderr();
    }
    ::alarm(0);
    EXPECT_FALSE(OptionSetFile::Read(folder_.string()).has_value()); // a folder
}

TEST_F(OptionSetFileTest, OneValueThatDoesNotConvertToWhatItsKeyHoldsStoresNothing)
{
    const struct {
        std::size_t line; // from 1
        const char* value;
    } cases[] = {
        {19, "hard"},         // Tamblo's mode
        {28, "Easy"},         // Zentar's mode: the games compare exactly
        {1, "yes"},           // OneButton: a Boolean is True, False or a number
        {10, ""},             // Morvex's MusicOn
        {7, "fast"},          // Morvex's ShipSpeed: a number
        {35, "40000"},        // Quadrel's MoveSpeed: beyond 16 bits
        {33, "0x3"},          // Zentar's Background: no hexadecimal
        {22, "\x01\xFF\x7F"}, // binary junk
    };
    const auto& entries = OptionSetFile::Entries();
    for (const auto& c : cases) {
        Save("Tamblo", "Mode", "normal");
        OptionSetFile::Values values;
        for (std::size_t line = 0; line < entries.size(); ++line) {
            values[line] = ValueOf(entries[line], line);
        }
        values[c.line - 1] = c.value;
        EXPECT_EQ(OptionSetFile::FirstRefused(values), c.line - 1);
        EXPECT_FALSE(OptionSetFile::Store(values)) << c.line;
        EXPECT_EQ(Setting("Tamblo", "Mode"), "normal") << c.line;
        EXPECT_EQ(Setting("Menu", "OneButton"), "<absent>") << c.line;
    }
}

TEST_F(OptionSetFileTest, ExportWritesTheValueInEffectSoThatItsFileImports)
{
    const struct {
        std::size_t line; // from 1
        const char* stored;
        const char* exported;
    } cases[] = {
        {20, "5\"0", "50"},     // TambloSpeed: no number, so its default
        {14, "1\"2", "110"},    // Krevin's PadSpeed
        {35, "40000", "500"},   // Quadrel's MoveSpeed: beyond 16 bits
        {34, "Normal", "easy"}, // Quadrel's mode: the games compare exactly
        {1, "yes", "0"},        // OneButton
        {2, "True", "True"},    // readable values go out as they are
        {7, " 70 ", " 70 "},
    };
    for (const auto& c : cases) {
        const auto& entry = OptionSetFile::Entries()[c.line - 1];
        Save(entry.section, entry.key, c.stored);
    }
    ASSERT_TRUE(OptionSetFile::Write(File("set.vdl")));
    const auto values = OptionSetFile::Read(File("set.vdl"));
    ASSERT_TRUE(values.has_value());
    for (const auto& c : cases) {
        EXPECT_EQ((*values)[c.line - 1], c.exported) << c.line;
    }
    EXPECT_EQ(OptionSetFile::FirstRefused(*values), std::nullopt);
    EXPECT_TRUE(OptionSetFile::Store(*values));
}

} // namespace
