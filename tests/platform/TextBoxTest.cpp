// Text boxes: typing at the caret, the editing keys, MaxLength, Enter reaching KeyDown, handlers
// that change or stop keys, the order of the events, and the focus moving between boxes.
#include "platform/TextBox.h"

#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/Input.h"

namespace platform {
namespace {

using controltest::HostForm;
using controltest::RunFor;
using controltest::Trace;

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        NameBox.Move(96, 466, 390, 75);
        NameBox.SetFont(FontSpec{"Comic Sans MS", 36.0, true});
        host.Show();
    }

    void Keys(std::initializer_list<std::int16_t> keys)
    {
        std::int64_t at = 10;
        for (const std::int16_t key : keys) {
            headless::After(at).KeyPress(key);
            at += 10;
        }
        RunFor(at);
    }

    HostForm host;
    TextBox NameBox{host};
    Trace trace;
};

TEST_F(TextBoxTest, TypingAndTheEditingKeysWorkAtTheCaret)
{
    const struct {
        const char* start;
        std::vector<std::int16_t> keys;
        const char* typed;
        const char* expected;
    } cases[] = {
        {"", {}, "Mirel", "Mirel"},
        {"Mirel", {vbKeyHome}, "A", "AMirel"},
        {"Mirel", {vbKeyLeft, vbKeyLeft}, "x", "Mirxel"},
        {"Mirel", {vbKeyBack}, "", "Mire"},
        {"Mirel", {vbKeyHome, vbKeyBack}, "", "Mirel"},
        {"Mirel", {vbKeyHome, vbKeyDelete, vbKeyDelete}, "", "rel"},
        {"Mirel", {vbKeyDelete}, "", "Mirel"},
        {"Mirel", {vbKeyHome, vbKeyRight, vbKeyEnd}, "!", "Mirel!"},
        {"ab", {vbKeyLeft, vbKeyLeft, vbKeyLeft, vbKeyRight}, "-", "a-b"},
        {"", {vbKeyReturn, vbKeyEscape, vbKeyTab}, "a b", "a b"},
        // UTF-8: the caret and the editing keys move over whole characters.
        {"",
         {},
         "Tester \u00DCn\u00EF \u0141 \U0001F600",
         "Tester \u00DCn\u00EF \u0141 \U0001F600"},
        {"Zo\u00EB", {vbKeyBack}, "", "Zo"},
        {"\u00DCn\u00EF", {vbKeyHome, vbKeyDelete}, "", "n\u00EF"},
        {"\u00E9\U0001F600",
         {vbKeyLeft, vbKeyLeft, vbKeyRight},
         "\u00DF",
         "\u00E9\u00DF\U0001F600"},
    };
    for (const auto& c : cases) {
        NameBox.SetText(c.start);
        std::int64_t at = 10;
        for (const std::int16_t key : c.keys) {
            headless::After(at).KeyPress(key);
            at += 10;
        }
        headless::After(at).Type(c.typed);
        RunFor(at + 10);
        EXPECT_EQ(NameBox.Text(), c.expected) << "from \"" << c.start << "\"";
    }
}

TEST_F(TextBoxTest, MaxLengthLimitsTypingButNotTheText)
{
    NameBox.SetMaxLength(4);
    headless::After(10).Type("Tobrik");
    RunFor(20);
    EXPECT_EQ(NameBox.Text(), "Tobr");
    // Characters, not bytes: four of two, three and four bytes each.
    NameBox.SetText("");
    headless::After(10).Type("\u00DC\u20AC\U0001F600\u00EF\u00EF");
    RunFor(20);
    EXPECT_EQ(NameBox.Text(), "\u00DC\u20AC\U0001F600\u00EF");
    EXPECT_EQ(NameBox.SelStart(), 4);
    NameBox.SetText("Tobrik");
    EXPECT_EQ(NameBox.Text(), "Tobrik");
    headless::After(10).KeyPress(vbKeyBack);
    headless::After(20).Type("x");
    RunFor(30);
    EXPECT_EQ(NameBox.Text(), "Tobri");
}

