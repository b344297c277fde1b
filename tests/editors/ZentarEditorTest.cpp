// The alien editor: placing, overwriting and removing aliens on the grid, the type and background
// arrows, the map written, read back by the game's map module and played; open and save of every
// shipped map; a map that cannot be read; the grid without alien pictures; title rule and close
// requests of the frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "editors/zentar/ZentarEditorForm.h"
#include "games/zentar/ZentarCommon.h"
#include "games/zentar/ZentarForm.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/TextFiles.h"

namespace {

namespace headless = platform::headless;
namespace zc = ZentarCommon;

class ZentarEditorTest : public EditorFixture<ZentarEditorForm> {
public:
    ZentarEditorTest() : EditorFixture("Zentar") {}
};

TEST_F(ZentarEditorTest, PlacedAliensAreSavedReadBackAndPlayed)
{
    Show();
    EXPECT_EQ(form.Caption(), "Zentar Editor - <new>");
    Click(form.alienRightButton);
    Click(form.alienRightButton);
    Click(100, 30); // type 2 on the cell at (70, 0)
    for (int step = 0; step < 3; ++step) {
        Click(form.alienLeftButton); // 1, 0, then round to 26
    }
    Click(70, 30);  // on the edge the right cell wins: the alien there becomes type 26
    Click(160, 90); // a new alien on the cell at (130, 60)
    Click(40, 450); // below the grid: the brush stays on cell 0, at (10, 0)
    Click(form.removeButton);
    Click(40, 30);              // hides that alien
    Click(form.backLeftButton); // background 26
    Click(form.backRightButton);
    Click(form.backRightButton); // background 1
    EXPECT_EQ(Entries(zc::MapAliens),
              (std::vector<Entry>{
                  {0, 0, 0, false}, {26, 70, 0, true}, {26, 130, 60, true}, {26, 10, 0, false}}));

    headless::AnswerFileDialog("1");
    Click(form.saveButton);
    Close();

    ASSERT_TRUE(zc::LoadMap(MapFile("1").string()));
    EXPECT_EQ(Entries(zc::MapAliens), (std::vector<Entry>{{26, 70, 0, true}, {26, 130, 60, true}}));
    EXPECT_EQ(zc::MapBackground.id, 1);

    PlayLevelOne<ZentarForm>([](ZentarForm& game) {
        ASSERT_EQ(game.AlienStarts.size(), 2U);
        EXPECT_EQ(game.AlienStarts[1].X, 130);
        EXPECT_EQ(game.AlienStarts[1].Y, 60);
    });
}

TEST_F(ZentarEditorTest, TheToolShowsItsAlienOnThePanel)
{
    Show();
    for (const std::int32_t type : {0, 26}) {
        ExpectToolPreview(form.alienTool);
        EXPECT_EQ(form.alienTool.id, type);
        Click(form.alienLeftButton);
    }
}

TEST_F(ZentarEditorTest, EveryShippedMapOpensAndSavesByteForByte)
{
    Show();
    ExpectShippedMapsRoundTrip("Zentar Editor - ");
}

// The background and the alien read before the failure do not stay: the map is new and empty.
TEST_F(ZentarEditorTest, AMapThatCannotBeReadLeavesANewEmptyMap)
{
    testsupport::WriteText(MapFile("cut"), "background,5\nalien,3,70,0\nalien,1\n");
    Show();
    Click(100, 30);
    headless::AnswerFileDialog("cut");
    Click(form.openButton);
    EXPECT_EQ(messageBoxes, 1);
    EXPECT_EQ(form.Caption(), "Zentar Editor - <new>");
    EXPECT_EQ(Entries(zc::MapAliens), (std::vector<Entry>{{0, 0, 0, false}}));
    EXPECT_EQ(zc::MapBackground.id, 0);
}

// The grid takes the size of the alien picture of type 0, and the mode's size without it; M
// empties the map.
class ZentarGridTest : public ZentarEditorTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ZentarGridTest, CellsPerMode)
{
    if (!GetParam()) {
        std::filesystem::remove(folder / "Gfx");
        std::filesystem::create_directories(folder / "Gfx");
        std::filesystem::create_directory_symlink(shipped / "Gfx" / "Buttons",
                                                  folder / "Gfx" / "Buttons");
    }
    Show();
    struct Expected {
        std::size_t cells;
        double lastX;
        double lastY;
        std::int32_t size;
    };
    for (const Expected& e : {Expected{91, 730, 360, 60}, Expected{220, 760, 400, 40}}) {
        EXPECT_EQ(form.gridCells.size(), e.cells);
        EXPECT_EQ(form.gridCells.back().X, e.lastX);
        EXPECT_EQ(form.gridCells.back().Y, e.lastY);
        EXPECT_EQ(form.gridCells.back().width, e.size);
        EXPECT_EQ(zc::MapAliens.size(), 1U);
        EXPECT_TRUE(form.alienTool.active);
        Click(100, 30);
        Click(form.removeButton);
        headless::After(0).KeyPress(platform::vbKeyM);
        form.RunPass();
    }
}

INSTANTIATE_TEST_SUITE_P(AlienPictures, ZentarGridTest, ::testing::Values(true, false));

TEST_F(ZentarEditorTest, NoCaptionOnAScreenOf800PixelsAndACloseRequestEndsTheLoop)
{
    headless::SetDesktopWidth(800);
    testsupport::WriteText(MapFile("empty"), "");
    Show();
    headless::AnswerFileDialog("empty");
    Click(form.openButton);
    EXPECT_EQ(form.Caption(), "");

    // The request is turned into the quit flag; the loop then closes the window without a pass.
    headless::After(0).Close();
    form.RunPass();
    EXPECT_TRUE(form.IsLoaded());
    ASSERT_TRUE(form.QuitEditor);
    const std::int32_t refreshes = headless::RefreshCount();
    form.RunEditorLoop();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(headless::RefreshCount(), refreshes);
}

} // namespace
