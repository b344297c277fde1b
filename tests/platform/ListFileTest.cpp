// List-format files: items by commas and line ends, quoted and bare text, number bounds, the end of
// the file, and writing that reads back and replaces the old file whole or not at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/ListFile.h"
#include "tests/support/TextFiles.h"

namespace {

namespace fs = std::filesystem;

using testsupport::ReadText;

TEST(ListReaderTest, ItemsAreSeparatedByCommasAndAnyLineEnd)
{
    platform::ListReader reader("alien, 3 ,120\r\n\"background\",7\n  12\r-5\r\n");
    std::string word;
    std::int16_t number = 0;
    EXPECT_TRUE(reader.Input(word));
    EXPECT_EQ(word, "alien");
    const std::int16_t expected[] = {3, 120};
    for (const auto value : expected) {
        EXPECT_TRUE(reader.Input(number));
        EXPECT_EQ(number, value);
    }
    EXPECT_TRUE(reader.Input(word));
    EXPECT_EQ(word, "background");
    for (const std::int16_t value : {7, 12, -5}) {
        EXPECT_FALSE(reader.Eof());
        EXPECT_TRUE(reader.Input(number));
        EXPECT_EQ(number, value);
    }
    EXPECT_TRUE(reader.Eof());
}

TEST(ListReaderTest, TextIsQuotedOrBare)
{
    platform::ListReader reader(
        "\"a, b\",\"line\r\nbreak\",  \"x\"  ,bare text with blanks  ,\"\"\n"
        "\"joined\"\"next\" after,,last");
    const char* expected[] = {"a, b", "line\r\nbreak", "x",    "bare text with blanks",
                              "",     "joined",        "next", "after",
                              "",     "last"};
    for (const char* value : expected) {
        std::string text = "unchanged";
        EXPECT_TRUE(reader.Input(text));
        EXPECT_EQ(text, value);
    }
    EXPECT_TRUE(reader.Eof());
}

TEST(ListReaderTest, EachItemKnowsTheLineItStartsOn)
{
    const struct {
        const char* text;
        std::vector<std::size_t> lines;
    } cases[] = {
        {"a\r\nb\nc\rd", {1, 2, 3, 4}},               // CR LF, LF and CR each end one line
        {"\r\n\n  a,b\r\n\r\n c", {3, 3, 5}},         // blank lines before an item count
        {"\"two\r\nlines\",x\ny,\"\"", {1, 2, 3, 3}}, // so does a line end inside quotes
    };
    for (const auto& c : cases) {
        platform::ListReader reader(c.text);
        EXPECT_EQ(reader.ItemLine(), 0U);
        for (const std::size_t line : c.lines) {
            std::string item;
            ASSERT_TRUE(reader.Input(item)) << c.text;
            EXPECT_EQ(reader.ItemLine(), line) << c.text << " at " << item;
        }
    }
}

TEST(ListReaderTest, NumbersEndAtBlanksAndMustConvertAndFit)
{
    platform::ListReader reader("1 2  3,32767,-32768,32768,-32769,\"40\",abc,,10.5,7");
    const struct {
        bool ok;
        std::int16_t value;
    } expected[] = {{true, 1},      {true, 2},   {true, 3},   {true, 32767},
                    {true, -32768}, {false, 99}, {false, 99}, {true, 40},
                    {false, 99},    {false, 99}, {true, 10},  {true, 7}};
    for (const auto& e : expected) {
        std::int16_t number = 99;
        EXPECT_EQ(reader.Input(number), e.ok);
        EXPECT_EQ(number, e.value);
    }
    EXPECT_TRUE(reader.Eof());

    platform::ListReader wide("32768,-2147483648,2147483648");
    std::int32_t number = 0;
    EXPECT_TRUE(wide.Input(number));
    EXPECT_EQ(number, 32768);
    EXPECT_TRUE(wide.Input(number));
    EXPECT_EQ(number, -2147483647 - 1);
    EXPECT_FALSE(wide.Input(number));
}

TEST(ListReaderTest, DoublesAndSinglesAcceptExponents)
{
    platform::ListReader reader("1.5e3, -2E-2\r\n0.1,1e400,x");
    double value = 0;
    EXPECT_TRUE(reader.Input(value));
    EXPECT_EQ(value, 1500.0);
    EXPECT_TRUE(reader.Input(value));
    EXPECT_EQ(value, -0.02);
    float single = 0;
    EXPECT_TRUE(reader.Input(single));
    EXPECT_EQ(single, 0.1F);
    EXPECT_FALSE(reader.Input(value));
    EXPECT_FALSE(reader.Input(single));
    EXPECT_EQ(single, 0.1F);
    EXPECT_TRUE(reader.Eof());
}

TEST(ListReaderTest, TheEndOfTheFileEndsReading)
{
    const struct {
        const char* text;
        int items; // items read before the end
    } cases[] = {
        {"", 0},     {"\r\n  \r\n", 0},        {"alien,3,120", 3}, {"5\r\n\r\n  \r\n", 1},
        {"1,2,", 2}, {"\"unterminated, 4", 0},
    };
    for (const auto& c : cases) {
        platform::ListReader reader(c.text);
        std::string item;
        int items = 0;
        while (reader.Input(item)) {
            ++items;
        }
        EXPECT_EQ(items, c.items) << c.text;
        EXPECT_TRUE(reader.Eof()) << c.text;
    }
}

class ListFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCurrent_ = fs::current_path();
        root_ = fs::temp_directory_path() / ("vandrel-lists-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "Maps" / "Tamblo" / "easy");
        fs::current_path(root_);
    }

