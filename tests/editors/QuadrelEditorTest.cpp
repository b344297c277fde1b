// The falling-blocks editor: painting on a click, the map written, read back by the game's map
// module and played; every shipped map through open and save; the dialogs, the save refusals and
// the re-layout of templates out of the mode's pattern.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "editors/quadrel/QuadrelEditorForm.h"
#include "games/quadrel/QuadrelForm.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/TextFiles.h"

namespace {

namespace headless = platform::headless;
namespace qc = QuadrelCommon;

// X, Y and id of every cell of the map's templates.
using Cell = std::tuple<double, double, std::int32_t>;
std::vector<Cell> Loaded()
{
    std::vector<Cell> cells;
    for (const qc::PieceTemplate& t : qc::MapTemplates) {
        for (const SpriteClass& c : t) {
            cells.emplace_back(c.X, c.Y, c.id);
        }
    }
    return cells;
}

// Six templates at the easy places (three a row from (60, 20), 240 px apart both ways) or at the
// first six normal ones (from (28, 93), 128 px apart), cells `size` apart in rows of five; block 1
// in cell 0 and block 4 in cell 24.
std::vector<Cell> Templates(bool normal, int size)
{
    std::vector<Cell> cells;
    for (int t = 0; t < 6; ++t) {
        const int x = normal ? 28 + 128 * t : 60 + 240 * (t % 3);
        const int y = normal ? 93 : 20 + 240 * (t / 3);
        for (int i = 0; i < 25; ++i) {
            cells.emplace_back(x + i % 5 * size, y + i / 5 * size, i == 0 ? 1 : (i == 24 ? 4 : -1));
        }
    }
    return cells;
}

// The cells with template 2 (the third) moved 160 px right: at easy size it then reaches x 900.
std::vector<Cell> ThirdMovedRight(std::vector<Cell> cells)
{
    for (std::size_t i = 50; i < 75; ++i) {
        std::get<0>(cells[i]) += 160;
    }
    return cells;
}

std::string Text(const std::vector<Cell>& cells)
{
    std::string text;
    for (const auto& [x, y, id] : cells) {
        text +=
            std::to_string(int(x)) + "," + std::to_string(int(y)) + "," + std::to_string(id) + "\n";
    }
    return text;
}

class QuadrelEditorTest : public EditorFixture<QuadrelEditorForm> {
public:
    QuadrelEditorTest() : EditorFixture("Quadrel") {}
};

TEST_F(QuadrelEditorTest, PaintedTemplatesAreSavedReadBackAndPlayed)
{
    Show();
    EXPECT_EQ(form.Caption(), "Quadrel Editor - <new>");
    Click(form.Palette[3]);
    Click(80, 40);   // template 1, cell 0
    Click(140, 40);  // on the edge of cells 1 and 2: the lower-indexed one
    Click(200, 40);  // cell 3, emptied below
    Click(280, 100); // between two templates: nothing, and the brush centred on the pointer
    EXPECT_EQ(std::tie(form.Cursor.X, form.Cursor.Y), std::make_tuple(260.0, 80.0));
    Click(form.removeButton);
    Click(200, 40);
    Press(80, 40);
    Move(120, 40); // a held button paints nothing; the brush lies on the cell
    EXPECT_EQ(std::tie(form.Cursor.X, form.Cursor.Y, qc::MapTemplates[0][1].id),
              std::make_tuple(100.0, 20.0, 3));
    Move(200, 40);
    Release(200, 40);
    headless::AnswerFileDialog("1");
    Click(form.saveButton);
    Close();

    std::vector<Cell> expected = Templates(false, 40);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::get<2>(expected[i]) = i < 2 ? 3 : -1;
    }
    ASSERT_TRUE(qc::LoadMap(MapFile("1").string()));
    EXPECT_EQ(Loaded(), expected);
    PlayLevelOne<QuadrelForm>([](QuadrelForm& game) {
        ASSERT_EQ(game.PieceBlocks.size(), 2U);
        EXPECT_EQ(game.PieceBlocks[1].X - game.PieceBlocks[0].X, 40);
        EXPECT_EQ(game.PieceBlocks[1].Y, game.PieceBlocks[0].Y);
    });
}

TEST_F(QuadrelEditorTest, EveryShippedMapOpensAndSavesByteForByte)
{
    Show();
    ExpectShippedMapsRoundTrip("Quadrel Editor - ");
}

// After a good map was opened: a second open (or its cancel), a template dropped or the clear
// button, then a save. A refused save shows why and writes nothing.
struct OpenCase {
    const char* name;
    const char* open; // the second file; "" cancels the dialog, nullptr opens none
    bool dropTemplate;
    bool clear;
    int messageBoxes;
    const char* captionFile; // nullptr: the new-map title
    std::vector<Cell> saved; // empty: nothing written
};

class QuadrelOpenSaveTest : public QuadrelEditorTest,
                            public ::testing::WithParamInterface<OpenCase> {};

TEST_P(QuadrelOpenSaveTest, KeepsOrLaysOutAndRefuses)
{
    const OpenCase& c = GetParam();
    testsupport::WriteText(MapFile("good"), Text(Templates(false, 40)));
    testsupport::WriteText(MapFile("small"), Text(Templates(false, 20)));
    testsupport::WriteText(MapFile("normal"), Text(Templates(true, 20)));
    testsupport::WriteText(MapFile("cut"), "60,20,1\n100,20");
    testsupport::WriteText(MapFile("far"), Text(ThirdMovedRight(Templates(false, 40))));
    Show();
    headless::AnswerFileDialog("good");
    Click(form.openButton);
    if (c.open != nullptr) {
        *c.open != 0 ? headless::AnswerFileDialog(c.open) : headless::CancelFileDialog();
        Click(form.openButton);
    }
    if (c.dropTemplate) {
        qc::MapTemplates.pop_back();
    }
    if (c.clear) {
        Click(form.clearButton);
    }
    headless::AnswerFileDialog("saved");
    Click(form.saveButton);

    EXPECT_EQ(messageBoxes, c.messageBoxes);
    EXPECT_EQ(form.Caption(),
              "Quadrel Editor - " +
                  (c.captionFile != nullptr ? MapFile(c.captionFile).string() : "<new>"));
    ASSERT_EQ(std::filesystem::exists(MapFile("saved")), !c.saved.empty());
    if (!c.saved.empty()) {
        ASSERT_TRUE(qc::LoadMap(MapFile("saved").string()));
        EXPECT_EQ(Loaded(), c.saved);
    }
}

// Templates out of the easy pattern (of 20 px cells at the easy places or at the normal ones) or
// reaching off the design area are laid out at the easy places with their ids.
INSTANTIATE_TEST_SUITE_P(
    Maps, QuadrelOpenSaveTest,
    ::testing::Values(
        OpenCase{"CancelledOpen", "", false, false, 0, "good", Templates(false, 40)},
        OpenCase{"UnreadableFile", "cut", false, false, 2, nullptr, {}},
        OpenCase{"TooFewTemplates", nullptr, true, false, 1, "good", {}},
        OpenCase{"NoBlock", nullptr, false, true, 1, "good", {}},
        OpenCase{"MalformedTemplates", "small", false, false, 0, "small", Templates(false, 40)},
        OpenCase{"NormalMap", "normal", false, false, 0, "normal", Templates(false, 40)},
        OpenCase{"OffTheWindow", "far", false, false, 0, "far", Templates(false, 40)}),
    [](const ::testing::TestParamInfo<OpenCase>& param) { return std::string(param.param.name); });

} // namespace
