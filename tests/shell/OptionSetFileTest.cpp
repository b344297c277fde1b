// Option set files: the 38 lines of a fresh store, a round trip onto another store, files that end
// early or are missing, and the values that are not taken as they stand.
#include "shell/OptionSetFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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
                  ("vandrel-optionset-" +
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

TEST_F(OptionSetFileTest, EveryValueRoundTripsOntoAnotherStoreAndKeysOutsideTheFileStay)
{
    const auto& entries = OptionSetFile::Entries();
    for (std::size_t line = 0; line < entries.size(); ++line) {
        const bool mode = entries[line].key == "Mode";
        Save(entries[line].section, entries[line].key,
             mode ? (line % 2 == 0 ? "normal" : "easy") : "v" + std::to_string(line) + ", x");
    }
    ASSERT_TRUE(OptionSetFile::Write(File("all.vdl")));

    std::error_code ignored;
    fs::remove(platform::settings::FilePath(Common::AppName), ignored);
    Save("Lupido", "CarSpeed", "77");
    Save("Tamblo", "Highscore5", "999");
    const auto values = OptionSetFile::Read(File("all.vdl"));
    ASSERT_TRUE(values.has_value());
    OptionSetFile::Store(*values);
    for (std::size_t line = 0; line < entries.size(); ++line) {
        const bool mode = entries[line].key == "Mode";
        EXPECT_EQ(Setting(entries[line].section, entries[line].key),
                  mode ? (line % 2 == 0 ? "normal" : "easy") : "v" + std::to_string(line) + ", x")
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
    for (const char* name : {"short.vdl", "open-quote.vdl", "empty.vdl", "missing.vdl"}) {
        EXPECT_FALSE(OptionSetFile::Read(File(name)).has_value()) << name;
    }
    EXPECT_FALSE(OptionSetFile::Read(folder_.string()).has_value()); // a folder
}

TEST_F(OptionSetFileTest, AModeOtherThanEasyOrNormalLeavesTheKeyAsItWas)
{
    Save("Tamblo", "Mode", "normal");
    Save("Zentar", "Mode", "normal");
    OptionSetFile::Values values;
    values.fill("1");
    values[18] = "hard"; // Tamblo
    values[27] = "Easy"; // Zentar: the games compare exactly
    values[33] = "easy"; // Quadrel
    OptionSetFile::Store(values);
    EXPECT_EQ(Setting("Tamblo", "Mode"), "normal");
    EXPECT_EQ(Setting("Zentar", "Mode"), "normal");
    EXPECT_EQ(Setting("Quadrel", "Mode"), "easy");
    EXPECT_EQ(Setting("Morvex", "Mode"), "<absent>");
    EXPECT_EQ(Setting("Tamblo", "GhostSpeed"), "1");
}

TEST_F(OptionSetFileTest, AQuoteInsideAValueIsWrittenAsAnApostrophe)
{
    Save("Krevin", "PadSpeed", "1\"2");
    ASSERT_TRUE(OptionSetFile::Write(File("quote.vdl")));
    const auto values = OptionSetFile::Read(File("quote.vdl"));
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ((*values)[13], "1'2");
    EXPECT_EQ((*values)[14], "50");
}

} // namespace