    void TearDown() override
    {
        fs::current_path(savedCurrent_);
        fs::remove_all(root_);
    }

    fs::path root_;
    fs::path savedCurrent_;
};

TEST_F(ListFileTest, OpensFilesByCaseInsensitivePathsAndFailsCleanly)
{
    std::ofstream(root_ / "Maps" / "Tamblo" / "easy" / "1.map", std::ios::binary) << "14,15\r\n";
    platform::ListReader reader;
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_TRUE(reader.Eof());
    std::int16_t tile = 0;
    EXPECT_FALSE(reader.Input(tile));

    EXPECT_FALSE(reader.Open("Maps\\Tamblo\\easy\\2.map"));
    EXPECT_FALSE(reader.Open("Maps\\Tamblo"));
    EXPECT_TRUE(reader.Eof());
    ASSERT_TRUE(reader.Open("maps\\TAMBLO\\Easy\\1.MAP"));
    EXPECT_TRUE(reader.Input(tile));
    EXPECT_EQ(tile, 14);
    reader.Close();
    EXPECT_FALSE(reader.Input(tile));

    // A file beyond 16 MiB is no list file of ours: refused with a message, nothing read.
    std::ofstream(root_ / "huge.map", std::ios::binary) << std::string(16 * 1024 * 1024 + 1, '7');
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(reader.Open("huge.map"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("vandrel: ", 0), 0U);
    EXPECT_FALSE(reader.Input(tile));

    // A FIFO in place of a map is refused at once instead of waiting for a writer (the alarm ends
    // the test if it waits).
    ASSERT_EQ(::mkfifo((root_ / "Maps" / "Tamblo" / "easy" / "3.map").c_str(), 0600), 0);
    ::alarm(10);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(reader.Open("Maps\\Tamblo\\easy\\3.map"));
    ::testing::internal::GetCapturedStderr();
    ::alarm(0);
}

TEST_F(ListFileTest, WritesQuotedLinesAndRecordsThatReadBack)
{
    double speed = 1.0;
    for (int i = 0; i < 10; ++i) {
        speed -= 0.1; // leaves a tiny remainder, which must survive
    }
    platform::ListWriter writer;
    ASSERT_TRUE(writer.Create("maps\\tamblo\\EASY\\New.map"));
    EXPECT_TRUE(writer.WriteQuoted("easy"));
    EXPECT_TRUE(writer.WriteQuoted("50"));
    EXPECT_TRUE(writer.WriteText("log"));
    writer.WriteInteger(-40);
    EXPECT_TRUE(writer.WriteDouble(speed));
    EXPECT_TRUE(writer.WriteSingle(2.1F));
    writer.EndLine();
    EXPECT_TRUE(writer.WriteQuoted("say \"hi\""));
    EXPECT_TRUE(writer.WriteQuoted("two\r\nlines, one item"));
    ASSERT_TRUE(writer.Close());

    const fs::path written = root_ / "Maps" / "Tamblo" / "easy" / "New.map";
    const std::string text = ReadText(written);
    EXPECT_EQ(text.substr(0, 24), "\"easy\"\r\n\"50\"\r\n\"log\",-40,");
    EXPECT_NE(text.find(",2.1\r\nsay \"hi\"\r\n\"two\r\nlines, one item\"\r\n"), std::string::npos)
        << text;

    platform::ListReader reader;
    ASSERT_TRUE(reader.Open(written.string()));
    std::string word;
    std::int16_t number = 0;
    double readSpeed = 0;
    float single = 0;
    EXPECT_TRUE(reader.Input(word));
    EXPECT_EQ(word, "easy");
    EXPECT_TRUE(reader.Input(number));
    EXPECT_EQ(number, 50);
    EXPECT_TRUE(reader.Input(word));
    EXPECT_EQ(word, "log");
    EXPECT_TRUE(reader.Input(number));
    EXPECT_EQ(number, -40);
    EXPECT_TRUE(reader.Input(readSpeed));
    EXPECT_EQ(readSpeed, speed);
    EXPECT_TRUE(reader.Input(single));
    EXPECT_EQ(single, 2.1F);
    EXPECT_TRUE(reader.Input(word));
    EXPECT_EQ(word, "say \"hi\"");
    EXPECT_TRUE(reader.Input(word));
    EXPECT_EQ(word, "two\r\nlines, one item");
    EXPECT_TRUE(reader.Eof());
}

TEST_F(ListFileTest, AFailedOrAbandonedWriteLeavesTheOldFile)
{
    const fs::path file = root_ / "Maps" / "options.vdl";
    std::ofstream(file, std::ios::binary) << "old";
    {
        platform::ListWriter abandoned;
        ASSERT_TRUE(abandoned.Create(file.string()));
        EXPECT_TRUE(abandoned.WriteQuoted("new"));
    }
    EXPECT_EQ(ReadText(file), "old");

    // Texts that cannot read back as written, and numbers no reader accepts, fail the whole file.
    const auto failing = {+[](platform::ListWriter& w) { return w.WriteQuoted("a, \"b\""); },
                          +[](platform::ListWriter& w) { return w.WriteQuoted("\"quoted\""); },
                          +[](platform::ListWriter& w) { return w.WriteQuoted(" \"x"); },
                          +[](platform::ListWriter& w) {
                              return w.WriteDouble(std::numeric_limits<double>::infinity());
                          }};
    for (const auto write : failing) {
        platform::ListWriter writer;
        ASSERT_TRUE(writer.Create(file.string()));
        EXPECT_FALSE(write(writer));
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(writer.Close());
        EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("vandrel: ", 0), 0U);
        EXPECT_EQ(ReadText(file), "old");
    }

    platform::ListWriter writer;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(writer.Create("NoSuchFolder\\new.vdl"));
    EXPECT_EQ(platform::LastWriteFailure().reason, "its folder does not exist");
    EXPECT_FALSE(writer.Create("Maps"));
    EXPECT_EQ(platform::LastWriteFailure().reason, "it is a folder");
    ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(writer.Close());

    ASSERT_TRUE(writer.Create(file.string()));
    EXPECT_TRUE(writer.WriteQuoted("new"));
    EXPECT_TRUE(writer.Close());
    EXPECT_FALSE(writer.Close());
    EXPECT_EQ(ReadText(file), "\"new\"\r\n");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(root_ / "Maps")) {
        ++entries;
    }
    EXPECT_EQ(entries, 2); // Tamblo and options.vdl: no temporary file is left behind
}

} // namespace
