// The rock editor: rocks placed, replaced and removed on the grids of the three sizes, the size
// and background arrows, the map written, read back by the game's map module and played; files
// opened and saved as they are (an unknown rock kind kept), cut short, or not chosen; open and save
// of every shipped map.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <utility>
#include <vector>

#include "editors/morvex/MorvexEditorForm.h"
#include "games/morvex/MorvexCommon.h"
#include "games/morvex/MorvexForm.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/TextFiles.h"

namespace {

namespace headless = platform::headless;
namespace mc = MorvexCommon;

class MorvexEditorTest : public EditorFixture<MorvexEditorForm> {
public:
    MorvexEditorTest() : EditorFixture("Morvex") {}

    static long Shown(const std::vector<SpriteClass>& pool)
    {
        return std::count_if(pool.begin(), pool.end(), [](const auto& r) { return r.visible; });
    }
};

TEST_F(MorvexEditorTest, PlacedRocksAreSavedReadBackAndPlayed)
{
    Show();
    EXPECT_EQ(form.Caption(), "Morvex Editor - <new>");
    EXPECT_TRUE(form.rockTool.active && form.gridButton.active);
    EXPECT_EQ(form.gridCells.size(), 60U);
    Click(100, 100);            // a large rock on the cell at (80, 80)
    Click(form.sizeLeftButton); // from large round to small
    EXPECT_EQ(form.gridCells.size(), 240U);
    Click(90, 90);               // inside the large rock: the small one takes its entry
    Click(120, 100);             // on the edge the right cell wins: touching, so a new entry
    Click(form.sizeRightButton); // round to large
    Click(form.sizeRightButton); // medium
    EXPECT_EQ(form.gridCells.size(), 104U);
    Click(795, 30); // in no cell: the brush stays on cell 0, at (10, 0)
    Click(form.removeButton);
    Click(100, 100);            // the brush's corner on (70, 60): hides the small rock at (80, 80)
    Click(form.backLeftButton); // background 26
    Click(form.backRightButton);
    Click(form.backRightButton); // background 1
    EXPECT_EQ(Entries(mc::MapRocks),
              (std::vector<Entry>{
                  {0, 0, 0, false}, {2, 80, 80, false}, {2, 120, 80, true}, {1, 10, 0, true}}));

    headless::AnswerFileDialog("1");
    Click(form.saveButton);
    Close();

    ASSERT_TRUE(mc::LoadMap(MapFile("1").string()));
    EXPECT_EQ(Entries(mc::MapRocks), (std::vector<Entry>{{2, 120, 80, true}, {1, 10, 0, true}}));
    EXPECT_EQ(mc::MapBackground.id, 1);

    PlayLevelOne<MorvexForm>([](MorvexForm& game) {
        EXPECT_EQ(Shown(game.LargeRocks), 0);
        EXPECT_EQ(Shown(game.MediumRocks), 1);
        EXPECT_EQ(Shown(game.SmallRocks), 1);
    });
}

// Each case opens a file (or has the dialog cancelled) and saves the map as "copy".
TEST_F(MorvexEditorTest, FilesOpenAndSaveAsTheirRocksAllow)
{
    struct Case {
        const char* what;
        const char* file;  // nullptr: the open dialog is cancelled
        const char* title; // after the open
        int messages;
        const char* saved;
    };
    const Case cases[] = {
        {"an unknown kind is kept",
         "\"background\",40\r\n\"large\",7,100,100\r\n\"small\",2,40,0\r\n", "Morvex Editor - ", 0,
         "\"background\",40\r\n\"large\",7,100,100\r\n\"small\",2,40,0\r\n"},
        {"an empty map", "", "Morvex Editor - ", 0, "\"background\",0\r\n"},
        {"cut short", "\"background\",5\r\n\"small\",2,40,0\r\n\"large\",0\r\n",
         "Morvex Editor - <new>", 1, "\"background\",0\r\n"},
        {"no file chosen", nullptr, "Morvex Editor - <new>", 0, "\"background\",0\r\n"},
    };
    Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        headless::After(0).KeyPress(platform::vbKeyM); // a new map, and round to "easy" again
        form.RunPass();
        headless::After(0).KeyPress(platform::vbKeyM);
        form.RunPass();
        messageBoxes = 0;
        if (c.file != nullptr) {
            testsupport::WriteText(MapFile("map"), c.file);
            headless::AnswerFileDialog("map");
        } else {
            headless::CancelFileDialog();
        }
        Click(form.openButton);
        const bool opened = c.messages == 0 && c.file != nullptr;
        EXPECT_EQ(form.Caption(), opened ? c.title + MapFile("map").string() : c.title);
        EXPECT_EQ(messageBoxes, c.messages);
        headless::AnswerFileDialog("copy");
        Click(form.saveButton);
        EXPECT_EQ(testsupport::ReadText(MapFile("copy")), c.saved);
    }
    headless::CancelFileDialog();
    std::filesystem::remove(MapFile("copy"));
    Click(form.saveButton);
    EXPECT_FALSE(std::filesystem::exists(MapFile("copy")));
}

