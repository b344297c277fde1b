// The settings file's text: lenient reading, escaped writing, one entry per name whatever its case.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/IniText.h"

namespace {

// A key's value, or nothing: a key that is missing fails the comparison instead of the program.
std::optional<std::string> Value(const platform::IniText& ini, std::string_view section,
                                 std::string_view key)
{
    const std::string* value = ini.Find(section, key);
    return value != nullptr ? std::optional<std::string>(*value) : std::nullopt;
}

TEST(IniTextTest, ReadsCommentsBlanksLineEndsAndRepeatedNames)
{
    const auto ini = platform::IniText::Parse("\xEF\xBB\xBF; comment\r\n"
                                              "[ Menu ]\r\n"
                                              "  MusicOn = 1  \r\n"
                                              "\r\n"
                                              "# another comment\n"
                                              "[Tamblo]\n"
                                              "Mode=easy\n"
                                              "[menu]\n"
                                              "musicon=0\n"
                                              "FxOn=\n");
    EXPECT_EQ(ini.DroppedLines(), 0U);
    ASSERT_EQ(ini.Sections().size(), 2U);
    EXPECT_EQ(ini.Sections()[0].name, "Menu");
    ASSERT_EQ(ini.Sections()[0].entries.size(), 2U);
    EXPECT_EQ(ini.Sections()[0].entries[0].key, "MusicOn");
    EXPECT_EQ(Value(ini, "MENU", "MusicOn"), "0");
    EXPECT_EQ(Value(ini, "Menu", "FxOn"), "");
    EXPECT_EQ(Value(ini, "tamblo", "mode"), "easy");
    EXPECT_EQ(ini.Find("Tamblo", "FxOn"), nullptr);
    EXPECT_EQ(ini.Find("Zentar", "Mode"), nullptr);
}

TEST(IniTextTest, DropsAndCountsWhatItCannotRead)
{
    const struct {
        const char* text;
        std::size_t dropped;
        std::size_t entries;
    } cases[] = {
        {"key=before any section\n[A]\nk=v\n", 1, 1},
        {"[A]\nno equals sign\nk=v\n", 1, 1},
        {"[A]\nk=bad \\escape\nk2=\\x4\n", 2, 0},
        {"[A\\]\nk=under a bad header\n[B]\nk=v\n", 2, 1},
        {"[A]\nk=\\x41\\\\\n", 0, 1},
    };
    for (const auto& c : cases) {
        const auto ini = platform::IniText::Parse(c.text);
        EXPECT_EQ(ini.DroppedLines(), c.dropped) << c.text;
        std::size_t entries = 0;
        for (const auto& section : ini.Sections()) {
            entries += section.entries.size();
        }
        EXPECT_EQ(entries, c.entries) << c.text;
    }
    EXPECT_EQ(Value(platform::IniText::Parse("[A]\nk=\\x41\\\\\n"), "A", "k"), "A\\");
}

TEST(IniTextTest, WritesNamesAndValuesSoThatTheyReadBack)
{
    platform::IniText ini;
    ini.Set("Menu", "OneButton", "True");
    ini.Set("Odd=[]", ";key", " value with = and \\ ");
    const std::string text = ini.Serialize();
    EXPECT_NE(text.find("\n[Menu]\nOneButton=True\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n[Odd\\x3D\\x5B\\x5D]\n\\x3Bkey=\\x20value with = and \\\\\\x20\n"),
              std::string::npos)
        << text;

    const auto back = platform::IniText::Parse(text);
    EXPECT_EQ(back.DroppedLines(), 0U);
    EXPECT_EQ(Value(back, "Odd=[]", ";key"), " value with = and \\ ");
    EXPECT_EQ(back.Serialize(), text);
}

TEST(IniTextTest, ManyKeysParseAndSaveInLinearTime)
{
    // 200,000 keys and 20,000 lookups: well under a second; a lookup that walked every key would
    // take minutes, far past the test's time limit.
    constexpr int Keys = 200'000;
    std::string text = "[Big]\n";
    for (int i = 0; i < Keys; ++i) {
        text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    }
    auto ini = platform::IniText::Parse(text);
    for (int i = 0; i < Keys; i += 10) {
        ini.Set("big", "KEY" + std::to_string(i), "changed");
    }
    ASSERT_EQ(ini.Sections().size(), 1U);
    EXPECT_EQ(ini.Sections()[0].entries.size(), static_cast<std::size_t>(Keys));
    EXPECT_EQ(Value(ini, "BIG", "key199999"), "199999");
    EXPECT_EQ(Value(ini, "Big", "Key100"), "changed");
}

} // namespace
