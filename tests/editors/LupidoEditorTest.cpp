// The lane editor: placing with the seven tools, the steppers and direction buttons, one removal
// per click, the map written, read back by the game's map module and played; the lanes and arrows
// drawn; open and save of every shipped map; failed and cancelled dialogs.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "editors/lupido/LupidoEditorForm.h"
#include "games/lupido/LupidoCommon.h"
#include "games/lupido/LupidoForm.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/TextFiles.h"

namespace {

namespace headless = platform::headless;
namespace lc = LupidoCommon;

class LupidoEditorTest : public EditorFixture<LupidoEditorForm> {
public:
    LupidoEditorTest() : EditorFixture("Lupido") {}

    // id, X, Y and speed factor of each visible element.
    using Element = std::tuple<std::int32_t, double, double, double>;
    static std::vector<Element> Visible(const std::vector<SpriteClass>& sprites)
    {
        std::vector<Element> elements;
        for (const SpriteClass& s : sprites) {
            if (s.visible) {
                elements.emplace_back(s.id, s.X, s.Y, s.xMov);
            }
        }
        return elements;
    }
    // Clicks a panel sprite left of, on or right of its middle.
    void ClickSide(const SpriteClass& sprite, std::int32_t fromMiddle)
    {
        Click(platform::CLng(sprite.MiddleX()) + fromMiddle, platform::CLng(sprite.MiddleY()));
    }
};

// Easy mode: cells of 60 px from x 10, rows of 60 px from y 0.
TEST_F(LupidoEditorTest, PlacedElementsAreSavedReadBackAndPlayed)
{
    Show();
    EXPECT_EQ(form.Caption(), "Lupido Editor - <new>");
    Click(100, 100);                       // no tool yet: nothing
    ClickSide(form.riverVariantButton, 0); // on the middle: down from picture 0 to 5
    Click(400, 130);                       // a river from x 0 on row 120
    ClickSide(form.roadVariantButton, 1);  // picture 1
    Click(400, 250);
    Click(400, 300); // on the edge of two rows the lower one wins
    Click(form.logButton);
    Click(form.rightDirButton); // the direction in force was right: now left
    ClickSide(form.speedButton, -1);
    ClickSide(form.speedButton, -1);
    Click(40, 130); // a log on the cell at (10, 120)
    Click(form.carButton);
    Click(form.leftDirButton); // right again
    for (int step = 0; step < 3; ++step) {
        ClickSide(form.speedButton, 1);
    }
    Click(5, 250); // left of the grid: the car's corner at the pointer
    Click(form.flowerButton);
    Click(100, 400); // centred on the pointer
    Click(form.bushButton);
    Click(300, 470); // reaches into the panel
    Click(form.removeButton);
    Click(40, 150); // over the log and the river: the log goes
    Click(form.logButton);
    Click(400, 130); // takes the removed log's entry
    EXPECT_EQ(lc::MapLogs.size(), 1U);

    headless::AnswerFileDialog("1");
    Click(form.saveButton);
    Close();
    // The file keeps no speed factor for lanes and decorations.
    const double faster = 1.0 - 0.1 - 0.1 + 0.1 + 0.1 + 0.1;
    ASSERT_TRUE(lc::LoadMap(MapFile("1").string()));
    EXPECT_EQ(Visible(lc::MapRivers), (std::vector<Element>{{5, 0, 120, 0}}));
    EXPECT_EQ(Visible(lc::MapRoads), (std::vector<Element>{{1, 0, 240, 0}, {1, 0, 300, 0}}));
    EXPECT_EQ(Visible(lc::MapLogs), (std::vector<Element>{{0, 370, 120, faster}}));
    EXPECT_EQ(Visible(lc::MapCars), (std::vector<Element>{{0, 5, 250, faster}}));
    EXPECT_EQ(Visible(lc::MapFlowers), (std::vector<Element>{{0, 88, 388, 0}}));
    EXPECT_EQ(Visible(lc::MapBushes), (std::vector<Element>{{0, 276, 450, 0}}));

    PlayLevelOne<LupidoForm>([&](LupidoForm& game) {
        EXPECT_EQ(lc::MapCars[0].xMov, game.LevelSpeed * faster);
        EXPECT_EQ(lc::MapLogs[0].xMov, game.LevelSpeed * faster);
    });
}

// The lane pictures wrap, the speed factor stops at 0 and 10, a click on the middle steps down.
TEST_F(LupidoEditorTest, SteppersWrapOrStopAtTheirEnds)
{
    Show();
    struct Step {
        std::int16_t variant;
        std::int32_t fromMiddle;
        std::int16_t nextVariant;
        double speed;
        double nextSpeed;
    };
    for (const Step& s : {Step{5, 1, 0, 9.95, 10}, Step{0, -1, 5, 0.05, 0},
                          Step{3, 0, 2, 1.0, 1.0 - 0.1}, Step{4, 1, 5, 10, 10}}) {
        form.RoadVariant = s.variant;
        form.TrafficSpeed = s.speed;
        ClickSide(form.roadVariantButton, s.fromMiddle);
        ClickSide(form.speedButton, s.fromMiddle);
        EXPECT_EQ(form.RoadVariant, s.nextVariant);
        EXPECT_EQ(form.TrafficSpeed, s.nextSpeed);
    }
    EXPECT_TRUE(form.roadsButton.active);
}

// Lanes lie between their edge strips; a log moving left shows the left arrow in its middle.
TEST_F(LupidoEditorTest, LanesAndMoversAreDrawnAsTheGameLaysThemOut)
{
    Show();
    Click(form.gridButton); // no cell outlines across the pictures
    Click(form.riversButton);
    Click(400, 130);
    Click(form.logButton);
    Click(form.leftDirButton);
    Click(40, 130);
    Move(400, 590);
    SpriteClass top;
    SpriteClass bottom;
    SpriteClass left;
    SpriteClass right;
    top.LoadDCImage("Gfx\\Lupido\\easy\\riverTop.gif", form);
    bottom.LoadDCImage("Gfx\\Lupido\\easy\\riverBottom.gif", form);
    left.LoadDCImage("Gfx\\Lupido\\leftDir.gif", form);
    right.LoadDCImage("Gfx\\Lupido\\rightDir.gif", form);
    EXPECT_EQ(headless::ScreenPixel(700, 119), top.GetDCPixel(700, top.Height - 1));
    EXPECT_EQ(headless::ScreenPixel(700, 180), bottom.GetDCPixel(700, 0));
    // The log is 180 x 48 at (10, 120), so the 20 x 20 arrow stands at (90, 134); the pixels that
    // only the left arrow covers show it.
    int shown = 0;
    for (std::int32_t y = 0; y < 20; ++y) {
        for (std::int32_t x = 0; x < 20; ++x) {
            if (left.GetDCPixel(x, y) != left.colorKey &&
                right.GetDCPixel(x, y) == right.colorKey) {
                EXPECT_EQ(headless::ScreenPixel(90 + x, 134 + y), left.GetDCPixel(x, y));
                ++shown;
            }
        }
    }
    EXPECT_GT(shown, 0);
}

TEST_F(LupidoEditorTest, EveryShippedMapOpensAndSavesByteForByte)
{
    Show();
    ExpectShippedMapsRoundTrip("Lupido Editor - ");
}

// A cancelled dialog keeps the map and its title; a file with a lane id beyond the six pictures
// cannot be read and leaves a new, empty map.
TEST_F(LupidoEditorTest, CancelledAndFailedOpens)
{
    testsupport::WriteText(MapFile("good"), "road,2,60\n");
    testsupport::WriteText(MapFile("bad"), "river,3,120\nroad,6,60\n");
    Show();
    headless::AnswerFileDialog("good");
    Click(form.openButton);
    headless::CancelFileDialog();
    Click(form.openButton);
    EXPECT_EQ(form.Caption(), "Lupido Editor - " + MapFile("good").string());
    EXPECT_EQ(Visible(lc::MapRoads), (std::vector<Element>{{2, 0, 60, 0}}));
    headless::AnswerFileDialog("bad");
    Click(form.openButton);
    EXPECT_EQ(messageBoxes, 1);
    EXPECT_EQ(form.Caption(), "Lupido Editor - <new>");
    EXPECT_TRUE(Visible(lc::MapRivers).empty());
    EXPECT_TRUE(Visible(lc::MapRoads).empty());
}

} // namespace
