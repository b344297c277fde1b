// What every editor's frame buttons do: the mode button as M and the stop button as Esc, with the
// map of level 1 open; the grid button; and clear, after which a save writes no piece.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string_view>

#include "editors/krevin/KrevinEditorForm.h"
#include "editors/lupido/LupidoEditorForm.h"
#include "editors/morvex/MorvexEditorForm.h"
#include "editors/quadrel/QuadrelEditorForm.h"
#include "editors/tamblo/TambloEditorForm.h"
#include "editors/zentar/ZentarEditorForm.h"
#include "games/krevin/KrevinCommon.h"
#include "games/lupido/LupidoCommon.h"
#include "games/morvex/MorvexCommon.h"
#include "games/quadrel/QuadrelCommon.h"
#include "games/tamblo/TambloCommon.h"
#include "games/zentar/ZentarCommon.h"
#include "tests/editors/EditorFixture.h"

namespace {

namespace headless = platform::headless;

bool Shown(const SpriteClass& entry)
{
    return entry.visible;
}

// Each editor's game folder, its open title, its new-map title (empty: a new map keeps the
// caption), its map module's reader (where clear is tested), and the pieces its map holds.
template <typename Form> struct Editor;
template <> struct Editor<TambloEditorForm> {
    static constexpr std::string_view folder = "Tamblo", openTitle = "TambloEditor - ",
                                      newTitle = "";
    static constexpr auto load = TambloCommon::LoadMap;
    static long Pieces()
    {
        return std::ranges::count_if(TambloCommon::Tiles, [](auto& c) { return c.id != 14; });
    }
};
template <> struct Editor<ZentarEditorForm> {
    static constexpr std::string_view folder = "Zentar", openTitle = "Zentar Editor - ",
                                      newTitle = "Zentar Editor - <new>";
    static constexpr auto load = ZentarCommon::LoadMap;
    static long Pieces() { return std::ranges::count_if(ZentarCommon::MapAliens, Shown); }
};
template <> struct Editor<LupidoEditorForm> {
    static constexpr std::string_view folder = "Lupido", openTitle = "Lupido Editor - ",
                                      newTitle = "Lupido Editor - <new>";
    static long Pieces()
    {
        namespace lc = LupidoCommon;
        long pieces = 0;
        for (const auto* kind : {&lc::MapRoads, &lc::MapCars, &lc::MapRivers, &lc::MapLogs,
                                 &lc::MapFlowers, &lc::MapBushes}) {
            pieces += std::ranges::count_if(*kind, Shown);
        }
        return pieces;
    }
};
template <> struct Editor<KrevinEditorForm> {
    static constexpr std::string_view folder = "Krevin", openTitle = "KrevinEditor - ",
                                      newTitle = "KrevinEditor - <new>";
    static constexpr auto load = KrevinCommon::LoadMap;
    static long Pieces()
    {
        return std::ranges::count_if(KrevinCommon::MapBricks, [](auto& b) { return b.id >= 0; });
    }
};
template <> struct Editor<MorvexEditorForm> {
    static constexpr std::string_view folder = "Morvex", openTitle = "Morvex Editor - ",
                                      newTitle = "Morvex Editor - <new>";
    static constexpr auto load = MorvexCommon::LoadMap;
    static long Pieces() { return std::ranges::count_if(MorvexCommon::MapRocks, Shown); }
};
template <> struct Editor<QuadrelEditorForm> {
    static constexpr std::string_view folder = "Quadrel", openTitle = "Quadrel Editor - ",
                                      newTitle = "Quadrel Editor - <new>";
    static constexpr auto load = QuadrelCommon::LoadMap;
    static long Pieces()
    {
        long pieces = 0;
        for (const QuadrelCommon::PieceTemplate& t : QuadrelCommon::MapTemplates) {
            pieces += std::ranges::count_if(t, [](auto& c) { return c.id >= 0; });
        }
        return pieces;
    }
};

template <typename Form> class FrameButtonsTest : public EditorFixture<Form> {
public:
    FrameButtonsTest() : EditorFixture<Form>(std::string(Editor<Form>::folder)) {}
};
using AllEditors = ::testing::Types<TambloEditorForm, ZentarEditorForm, LupidoEditorForm,
                                    KrevinEditorForm, MorvexEditorForm, QuadrelEditorForm>;
TYPED_TEST_SUITE(FrameButtonsTest, AllEditors);

// M and the mode button discard the map for an empty one of the other mode; Esc and the stop button
// set the quit flag and leave the map; the grid button shows and hides the grid.
TYPED_TEST(FrameButtonsTest, EachButtonActsAsItsKey)
{
    using E = Editor<TypeParam>;
    auto& window = this->form;
    struct Row {
        const char* input;
        std::function<void()> give;
        const char* mode; // after it
        bool quits;
    };
    const Row rows[] = {
        {"M", [&] { this->Key(platform::vbKeyM); }, "normal", false},
        {"mode button", [&] { this->Click(window.modeButton); }, "easy", false},
        {"Esc", [&] { this->Key(platform::vbKeyEscape); }, "easy", true},
        {"stop button", [&] { this->Click(window.stopButton); }, "easy", true},
    };
    this->Show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        const std::string opened = this->OpenLevelOne().string();
        ASSERT_GT(E::Pieces(), 0);
        row.give();
        EXPECT_EQ(Common::gMode, row.mode);
        EXPECT_EQ(window.QuitEditor, row.quits);
        EXPECT_EQ(E::Pieces() > 0, row.quits);
        const bool kept = row.quits || E::newTitle.empty();
        EXPECT_EQ(window.Caption(),
                  kept ? std::string(E::openTitle) + opened : std::string(E::newTitle));
        window.QuitEditor = false;
    }
    for (const bool shown : {false, true}) {
        this->Click(window.gridButton);
        EXPECT_EQ(window.gridButton.active, shown);
    }
}

template <typename Form> class ClearButtonTest : public FrameButtonsTest<Form> {
};
using EditorsWithClear = ::testing::Types<TambloEditorForm, ZentarEditorForm, KrevinEditorForm,
                                          MorvexEditorForm, QuadrelEditorForm>;
TYPED_TEST_SUITE(ClearButtonTest, EditorsWithClear);

// The falling-blocks editor refuses to save a map without a block, saying why; the others write a
// map that the game's reader finds empty.
TYPED_TEST(ClearButtonTest, LeavesNothingThatASaveWrites)
{
    using E = Editor<TypeParam>;
    this->Show();
    this->OpenLevelOne();
    ASSERT_GT(E::Pieces(), 0);
    this->Click(this->form.clearButton);
    EXPECT_EQ(E::Pieces(), 0);
    headless::AnswerFileDialog("cleared");
    this->Click(this->form.saveButton);
    const bool refused = E::folder == "Quadrel";
    EXPECT_EQ(this->messageBoxes, refused ? 1 : 0);
    const std::filesystem::path saved = this->MapFile("cleared");
    ASSERT_EQ(std::filesystem::exists(saved), !refused);
    if (!refused) {
        EXPECT_TRUE(E::load(saved.string()));
        EXPECT_EQ(E::Pieces(), 0);
    }
}

} // namespace
