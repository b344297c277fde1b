// The piece templates of a Quadrel map: counts and cell sizes by mode, ids, the files that fail
// and what they leave behind, and a save that reads back the same.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"
#include "tests/support/TextFiles.h"

namespace {

namespace qc = QuadrelCommon;

// A map text of `templates` templates laid out 200 px apart; idOf(t, i) gives each cell's id.
std::string MapText(int templates, const std::function<int(int, int)>& idOf, int size = 40)
{
    std::string text;
    for (int t = 0; t < templates; ++t) {
        for (int i = 0; i < 25; ++i) {
            text += std::to_string(60 + t * 200 + (i % 5) * size) + "," +
                    std::to_string(20 + (i / 5) * size) + "," + std::to_string(idOf(t, i)) + "\r\n";
        }
    }
    return text;
}

// Cell 0 of each template holds a block of its template's number mod 6, the rest are empty.
int FirstCellOnly(int t, int i)
{
    return i == 0 ? t % 6 : -1;
}

class QuadrelCommonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int counter = 0;
        folder =
            std::filesystem::temp_directory_path() /
            ("vandrel-quadrel-map-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(folder);
        Common::gMode = "easy";
        qc::MapTemplates.clear();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Write(const std::string& text)
    {
        const auto path = folder / "test.map";
        testsupport::WriteText(path, text);
        return path.string();
    }

    std::filesystem::path folder;
};

TEST_F(QuadrelCommonTest, TheModeGivesTheNumberOfTemplatesAndTheCellSize)
{
    struct Case {
        const char* mode;
        int templatesInFile;
        bool loads;
        std::size_t templates;
        std::int32_t size;
    };
    const Case cases[] = {
        {"easy", 6, true, 6, 40},
        {"normal", 12, true, 12, 20},
        // An easy map read as normal ends after 450 of the 900 numbers: its 6 templates stay.
        {"normal", 6, false, 6, 20},
        // Anything but "easy" is the normal mode.
        {"Easy", 12, true, 12, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Common::gMode = c.mode;
        EXPECT_EQ(qc::LoadMap(Write(MapText(c.templatesInFile, FirstCellOnly))), c.loads);
        ASSERT_EQ(qc::MapTemplates.size(), c.templates);
        const qc::PieceTemplate& last = qc::MapTemplates.back();
        EXPECT_EQ(last[24].width, c.size);
        EXPECT_EQ(last[24].Height, c.size);
        EXPECT_EQ(last[0].id, static_cast<std::int32_t>((c.templates - 1) % 6));
        EXPECT_EQ(last[24].id, -1);
        EXPECT_EQ(last[0].X, 60 + (static_cast<double>(c.templates) - 1) * 200);
        EXPECT_EQ(last[24].Y, 20 + 4 * 40);
    }
}

TEST_F(QuadrelCommonTest, BadFilesFailAndKeepTheTemplatesReadCompletely)
{
    const std::string easy = MapText(6, FirstCellOnly);
    struct Case {
        const char* name;
        std::string text;
        bool loads;
        std::size_t templates;
    };
    const Case cases[] = {
        {"one number more is never read", easy + "99", true, 6},
        {"commas and line ends separate alike",
         [&] {
             std::string text = easy;
             for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n")) {
                 text.replace(at, 2, ",");
             }
             return text;
         }(),
         true, 6},
        {"the file ends inside a cell", easy.substr(0, easy.rfind("\r\n", easy.size() - 3)), false,
         5},
        {"the flash picture's id loads", MapText(6, [](int, int i) { return i == 3 ? 6 : -1; }),
         true, 6},
        {"an id above 6 fails its template", MapText(6, [](int t, int) { return t == 2 ? 7 : 0; }),
         false, 2},
        {"ids below -1 are empty", MapText(6, [](int, int i) { return i == 7 ? 4 : -9; }), true, 6},
        {"beyond 16 bits", "32768," + easy, false, 0},
        {"a word for a number", "sixty," + easy, false, 0},
        {"no template holds a block", MapText(6, [](int, int) { return -1; }), false, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(qc::LoadMap(Write(c.text)), c.loads);
        EXPECT_EQ(qc::MapTemplates.size(), c.templates);
    }
}

TEST_F(QuadrelCommonTest, AMissingFileLeavesThePreviousTemplates)
{
    ASSERT_TRUE(qc::LoadMap(Write(MapText(6, FirstCellOnly))));
    EXPECT_FALSE(qc::LoadMap((folder / "none.map").string()));
    ASSERT_EQ(qc::MapTemplates.size(), 6U);
    EXPECT_EQ(qc::MapTemplates[5][0].id, 5);
}

TEST_F(QuadrelCommonTest, ASavedMapReadsBackTheSame)
{
    Common::gMode = "normal";
    const std::string text = MapText(
        12, [](int t, int i) { return (t + i) % 8 - 1; }, 20);
    ASSERT_TRUE(qc::LoadMap(Write(text)));
    const auto saved = (folder / "saved.map").string();
    ASSERT_TRUE(qc::SaveMap(saved));
    EXPECT_EQ(testsupport::ReadText(saved), text);

    // A map short of the mode's templates would not read back: nothing is written.
    qc::MapTemplates.pop_back();
    EXPECT_FALSE(qc::SaveMap(saved));
    EXPECT_EQ(testsupport::ReadText(saved), text);
}

} // namespace
