// List boxes: items added and removed, the height rounded to whole lines, selection by code, mouse
// and keys with Click and DblClick, and the first line shown following the selection.
#include "platform/ListBox.h"

#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/Input.h"

namespace platform {
namespace {

using controltest::HostForm;
using controltest::RunFor;
using controltest::Trace;

// The font's own line height, as the text layer reports it.
std::int32_t LineHeightOf(const FontSpec& font)
{
    const Hdc dc = CreateCompatibleDC(0);
    SelectObject(dc, CreateFontHandle(font));
    TextMetrics metrics;
    GetTextMetrics(dc, &metrics);
    DeleteDC(dc);
    return metrics.height;
}

constexpr std::int32_t Border = 3; // on each side, the width of the focus ring

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        NameList.Move(96, 30, 305, 406);
        NameList.Click = [this](std::int16_t) {
            trace.push_back("Click" + std::to_string(NameList.ListIndex()));
        };
        NameList.DblClick = [this](std::int16_t) {
            trace.push_back("DblClick" + std::to_string(NameList.ListIndex()));
        };
        host.Show();
    }

    void AddNames(std::int32_t count)
    {
        for (std::int32_t i = 0; i < count; ++i) {
            NameList.AddItem("Name" + std::to_string(i));
        }
    }

    // The screen point in the middle of a line shown.
    std::int32_t LineY(std::int32_t shownLine) const
    {
        return 30 + Border + shownLine * NameList.ItemHeight() + NameList.ItemHeight() / 2;
    }

    HostForm host;
    ListBox NameList{host};
    Trace trace;
};

TEST_F(ListBoxTest, TheHeightIsRoundedDownToWholeLinesOfTheFont)
{
    const FontSpec fonts[] = {FontSpec{"Comic Sans MS", 36.0, true},
                              FontSpec{"Comic Sans MS", 27.0, true}, FontSpec{}};
    const std::int32_t asked[] = {406, 100, 20, 0};
    for (const FontSpec& font : fonts) {
        const std::int32_t line = LineHeightOf(font);
        for (const std::int32_t height : asked) {
            NameList.SetFont(font);
            NameList.SetHeight(height);
            const std::int32_t lines = std::max((height - 2 * Border) / line, 1);
            EXPECT_EQ(NameList.Height(), lines * line + 2 * Border)
                << font.points << " pt, asked " << height;
            EXPECT_EQ(NameList.VisibleLines(), lines);
        }
    }
    // A new font rounds the height asked for last, not the height it was rounded to, also after
    // a move that kept the rounded height.
    NameList.SetFont(fonts[0]);
    NameList.SetHeight(406);
    NameList.SetWidth(200);
    NameList.SetFont(fonts[2]);
    EXPECT_EQ(NameList.Height(),
              (406 - 2 * Border) / LineHeightOf(fonts[2]) * LineHeightOf(fonts[2]) + 2 * Border);
}

TEST_F(ListBoxTest, ItemsAreAddedRemovedAndClearedAndTheSelectionFollowsItsItem)
{
    NameList.AddItem("Mirel");
    NameList.AddItem("Tobrik");
    NameList.AddItem("Ansa", 0);
    NameList.AddItem("Zed", 99);
    ASSERT_EQ(NameList.ListCount(), 4);
    const char* expected[] = {"Ansa", "Mirel", "Tobrik", "Zed"};
    for (std::int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(NameList.List(i), expected[i]);
    }
    EXPECT_EQ(NameList.List(4), "");
    EXPECT_EQ(NameList.List(-1), "");

    NameList.SetListIndex(2); // Tobrik
    NameList.AddItem("Bo", 0);
    EXPECT_EQ(NameList.ListIndex(), 3);
    NameList.RemoveItem(0);
    EXPECT_EQ(NameList.ListIndex(), 2);
    NameList.RemoveItem(2);
    EXPECT_EQ(NameList.ListIndex(), -1);
    NameList.SetListIndex(7);
    EXPECT_EQ(NameList.ListIndex(), -1);
    NameList.Clear();
    EXPECT_EQ(NameList.ListCount(), 0);
    EXPECT_EQ(trace, (Trace{"Click2"})); // only the selection by code raised Click
}

