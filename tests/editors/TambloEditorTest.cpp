// The maze editor: painting with the held button, the player's single start, the map written,
// read back by the game's map module and played; open and save of every shipped maze; the frame's
// file dialogs, message boxes, titles and close requests.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <vector>

#include "editors/tamblo/TambloEditorForm.h"
#include "games/tamblo/TambloCommon.h"
#include "games/tamblo/TambloForm.h"
#include "platform/FileDialog.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/TextFiles.h"

namespace {

using testsupport::ReadText;
using testsupport::WriteText;
namespace headless = platform::headless;

class TambloEditorTest : public EditorFixture<TambloEditorForm> {
public:
    TambloEditorTest() : EditorFixture("Tamblo") {}

    // The middle of a cell of the easy grid (60 px cells from x 10).
    static std::int32_t CellX(int column) { return 40 + 60 * column; }
    static std::int32_t CellY(int row) { return 30 + 60 * row; }

    void PickTile(int id) { Click(form.Palette[static_cast<std::size_t>(id)]); }

    static std::vector<std::int32_t> Ids()
    {
        std::vector<std::int32_t> ids;
        for (const SpriteClass& cell : TambloCommon::Tiles) {
            ids.push_back(cell.id);
        }
        return ids;
    }
};

TEST_F(TambloEditorTest, PaintedMazeIsSavedReadBackAndPlayed)
{
    Show();
    EXPECT_EQ(form.Caption(), "TambloEditor - <new>");
    PickTile(16);
    Press(CellX(0), CellY(0));
    Move(CellX(1), CellY(0)); // the player's start moves along
    Release(CellX(1), CellY(0));
    PickTile(17);
    Press(CellX(0), CellY(1));
    Move(CellX(1), CellY(1));
    Move(CellX(2), CellY(1)); // ghosts' starts are not limited
    Release(CellX(2), CellY(1));
    Move(CellX(3), CellY(1)); // released: nothing more is painted
    PickTile(15);
    Press(70, 90); // on the edge of cells 13 and 14 the lower-indexed one wins
    Release(70, 90);

    std::vector<std::int32_t> expected(104, 14);
    expected[1] = 16;
    expected[13] = 15;
    expected[14] = 17;
    expected[15] = 17;
    ASSERT_EQ(Ids(), expected);

    headless::AnswerFileDialog("1");
    Click(form.saveButton);
    const auto& dialog = headless::FileDialogs().back();
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.request.Flags, platform::OFN_OVERWRITEPROMPT);
    EXPECT_EQ(dialog.request.lpstrFilter, std::string("Maps (*.map)\0*.map\0", 20));
    EXPECT_EQ(dialog.request.lpstrInitialDir, folder.string() + "\\Maps\\Tamblo\\easy\\");
    Close();

    TambloCommon::BuildGrid();
    ASSERT_TRUE(TambloCommon::LoadMap(MapFile("1").string()));
    EXPECT_EQ(Ids(), expected);

    PlayLevelOne<TambloForm>([](TambloForm& game) {
        EXPECT_EQ(game.Player.X, 70); // the start painted in the editor
        EXPECT_EQ(game.Player.Y, 0);
    });
}

TEST_F(TambloEditorTest, EveryShippedMazeOpensAndSavesByteForByte)
{
    Show();
    ExpectShippedMapsRoundTrip("TambloEditor - ");
}

// The frame's open and save, after a map was opened: a cancelled dialog changes nothing; a file
// that cannot be read shows a message and leaves a new, empty map under the new-map title; a save
// that cannot be written (a full disk: the file size limit, as root ignores permissions) shows a
// message and leaves the old file.
struct DialogCase {
    const char* name;
    bool save;
    const char* answer; // nullptr: cancelled
    bool diskFull;
    int messageBoxes;
    bool mapKept;
};

class TambloEditorDialogTest : public TambloEditorTest,
                               public ::testing::WithParamInterface<DialogCase> {};

TEST_P(TambloEditorDialogTest, ChangesNothingThatFailed)
{
    const DialogCase& c = GetParam();
    WriteText(MapFile("old"), "the old file");
    WriteText(MapFile("short"), "1,1,x");
    std::string full;
    for (int cell = 0; cell < 104; ++cell) {
        full += "1\n";
    }
    WriteText(MapFile("full"), full);
    Show();
    headless::AnswerFileDialog("full");
    Click(form.openButton);

    c.answer != nullptr ? headless::AnswerFileDialog(c.answer) : headless::CancelFileDialog();
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = c.diskFull ? 8 : saved.rlim_cur;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    Click(c.save ? form.saveButton : form.openButton);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);

    EXPECT_EQ(messageBoxes, c.messageBoxes);
    EXPECT_EQ(form.Caption(),
              c.mapKept ? "TambloEditor - " + MapFile("full").string() : "TambloEditor - <new>");
    EXPECT_EQ(Ids(), std::vector<std::int32_t>(104, c.mapKept ? 1 : 14));
    EXPECT_EQ(ReadText(MapFile("old")), "the old file");
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, TambloEditorDialogTest,
    ::testing::Values(DialogCase{"CancelledOpen", false, nullptr, false, 0, true},
                      DialogCase{"CancelledSave", true, nullptr, false, 0, true},
                      DialogCase{"UnreadableOpen", false, "short", false, 1, false},
                      DialogCase{"UnwritableSave", true, "old", true, 1, true}),
    [](const ::testing::TestParamInfo<DialogCase>& param) {
        return std::string(param.param.name);
    });

} // namespace
