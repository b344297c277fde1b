// Message boxes: the answer for each button set and key, the close box, and the box drawn centred
// over the form it belongs to.
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include "platform/Form.h"
#include "platform/Headless.h"
#include "platform/Input.h"

namespace platform {
namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { headless::Install(); }
};

TEST_F(MessageBoxTest, KeysAndTheCloseBoxAnswerByButtonSet)
{
    enum class Act { Enter, Esc, RightEnter, Close };
    const struct {
        std::int32_t style;
        Act act;
        std::int32_t answer;
    } cases[] = {
        {vbOKOnly, Act::Enter, vbOK},
        {vbOKOnly, Act::Esc, vbOK},
        {vbOKOnly | vbCritical | vbInformation, Act::Close, vbOK},
        {vbOKCancel, Act::Enter, vbOK},
        {vbOKCancel, Act::Esc, vbCancel},
        {vbOKCancel, Act::RightEnter, vbCancel},
        {vbYesNo, Act::Enter, vbYes},
        {vbYesNo, Act::RightEnter, vbNo},
        {vbYesNo | vbQuestion, Act::Esc, vbNo},
        {vbYesNoCancel, Act::Close, vbCancel},
    };
    for (const auto& c : cases) {
        switch (c.act) {
        case Act::Enter:
            headless::After(10).KeyPress(vbKeyReturn);
            break;
        case Act::Esc:
            headless::After(10).KeyPress(vbKeyEscape);
            break;
        case Act::RightEnter:
            headless::After(10).KeyPress(vbKeyRight).KeyPress(vbKeyReturn);
            break;
        case Act::Close:
            headless::After(10).Close();
            break;
        }
        EXPECT_EQ(MsgBox("Media type not supported.", c.style, "OpenMedia"), c.answer)
            << "style " << c.style;
        EXPECT_EQ(headless::PointerShape(), MousePointer::Default);
    }
}

TEST_F(MessageBoxTest, TheBoxIsModalOverTheFormThatHasTheInput)
{
    class Game : public Form {
    public:
        std::int32_t keys = 0;

    protected:
        void Form_KeyDown(std::int16_t&, std::int16_t) override { ++keys; }
    } game;
    game.SetBackColor(Rgb(255, 255, 255));
    game.Show();
    bool checked = false;
    headless::OnIdle([&] {
        // While the box waits: the game's picture at the corner, the box's frame in the middle.
        EXPECT_EQ(headless::ScreenPixel(0, 0), Rgb(255, 255, 255));
        EXPECT_NE(headless::ScreenPixel(400, 300), Rgb(255, 255, 255));
        EXPECT_EQ(headless::Title(), "Vandrel");
        checked = true;
        headless::After(0).KeyPress(vbKeyReturn);
    });
    EXPECT_EQ(MsgBox("Line one\nLine two", vbOKOnly, "MciSendStringError: 263"), vbOK);
    EXPECT_TRUE(checked);
    EXPECT_EQ(game.keys, 0); // the game saw none of the box's keys
    game.Unload();
}

} // namespace
} // namespace platform
