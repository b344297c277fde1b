// Tests of DrawPanel: where the level, the score and the life icons land in the panel strip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "TestPictures.h"
#include "platform/Gdi.h"
#include "toolkit/GameUtil.h"
#include "toolkit/SpriteClass.h"

namespace {

constexpr platform::Color White = platform::Rgb(255, 255, 255);
constexpr platform::Color Black = platform::Rgb(0, 0, 0);
constexpr platform::Color Red = platform::Rgb(255, 0, 0);

// The box around every pixel of one colour within a region of the form; empty when none.
struct Ink {
    std::int32_t left = 100000, top = 100000, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
    double CentreX() const { return (left + right) / 2.0; }
    double CentreY() const { return (top + bottom) / 2.0; }
};

Ink FindInk(platform::Surface& form, platform::Color color, std::int32_t x1, std::int32_t y1,
            std::int32_t x2, std::int32_t y2)
{
    Ink ink;
    for (std::int32_t y = y1; y < y2; ++y) {
        for (std::int32_t x = x1; x < x2; ++x) {
            if (platform::GetPixel(form.hDC(), x, y) == color) {
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

class StatusPanelTest : public ::testing::Test {
protected:
    StatusPanelTest()
    {
        testpictures::Prepare(form, 800, 600, White);
        form.SetForeColor(Black);
        form.SetFont({"Comic Sans MS", 14, true});
        // A 40 x 30 life icon, opaque red with its key at the top-left corner.
        platform::Bitmap picture = testpictures::Filled(40, 30, Red);
        testpictures::Put(picture, 0, 0, White);
        testpictures::LoadFrame(icon, picture, form, "life.bmp");
    }
    ~StatusPanelTest() override { icon.CleanUp(); }

    platform::Surface form;
    SpriteClass icon;
};

} // namespace

TEST_F(StatusPanelTest, ThreeLivesStartAt330And380And430WithBottomsAt595)
{
    GameUtil::DrawPanel(form, 1, 0, 3, icon);
    for (const std::int32_t left : {330, 380, 430}) {
        const Ink life = FindInk(form, Red, left - 5, 480, left + 45, 600);
        EXPECT_EQ(life.left, left);
        EXPECT_EQ(life.right, left + 39);
        EXPECT_EQ(life.top, 565);
        EXPECT_EQ(life.bottom, 594); // the last row above y 595
    }
    EXPECT_EQ(FindInk(form, Red, 0, 0, 800, 600).left, 330);
    EXPECT_EQ(FindInk(form, Red, 0, 0, 800, 600).right, 469);
}

TEST_F(StatusPanelTest, TheLivesRowIsCentredOnX400)
{
    struct Case {
        std::int16_t lives;
        std::int32_t left, right; // first and last red column; none when left > right
    };
    const Case cases[] = {
        {1, 380, 419},
        {2, 355, 444},
        {0, 1, 0},
        {-2, 1, 0},
    };
    for (const Case& c : cases) {
        form.Cls();
        GameUtil::DrawPanel(form, 1, 0, c.lives, icon);
        const Ink lives = FindInk(form, Red, 0, 0, 800, 600);
        if (c.left > c.right) {
            EXPECT_TRUE(lives.Empty()) << c.lives;
        } else {
            EXPECT_EQ(lives.left, c.left) << c.lives;
            EXPECT_EQ(lives.right, c.right) << c.lives;
        }
    }
}

TEST_F(StatusPanelTest, LevelAndScoreAreCentredOn175And630)
{
    struct Case {
        std::int16_t level;
        std::int32_t score;
    };
    for (const Case c : {Case{7, 0}, Case{10, 12345}, Case{99, -250}}) {
        form.Cls();
        GameUtil::DrawPanel(form, c.level, c.score, 0, icon);
        const Ink level = FindInk(form, Black, 0, 480, 400, 600);
        const Ink score = FindInk(form, Black, 400, 480, 800, 600);
        ASSERT_FALSE(level.Empty());
        ASSERT_FALSE(score.Empty());
        EXPECT_NEAR(level.CentreX(), 175, 3) << c.level;
        EXPECT_NEAR(score.CentreX(), 630, 3) << c.score;
        EXPECT_NEAR(level.CentreY(), 540, 4) << c.level;
        EXPECT_NEAR(score.CentreY(), 540, 4) << c.score;
    }
}

TEST_F(StatusPanelTest, WiderTextStartsFurtherLeftAndANegativeScoreKeepsItsSign)
{
    GameUtil::DrawPanel(form, 7, 250, 0, icon);
    const Ink seven = FindInk(form, Black, 0, 480, 400, 600);
    const Ink positive = FindInk(form, Black, 400, 480, 800, 600);
    form.Cls();
    GameUtil::DrawPanel(form, 10, -250, 0, icon);
    const Ink ten = FindInk(form, Black, 0, 480, 400, 600);
    const Ink negative = FindInk(form, Black, 400, 480, 800, 600);
    EXPECT_LT(ten.left, seven.left);
    EXPECT_GT(ten.right, seven.right);
    EXPECT_LT(negative.left, positive.left); // the minus sign
}
