// The brick editor: placing, retyping and removing bricks, the map written, read back by the
// game's map module and played; placements and moves held inside the walls, the duplicates purge
// and the snapping rules; the background arrows; open and save of every shipped map; failed and
// cancelled dialogs.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "editors/krevin/KrevinEditorForm.h"
#include "games/krevin/KrevinCommon.h"
#include "games/krevin/KrevinForm.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/TextFiles.h"

namespace {

namespace headless = platform::headless;
namespace kc = KrevinCommon;

class KrevinEditorTest : public EditorFixture<KrevinEditorForm> {
public:
    KrevinEditorTest() : EditorFixture("Krevin") {}

    // Type, X and Y of every entry that holds a brick.
    using Brick = std::tuple<std::int32_t, double, double>;
    static std::vector<Brick> Bricks()
    {
        std::vector<Brick> bricks;
        for (const SpriteClass& s : kc::MapBricks) {
            if (s.id != -1) {
                bricks.emplace_back(s.id, s.X, s.Y);
            }
        }
        return bricks;
    }
    void Open(const std::string& map)
    {
        testsupport::WriteText(MapFile("open"), map);
        headless::AnswerFileDialog("open");
        Click(form.openButton);
    }
};

// Easy mode: cells of 60 x 30 from (40, 20).
TEST_F(KrevinEditorTest, PlacedBricksAreSavedReadBackAndPlayed)
{
    Show();
    EXPECT_EQ(form.Caption(), "KrevinEditor - <new>");
    Click(70, 35); // type 0 on the cell at (40, 20)
    Click(form.Palette[3]);
    Click(130, 65);
    Click(form.Palette[7]);
    Click(100, 35); // inside the first brick: it becomes type 7 where it is
    Click(form.removeButton);
    Click(130, 65);
    Click(form.removeButton); // off: no type chosen until the palette is clicked
    Click(form.Palette[10]);
    Click(730, 400);
    Click(form.backLeftButton); // background 26
    EXPECT_EQ(Bricks(), (std::vector<Brick>{{7, 40, 20}, {10, 700, 380}}));

    headless::AnswerFileDialog("1");
    Click(form.saveButton);
    Close();
    EXPECT_EQ(testsupport::ReadText(MapFile("1")).find("-1"), std::string::npos);
    ASSERT_TRUE(kc::LoadMap(MapFile("1").string()));
    EXPECT_EQ(Bricks(), (std::vector<Brick>{{7, 40, 20}, {10, 700, 380}}));
    EXPECT_EQ(kc::MapBackground.id, 26);

    PlayLevelOne<KrevinForm>([](KrevinForm&) {
        EXPECT_EQ(kc::MapBricks.size(), 3U); // behind the background record's empty slot
        EXPECT_EQ(kc::MapBricks[2].X, 700);
    });
}

// What a field click does to a map: placed or moved bricks stay inside the walls (20 px thick at
// the left, top and right; the panel at y 480), which they may touch.
struct FieldCase {
    const char* name;
    const char* map;
    bool grid;
    bool remove;
    std::int32_t x;
    std::int32_t y;
    std::vector<std::tuple<std::int32_t, double, double>> bricks; // with type 0 chosen
};

class KrevinFieldTest : public KrevinEditorTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(KrevinFieldTest, ClickOnTheField)
{
    const FieldCase& c = GetParam();
    Show();
    Open(c.map);
    if (!c.grid) {
        Click(form.gridButton);
    }
    if (c.remove) {
        Click(form.removeButton);
    }
    Click(form.Palette[0]);
    if (c.remove) {
        Click(form.removeButton);
    }
    Click(c.x, c.y);
    EXPECT_EQ(Bricks(), c.bricks);
}

INSTANTIATE_TEST_SUITE_P(
    Bricks, KrevinFieldTest,
    ::testing::Values(
        FieldCase{"TouchingTheWalls", "", false, false, 720, 450, {{0, 720, 450}}},
        FieldCase{"PastTheRightWall", "", false, false, 721, 450, {}},
        FieldCase{"PastTheLeftWall", "", false, false, 19, 100, {}},
        FieldCase{"UnderTheTopWall", "", false, false, 100, 19, {}},
        FieldCase{"OnTheFirstOfFourCells", "", true, false, 100, 50, {{0, 40, 20}}},
        FieldCase{"UnsnappedBesideTheGrid", "", true, false, 30, 100, {{0, 30, 100}}},
        FieldCase{
            "MovedBehindTheRightWall", "brick,700,100,4", false, false, 750, 110, {{4, 700, 100}}},
        FieldCase{"MovedInside", "brick,700,100,4", false, false, 710, 110, {{0, 710, 110}}},
        FieldCase{"MovedOntoItsCell", "brick,105,55,4", true, false, 120, 60, {{0, 100, 50}}},
        FieldCase{"DuplicatesPurgedAndNothingPlaced",
                  "brick,100,50,1\nbrick,200,50,3\nbrick,100,50,2",
                  true,
                  false,
                  400,
                  300,
                  {{1, 100, 50}, {3, 200, 50}}},
        FieldCase{"OverlappingBricksRemovedTogether",
                  "brick,100,100,1\nbrick,130,110,2\n"
                  "brick,300,100,3",
                  true,
                  true,
                  140,
                  115,
                  {{3, 300, 100}}}),
    [](const ::testing::TestParamInfo<FieldCase>& param) { return std::string(param.param.name); });

// The background number wraps at 0 and 26 only in the direction of its own arrow; on the column
// where the arrows meet both act.
TEST_F(KrevinEditorTest, BackgroundArrows)
{
    Show();
    struct Step {
        std::int16_t from;
        std::int32_t column; // -1 the left arrow's middle, 1 the right's, 0 where they meet
        std::int32_t to;
    };
    for (const Step& s : {Step{0, -1, 26}, Step{26, 1, 0}, Step{30, -1, 29}, Step{-3, 1, -2},
                          Step{30, 1, 0}, Step{0, 0, 0}, Step{26, 0, 26}}) {
        kc::MapBackground.id = s.from;
        const SpriteClass& arrow = s.column < 0 ? form.backLeftButton : form.backRightButton;
        Click(s.column == 0 ? platform::CLng(form.backRightButton.X)
                            : platform::CLng(arrow.MiddleX()),
              platform::CLng(arrow.MiddleY()));
        EXPECT_EQ(kc::MapBackground.id, s.to) << s.from << " " << s.column;
    }
}

TEST_F(KrevinEditorTest, EveryShippedMapOpensAndSavesByteForByte)
{
    Show();
    ExpectShippedMapsRoundTrip("KrevinEditor - ");
}

// A cancelled dialog keeps the map; a file that cannot be read leaves a new, empty map with the
// background it had.
TEST_F(KrevinEditorTest, CancelledAndFailedOpens)
{
    Show();
    Open("background,4\nbrick,100,50,2\n");
    headless::CancelFileDialog();
    Click(form.openButton);
    EXPECT_EQ(form.Caption(), "KrevinEditor - " + MapFile("open").string());
    EXPECT_EQ(Bricks(), (std::vector<Brick>{{2, 100, 50}}));
    Open("background,9\nbrick,100,50,11\n");
    EXPECT_EQ(messageBoxes, 1);
    EXPECT_EQ(form.Caption(), "KrevinEditor - <new>");
    EXPECT_TRUE(Bricks().empty());
    EXPECT_EQ(kc::MapBackground.id, 4);
}

} // namespace