TEST_F(ListBoxTest, SettingListIndexRaisesClickOnlyWhenItChanges)
{
    AddNames(3);
    NameList.SetListIndex(1);
    NameList.SetListIndex(1);
    NameList.SetListIndex(-1);
    EXPECT_EQ(trace, (Trace{"Click1", "Click-1"}));
}

TEST_F(ListBoxTest, ClicksSelectTheLineUnderThePointerAndASecondQuickClickIsADoubleClick)
{
    AddNames(3);
    headless::After(10).Click(vbLeftButton, 200, LineY(1));
    headless::After(300).Click(vbLeftButton, 200, LineY(1)); // 290 ms later: a double click
    headless::After(400).Click(vbLeftButton, 200, LineY(2));
    headless::After(1000).Click(vbLeftButton, 200, LineY(2)); // 600 ms later: two clicks
    headless::After(1100).Click(vbRightButton, 200, LineY(0));
    headless::After(1200).Click(vbLeftButton, 200, LineY(5)); // below the last item
    RunFor(1300);
    EXPECT_EQ(trace, (Trace{"Click1", "Click1", "DblClick1", "Click2", "Click2"}));
    EXPECT_EQ(NameList.ListIndex(), 2);
    EXPECT_TRUE(NameList.HasFocus());
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndTheFirstLineShownFollowsIt)
{
    NameList.SetFont(FontSpec{"Comic Sans MS", 36.0, true});
    NameList.SetHeight(406);
    const std::int32_t shown = NameList.VisibleLines();
    AddNames(20);
    NameList.SetFocus();
    const std::int16_t keys[] = {vbKeyDown, vbKeyDown, vbKeyUp, vbKeyEnd, vbKeyHome, vbKeyPageDown};
    std::int64_t at = 10;
    for (const std::int16_t key : keys) {
        headless::After(at).KeyPress(key);
        at += 10;
    }
    RunFor(at);
    EXPECT_EQ(trace, (Trace{"Click0", "Click1", "Click0", "Click19", "Click0",
                            "Click" + std::to_string(shown - 1)}));
    EXPECT_EQ(NameList.TopIndex(), 0);
    headless::After(10).KeyPress(vbKeyPageDown);
    RunFor(20);
    EXPECT_EQ(NameList.ListIndex(), 2 * (shown - 1));
    EXPECT_EQ(NameList.TopIndex(), 2 * (shown - 1) - shown + 1);
    headless::After(10).KeyPress(vbKeyEnd);
    RunFor(20);
    EXPECT_EQ(NameList.TopIndex(), 20 - shown);
}

TEST_F(ListBoxTest, ALetterSelectsTheNextLineWhoseFirstLetterItIs)
{
    for (const char* name : {"[..]", "[maps]", "apple.map", "Bear.map", "able.map"}) {
        NameList.AddItem(name);
    }
    NameList.SetFocus();
    headless::After(10).Type("a");
    headless::After(20).Type("A");
    headless::After(30).Type("A");
    headless::After(40).Type("m");
    headless::After(50).Type("z");
    RunFor(60);
    EXPECT_EQ(trace, (Trace{"Click2", "Click4", "Click2", "Click1"}));
}

TEST_F(ListBoxTest, TheScrollBarAppearsWhenLinesDoNotFitAndScrollsTheList)
{
    NameList.Move(96, 30, 305, 3 * LineHeightOf(FontSpec{"DejaVu Sans", 10.0, false}) + 6);
    ASSERT_EQ(NameList.VisibleLines(), 3);
    AddNames(3);
    const std::int32_t barX = 96 + 305 - Border - 11;
    const std::int32_t bottomArrowY = 30 + NameList.Height() - Border - 5;
    headless::After(10).Click(vbLeftButton, barX, bottomArrowY);
    RunFor(20);
    EXPECT_EQ(NameList.TopIndex(), 0); // three lines fit: no bar, the click selects a line
    EXPECT_EQ(NameList.ListIndex(), 2);

    AddNames(5);
    trace.clear();
    headless::After(10).Click(vbLeftButton, barX, bottomArrowY);
    headless::After(20).Click(vbLeftButton, barX, bottomArrowY);
    RunFor(30);
    EXPECT_EQ(NameList.TopIndex(), 2);
    EXPECT_TRUE(trace.empty()); // scrolling leaves the selection as it is
    EXPECT_TRUE(NameList.HasFocus());
}

} // namespace
} // namespace platform