TEST_F(TextBoxTest, KeysReachKeyDownThenKeyPressThenChangeThenKeyUp)
{
    NameBox.KeyDown = [this](std::int16_t, std::int16_t& keyCode, std::int16_t shift) {
        trace.push_back("KeyDown" + std::to_string(keyCode) + "/" + std::to_string(shift));
    };
    NameBox.KeyPress = [this](std::int16_t, std::int16_t& keyAscii) {
        trace.push_back("KeyPress" + std::to_string(keyAscii));
    };
    NameBox.KeyUp = [this](std::int16_t, std::int16_t& keyCode, std::int16_t) {
        trace.push_back("KeyUp" + std::to_string(keyCode));
    };
    NameBox.Change = [this](std::int16_t) { trace.push_back("Change " + NameBox.Text()); };
    headless::After(10).KeyDown(vbKeyShift).KeyPress(vbKeyM).KeyUp(vbKeyShift);
    headless::After(20).KeyPress(vbKeyReturn);
    RunFor(30);
    EXPECT_EQ(trace, (Trace{"KeyDown16/1", "KeyDown77/1", "KeyPress77", "Change M", "KeyUp77",
                            "KeyUp16", "KeyDown13/0", "KeyPress13", "KeyUp13"}));
    EXPECT_EQ(NameBox.Text(), "M");
}

TEST_F(TextBoxTest, HandlersCanChangeOrStopKeysAndCharacters)
{
    NameBox.SetText("ab");
    NameBox.KeyDown = [](std::int16_t, std::int16_t& keyCode, std::int16_t) {
        if (keyCode == vbKeyHome) {
            keyCode = 0;
        }
    };
    NameBox.KeyPress = [](std::int16_t, std::int16_t& keyAscii) {
        if (keyAscii >= 'a' && keyAscii <= 'z') {
            keyAscii = static_cast<std::int16_t>(keyAscii - 'a' + 'A');
        } else if (keyAscii == '1') {
            keyAscii = 0;
        }
    };
    headless::After(10).KeyPress(vbKeyHome);
    headless::After(20).Type("c1d");
    RunFor(30);
    EXPECT_EQ(NameBox.Text(), "abCD");
}

TEST_F(TextBoxTest, TabMovesTheFocusAndTypingGoesToTheFocusedBox)
{
    TextBox other{host};
    other.Move(96, 300, 200, 40);
    NameBox.SetFocus();
    headless::After(10).Type("a");
    headless::After(20).KeyPress(vbKeyTab);
    headless::After(30).Type("b");
    headless::After(40).KeyDown(vbKeyShift).KeyPress(vbKeyTab).KeyUp(vbKeyShift);
    headless::After(50).Type("c");
    RunFor(60);
    EXPECT_EQ(NameBox.Text(), "ac");
    EXPECT_EQ(other.Text(), "b");
}

TEST_F(TextBoxTest, AClickPutsTheCaretAtTheNearestCharacterBoundary)
{
    NameBox.SetText("WWWW");
    // Each W of the same font is as wide as the others: a click a little right of the second
    // boundary puts the caret there.
    const Hdc dc = CreateCompatibleDC(0);
    SelectObject(dc, CreateFontHandle(NameBox.Font()));
    Size two;
    GetTextExtentPoint32A(dc, "WW", &two);
    DeleteDC(dc);
    const std::int32_t textLeft = 96 + 3 + 3; // the focus ring's width and the padding
    headless::After(10).Click(vbLeftButton, textLeft + two.cx + 3, 500);
    headless::After(20).Type("-");
    RunFor(30);
    EXPECT_EQ(NameBox.Text(), "WW-WW");
    EXPECT_EQ(NameBox.SelStart(), 3);
}

} // namespace
} // namespace platform