// A new map starts at the large size; the background arrows wrap only past 0 and 26; clear keeps
// the title, the mode and the size.
TEST_F(MorvexEditorTest, ModeSwitchBackgroundArrowsAndClear)
{
    testsupport::WriteText(MapFile("far", "normal"), "\"background\",40\r\n");
    Show();
    Click(form.sizeLeftButton);
    headless::After(0).KeyPress(platform::vbKeyM);
    form.RunPass();
    Click(100, 100);
    EXPECT_EQ(Entries(mc::MapRocks), (std::vector<Entry>{{0, 0, 0, false}, {0, 80, 80, true}}));
    for (const auto& [arrow, number] :
         {std::pair{&form.backRightButton, 0}, {&form.backLeftButton, 39}}) {
        headless::AnswerFileDialog("far");
        Click(form.openButton);
        Click(*arrow);
        EXPECT_EQ(mc::MapBackground.id, number);
    }
    Click(form.sizeLeftButton);
    Click(form.clearButton);
    EXPECT_EQ(Entries(mc::MapRocks), (std::vector<Entry>{{0, 0, 0, false}}));
    EXPECT_EQ(mc::MapBackground.id, 0);
    EXPECT_EQ(form.Caption(), "Morvex Editor - " + MapFile("far", "normal").string());
    EXPECT_EQ(Common::gMode, "normal");
    EXPECT_EQ(form.rockTool.id, 2);
}

TEST_F(MorvexEditorTest, TheToolShowsItsRockOnThePanel)
{
    Show();
    for (const std::int32_t kind : {0, 1, 2}) {
        EXPECT_EQ(form.rockTool.id, kind);
        ExpectToolPreview(form.rockTool);
        Click(form.sizeRightButton);
    }
}

// A rock of an unknown kind shows as a red box with its diagonals, 80 px square as a large rock;
// the remove tool takes it away, and the map is saved without it.
TEST_F(MorvexEditorTest, AnUnknownRockKindIsShownAndCanBeRemoved)
{
    testsupport::WriteText(MapFile("odd"), "large,7,100,100\nsmall,2,300,0\n");
    Show();
    Click(form.gridButton); // no cell outlines over the marker
    headless::AnswerFileDialog("odd");
    Click(form.openButton);
    Move(400, 595);
    for (const auto& [x, y] : {std::pair{100, 100}, {179, 179}, {140, 140}, {100, 179}}) {
        EXPECT_EQ(headless::ScreenPixel(x, y), platform::Rgb(255, 0, 0)) << x << ", " << y;
    }
    Click(form.removeButton);
    Click(170, 170); // the cell at (160, 160) of the large grid
    headless::AnswerFileDialog("copy");
    Click(form.saveButton);
    EXPECT_EQ(testsupport::ReadText(MapFile("copy")), "\"background\",0\r\n\"small\",2,300,0\r\n");
}

TEST_F(MorvexEditorTest, EveryShippedMapOpensAndSavesByteForByte)
{
    Show();
    ExpectShippedMapsRoundTrip("Morvex Editor - ");
}

} // namespace
