// The Quadrel window and its options dialog: settings read with their defaults, the mode's field
// and pictures, the speed-up at every return to level 1, loading without a level 1, the stop hint
// after a new game, the one-button sweep, and the five keys OK writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"
#include "games/quadrel/QuadrelForm.h"
#include "games/quadrel/QuadrelOptions.h"
#include "platform/Input.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/OptionsDialogFixture.h"

namespace {

using Mode = quadrel::GameMode;

// Six templates of one block each, in the easy layout.
std::string EasyMap()
{
    std::string text;
    for (int t = 0; t < 6; ++t) {
        for (int i = 0; i < 25; ++i) {
            text += std::to_string(i % 5 * 40) + "," + std::to_string(i / 5 * 40) + "," +
                    (i == 0 ? "3" : "-1") + "\n";
        }
    }
    return text;
}

using QuadrelFormTest = testsupport::GameWindowFixture<QuadrelForm>;

TEST_F(QuadrelFormTest, SettingsGiveTheirDefaultsWhenTheyDoNotConvertAndTheModeItsField)
{
    struct Case {
        const char* fallSpeed;
        const char* moveSpeed;
        const char* mode;
        std::int16_t fall, move;
        std::size_t cells;
        std::int32_t blockSize;
    };
    const Case cases[] = {
        {"55", "800", "normal", 55, 800, 480, 20},
        {"fast", "", "Normal", 40, 500, 120, 40},
        {"-3", "0", "hard", 40, 500, 120, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Save("Quadrel", "FallSpeed", c.fallSpeed);
        Save("Quadrel", "MoveSpeed", c.moveSpeed);
        Save("Quadrel", "Mode", c.mode);
        WriteMap("Quadrel", 1, EasyMap(), "easy");
        WriteMap("Quadrel", 1, EasyMap() + EasyMap(), "normal");
        LoadWindow();
        EXPECT_EQ(form.LevelFallSpeed, c.fall);
        EXPECT_EQ(form.MoveSpeed, c.move);
        ASSERT_EQ(form.FieldCells.size(), c.cells);
        EXPECT_EQ(form.FieldCells.back().X, 600 - c.blockSize);
        EXPECT_EQ(form.FieldCells.back().Y, 480 - c.blockSize);
        EXPECT_EQ(form.BlockImages[6].width, c.blockSize);
        EXPECT_EQ(form.GameMode, Mode::Waiting);
        EXPECT_FALSE(Common::gStopHint); // never on loading
        form.FreeGraphics();
        form.CloseSounds();
        form.Unload();
    }
}

TEST_F(QuadrelFormTest, EveryReturnToLevelOneMakesThePiecesFallFasterAndLevelOneIsNeeded)
{
    WriteMap("Quadrel", 1, EasyMap());
    ShowWindow();
    for (const std::int16_t expected : {48, 58, 70, 84, 101}) {
        KeyPress(platform::vbKeyF3);  // playing
        KeyPress(platform::vbKeyAdd); // level 2 has no map
        EXPECT_EQ(form.Level, 1);
        EXPECT_EQ(form.LevelFallSpeed, expected);
        ASSERT_FALSE(form.PieceBlocks.empty());
        EXPECT_EQ(form.PieceBlocks[0].yMov, expected);
    }
    form.LevelFallSpeed = 30000;
    KeyPress(platform::vbKeyF3);
    KeyPress(platform::vbKeyAdd);
    EXPECT_EQ(form.LevelFallSpeed, 32767);

    std::filesystem::remove(folder / "Maps/Quadrel/easy/1.map");
    KeyPress(platform::vbKeyF3);
    KeyPress(platform::vbKeySubtract);
    EXPECT_TRUE(form.QuitGame);
    EXPECT_FALSE(form.PieceBlocks.empty()); // the last map's templates stay
}

TEST_F(QuadrelFormTest, AWindowWithoutLevelOneBuildsNoPieceAndAsksToLeave)
{
    QuadrelCommon::MapTemplates.clear();
    LoadWindow();
    EXPECT_TRUE(form.QuitGame);
    EXPECT_TRUE(form.PieceBlocks.empty());
    form.StartGame();
    form.RotatePiece();
    form.MoveLeft(true);
    Pass(100);
    EXPECT_EQ(form.GameMode, Mode::Playing);
}

TEST_F(QuadrelFormTest, OneButtonPlaySweepsEveryMoveSpeedAndTheHintFollowsANewGame)
{
    Save("Menu", "OneButton", "True");
    Save("Menu", "PauseOnStop", "1");
    Save("Quadrel", "MoveSpeed", "1000");
    WriteMap("Quadrel", 1, EasyMap());
    ShowWindow();
    KeyPress(platform::vbKeyF3);
    // The block spawns at X 400; steps right every second, back from the wall.
    std::vector<double> xs;
    for (int second = 0; second < 5; ++second) {
        Pass(1001);
        ASSERT_FALSE(form.PieceBlocks.empty());
        xs.push_back(form.PieceBlocks[0].X);
    }
    EXPECT_EQ(xs, (std::vector<double>{440, 480, 520, 560, 520}));
    // Game over, then a new game with the stop hint: Enter leaves.
    form.GameMode = Mode::GameOver;
    ASSERT_TRUE(PassUntil([&] { return form.GameMode == Mode::Waiting; }));
    EXPECT_TRUE(Common::gStopHint);
    KeyPress(platform::vbKeyReturn);
    EXPECT_TRUE(form.QuitGame);
}

class QuadrelOptionsTest : public testsupport::OptionsDialogFixture<QuadrelOptions> {
protected:
    QuadrelOptionsTest() : OptionsDialogFixture("Quadrel") {}
};

TEST_F(QuadrelOptionsTest, StoredValuesShowInTheirBarsAndOkWritesFiveKeysInOrder)
{
    Save("MoveSpeed", "9000");
    Save("FallSpeed", "junk");
    Save("Mode", "easy");
    Common::gMode = "normal";
    Run({[&] {
        EXPECT_EQ(dialog.ScaleHeight(), 340);
        EXPECT_EQ(dialog.MoveSpeedScroll.Value(), 3000);
        EXPECT_EQ(dialog.FallSpeedScroll.Value(), 40);
        EXPECT_EQ(dialog.FallSpeedScroll.Top(), 139);
        EXPECT_EQ(dialog.OkSprite.Y, 264);
        ClickMiddle(platform::vbRightButton, dialog.OkSprite);
    }});
    EXPECT_TRUE(Common::gOptionsOk);
    EXPECT_EQ(Stored("MoveSpeed"), "3000");
    EXPECT_EQ(Stored("FallSpeed"), "40");
    EXPECT_EQ(Stored("Mode"), "normal");
    EXPECT_EQ(Stored("MusicOn"), "1");
    EXPECT_EQ(KeysInFile(),
              (std::vector<std::string>{"MoveSpeed", "FallSpeed", "Mode", "MusicOn", "FxOn"}));
}

} // namespace
