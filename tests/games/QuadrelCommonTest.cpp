// The piece templates of a Quadrel map: counts and cell sizes by mode, ids, the files that fail and
// what they leave behind, and a save that reads back the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace qc = QuadrelCommon;

// `templates` templates of cell size 40 laid out 200 px apart, idOf(t, i) giving each cell's id;
// separated by line ends, or all by commas.
std::string MapText(int templates, const std::function<int(int, int)>& idOf,
                    const char* separator = "\r\n")
{
    std::string text;
    for (int t = 0; t < templates; ++t) {
        for (int i = 0; i < 25; ++i) {
            text += std::to_string(60 + t * 200 + i % 5 * 40) + "," +
                    std::to_string(20 + i / 5 * 40) + "," + std::to_string(idOf(t, i)) + separator;
        }
    }
    return text;
}

int FirstCellOnly(int t, int i)
{
    return i == 0 ? t % 6 : -1;
}

class QuadrelCommonTest : public ::testing::Test {
protected:
    std::string Write(const std::string& text)
    {
        testsupport::WriteText(folder.Path() / "test.map", text);
        return (folder.Path() / "test.map").string();
    }

    testsupport::TestFolder folder{"quadrel-map"};
};

TEST_F(QuadrelCommonTest, TheModeSetsTheTemplatesReadAndAFailureKeepsThoseReadCompletely)
{
    const std::string easy = MapText(6, FirstCellOnly);
    struct Case {
        const char* name;
        const char* mode;
        std::string text; // empty: no file at all
        bool loads;
        std::size_t templates;
        std::int32_t size;
    };
    const Case cases[] = {
        {"easy", "easy", easy, true, 6, 40},
        {"normal", "normal", MapText(12, FirstCellOnly), true, 12, 20},
        {"anything but easy is normal", "Easy", MapText(12, FirstCellOnly), true, 12, 20},
        {"an easy map read as normal", "normal", easy, false, 6, 20},
        {"one number more is never read", "easy", easy + "99", true, 6, 40},
        {"commas alone separate", "easy", MapText(6, FirstCellOnly, ","), true, 6, 40},
        {"ends inside a cell", "easy", easy.substr(0, easy.size() - 4), false, 5, 40},
        {"the flash picture's id", "easy", MapText(6, [](int, int i) { return i == 3 ? 6 : -1; }),
         true, 6, 40},
        {"an id above 6", "easy", MapText(6, [](int t, int) { return t == 2 ? 7 : 0; }), false, 2,
         40},
        {"ids below -1 are empty", "easy", MapText(6, [](int, int i) { return i == 7 ? 4 : -9; }),
         true, 6, 40},
        {"beyond 16 bits", "easy", "32768," + easy, false, 0, 40},
        {"a word for a number", "easy", "sixty," + easy, false, 0, 40},
        {"no template holds a block", "easy", MapText(6, [](int, int) { return -1; }), false, 6,
         40},
        // Only a file that opens replaces the templates held before.
        {"a missing file", "easy", "", false, 6, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Common::gMode = "easy";
        ASSERT_TRUE(qc::LoadMap(Write(MapText(6, [](int, int) { return 5; }))));
        Common::gMode = c.mode;
        const std::string path =
            c.text.empty() ? (folder.Path() / "none.map").string() : Write(c.text);
        EXPECT_EQ(qc::LoadMap(path), c.loads);
        ASSERT_EQ(qc::MapTemplates.size(), c.templates);
        if (c.templates > 0 && !c.text.empty()) {
            const qc::PieceTemplate& last = qc::MapTemplates.back();
            EXPECT_EQ(last[24].width, c.size);
            EXPECT_EQ(last[24].Height, c.size);
            EXPECT_EQ(last[24].X, 60 + (c.templates - 1) * 200.0 + 4 * 40);
            EXPECT_EQ(last[24].Y, 20 + 4 * 40);
        }
    }
}

TEST_F(QuadrelCommonTest, ASavedMapReadsBackTheSame)
{
    Common::gMode = "normal";
    const std::string text = MapText(12, [](int t, int i) { return (t + i) % 8 - 1; });
    ASSERT_TRUE(qc::LoadMap(Write(text)));
    EXPECT_EQ(qc::MapTemplates[11][24].id, (11 + 24) % 8 - 1);
    const auto saved = (folder.Path() / "saved.map").string();
    ASSERT_TRUE(qc::SaveMap(saved));
    EXPECT_EQ(testsupport::ReadText(saved), text);
    // A map short of the mode's templates would not read back: nothing is written.
    qc::MapTemplates.pop_back();
    EXPECT_FALSE(qc::SaveMap(saved));
    EXPECT_EQ(testsupport::ReadText(saved), text);
}

} // namespace
