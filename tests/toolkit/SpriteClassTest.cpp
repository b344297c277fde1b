// Tests of SpriteClass: movement on the virtual clock, steering, animation, visibility periods,
// frames and shared contexts, drawing and the hit tests.
#include <gtest/gtest.h>

#include "tests/support/AllocationCounter.h"
#include "TestPictures.h"
#include "platform/Clock.h"
#include "platform/Gdi.h"
#include "toolkit/GameUtil.h"
#include "toolkit/SpriteClass.h"

using platform::virtualclock::Advance;
using testpictures::Filled;
using testpictures::LoadFrame;

namespace {

constexpr platform::Color White = platform::Rgb(255, 255, 255);
constexpr platform::Color Red = platform::Rgb(255, 0, 0);
constexpr platform::Color Green = platform::Rgb(0, 255, 0);
constexpr platform::Color Magenta = platform::Rgb(255, 0, 255);
constexpr platform::Color Blue = platform::Rgb(0, 0, 255);

class SpriteClassTest : public ::testing::Test {
protected:
    SpriteClassTest() { testpictures::Prepare(form, 200, 100, White); }

    platform::Surface form;
};

// A sprite with three frames of 10 x 10 pixels.
SpriteClass ThreeFrames(platform::Surface& form)
{
    SpriteClass sprite;
    LoadFrame(sprite, Filled(10, 10, Red), form, "red.bmp");
    LoadFrame(sprite, Filled(10, 10, Green), form, "green.bmp");
    LoadFrame(sprite, Filled(10, 10, Blue), form, "blue.bmp");
    return sprite;
}

} // namespace

TEST_F(SpriteClassTest, FirstUpdateDoesNotMoveAndTheSecondMovesByTheTimeBetween)
{
    SpriteClass sprite;
    sprite.xMov = 100;
    sprite.yMov = -40;
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_EQ(sprite.X, 0);
    EXPECT_EQ(sprite.Y, 0);
    Advance(500);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_DOUBLE_EQ(sprite.X, 50);
    EXPECT_DOUBLE_EQ(sprite.Y, -20);
}

TEST_F(SpriteClassTest, RestartingTheClockNeitherMovesNorAnimatesAndLaterUpdatesMeasureFromThere)
{
    SpriteClass sprite = ThreeFrames(form);
    sprite.SetFrameTime({100, 100, 100});
    sprite.xMov = 100;
    sprite.Update(SpriteClass::SincePrevious);
    Advance(1000);
    sprite.Update(SpriteClass::RestartClock);
    EXPECT_EQ(sprite.X, 0);
    EXPECT_EQ(sprite.frame, 0);
    Advance(200);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_DOUBLE_EQ(sprite.X, 20);
    EXPECT_EQ(sprite.frame, 1);
}

TEST_F(SpriteClassTest, UpdateMeasuresFromAGivenTick)
{
    SpriteClass sprite;
    sprite.xMov = 10;
    const std::int32_t start = GameUtil::GetTickMs();
    Advance(300);
    sprite.Update(start);
    EXPECT_DOUBLE_EQ(sprite.X, 3);
}

TEST_F(SpriteClassTest, MoveToDestRunsTheLongerAxisAtFullSpeed)
{
    struct Case {
        double x, y;
        std::int16_t toX, toY, speed;
        double xMov, yMov;
    };
    const Case cases[] = {
        {0, 0, 100, 50, 200, 200, 100},   // x longer
        {100, 50, 0, 0, 200, -200, -100}, // both negative
        {0, 0, 30, 60, 120, 60, 120},     // y longer
        {0, 0, 10, 10, 50, 50, 50},       // a tie runs y at full speed, x too
        {2.5, 0, 0, 1, 100, -100, 50},    // dx = round(2.5) = 2, ties to even
        {0, 3.5, 8, 0, 100, 100, -50},    // dy = round(3.5) = 4
    };
    for (const Case& c : cases) {
        SpriteClass sprite;
        sprite.X = c.x;
        sprite.Y = c.y;
        sprite.MoveToDest(c.toX, c.toY, c.speed);
        EXPECT_DOUBLE_EQ(sprite.xMov, c.xMov) << c.x << "," << c.y << " to " << c.toX;
        EXPECT_DOUBLE_EQ(sprite.yMov, c.yMov) << c.x << "," << c.y << " to " << c.toX;
        EXPECT_EQ(sprite.mXdest, c.toX);
        EXPECT_EQ(sprite.mYdest, c.toY);
    }
}

TEST_F(SpriteClassTest, MoveToDestStopsExactlyOnTargetEvenWhenOvershooting)
{
    SpriteClass sprite;
    sprite.MoveToDest(100, 50, 200);
    sprite.Update(SpriteClass::SincePrevious);
    Advance(250);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_DOUBLE_EQ(sprite.X, 50);
    EXPECT_DOUBLE_EQ(sprite.Y, 25);
    Advance(700); // far past the target
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_EQ(sprite.X, 100);
    EXPECT_EQ(sprite.Y, 50);
    EXPECT_EQ(sprite.xMov, 0);
    EXPECT_EQ(sprite.yMov, 0);
    // Steering has ended: a new speed moves the sprite off the target freely.
    sprite.xMov = 10;
    Advance(1000);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_DOUBLE_EQ(sprite.X, 110);
}

TEST_F(SpriteClassTest, AnAxisStopsOnArrivalWhileTheOtherGoesOn)
{
    SpriteClass sprite;
    sprite.X = 100.3; // within half a pixel of the target: arrived at once
    sprite.MoveToDest(100, 80, 40);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_EQ(sprite.X, 100);
    EXPECT_EQ(sprite.xMov, 0);
    EXPECT_EQ(sprite.yMov, 40);
    Advance(1000);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_DOUBLE_EQ(sprite.Y, 40);
    Advance(1000);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_EQ(sprite.Y, 80);
    EXPECT_EQ(sprite.yMov, 0);
}

TEST_F(SpriteClassTest, MoveToDestOntoTheCurrentPointKeepsTheSpeedsUntilTheNextUpdate)
{
    SpriteClass sprite;
    sprite.X = 100.4;
    sprite.Y = 49.6;
    sprite.xMov = 7;
    sprite.yMov = 3;
    sprite.MoveToDest(100, 50, 200);
    EXPECT_EQ(sprite.xMov, 7);
    EXPECT_EQ(sprite.yMov, 3);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_EQ(sprite.X, 100);
    EXPECT_EQ(sprite.Y, 50);
    EXPECT_EQ(sprite.xMov, 0);
    EXPECT_EQ(sprite.yMov, 0);
}

TEST_F(SpriteClassTest, StopSpriteAndResetEndSteering)
{
    for (const bool reset : {false, true}) {
        SpriteClass sprite;
        sprite.MoveToDest(100, 0, 100);
        if (reset) {
            sprite.Reset();
        } else {
            sprite.StopSprite();
        }
        EXPECT_EQ(sprite.xMov, 0);
        sprite.X = 150; // past the target: steering would snap it back
        sprite.Update(SpriteClass::SincePrevious);
        EXPECT_EQ(sprite.X, 150) << (reset ? "Reset" : "StopSprite");
    }
}

TEST_F(SpriteClassTest, AnimationStepsOnceTheFrameTimeIsStrictlyExceededAndWraps)
{
    SpriteClass sprite = ThreeFrames(form);
    sprite.SetFrameTime({100, 100, 100});
    sprite.Update(SpriteClass::SincePrevious);
    struct Step {
        std::int64_t advance;
        std::int32_t frame;
    };
    const Step steps[] = {
        {100, 0},          // exactly the frame time: not yet
        {1, 1},            // 101 ms
        {5000, 2},         // one step at most, the excess is dropped
        {100, 2},  {1, 0}, // wraps after the last frame
    };
    for (const Step& step : steps) {
        Advance(step.advance);
        sprite.Update(SpriteClass::SincePrevious);
        EXPECT_EQ(sprite.frame, step.frame) << "after " << step.advance;
    }
}

TEST_F(SpriteClassTest, DefaultFrameTimesNeverAnimate)
{
    SpriteClass sprite = ThreeFrames(form);
    sprite.Update(SpriteClass::SincePrevious);
    Advance(5000);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_EQ(sprite.frame, 0);
}

TEST_F(SpriteClassTest, UpdateAllocatesNothing)
{
    SpriteClass sprite = ThreeFrames(form);
    sprite.SetFrameTime({10, 10, 10});
    sprite.MoveToDest(300, 200, 50);
    sprite.VisibleFor(1000);
    const allocations::Scope scope;
    for (int i = 0; i < 100; ++i) {
        Advance(7);
        sprite.Update(SpriteClass::SincePrevious);
    }
    EXPECT_EQ(scope.Made(), 0u);
}

TEST_F(SpriteClassTest, VisibleForHidesAtTheFirstUpdateAtOrAfterItsEnd)
{
    SpriteClass sprite;
    sprite.visible = false;
    sprite.VisibleFor(0);
    EXPECT_TRUE(sprite.visible);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_FALSE(sprite.visible);

    sprite.VisibleFor(100);
    Advance(99);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_TRUE(sprite.visible);
    Advance(1);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_FALSE(sprite.visible);
    // The period is over: showing the sprite again keeps it shown.
    sprite.visible = true;
    Advance(1000);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_TRUE(sprite.visible);
}

TEST_F(SpriteClassTest, ResetKeepsPositionVisibilityAndARunningVisibleForPeriod)
{
    SpriteClass sprite = ThreeFrames(form);
    sprite.X = 12;
    sprite.frame = 2;
    sprite.xMov = 5;
    sprite.VisibleFor(50);
    sprite.Reset();
    EXPECT_EQ(sprite.X, 12);
    EXPECT_EQ(sprite.frame, 0);
    EXPECT_EQ(sprite.xMov, 0);
    EXPECT_TRUE(sprite.visible);
    Advance(50);
    sprite.Update(SpriteClass::SincePrevious);
    EXPECT_FALSE(sprite.visible);
}

TEST_F(SpriteClassTest, LoadDCImageTakesSizeAndKeyFromTheNewestFrame)
{
    SpriteClass sprite;
    platform::Bitmap first = Filled(10, 8, Red);
    testpictures::Put(first, 0, 0, Magenta);
    LoadFrame(sprite, first, form, "first.bmp");
    EXPECT_EQ(sprite.totalFrames, 1);
    EXPECT_EQ(sprite.width, 10);
    EXPECT_EQ(sprite.Height, 8);
    EXPECT_EQ(sprite.colorKey, Magenta);
    LoadFrame(sprite, Filled(20, 6, Green), form, "second.bmp");
    EXPECT_EQ(sprite.totalFrames, 2);
    EXPECT_EQ(sprite.width, 20);
    EXPECT_EQ(sprite.Height, 6);
    EXPECT_EQ(sprite.colorKey, Green);
    EXPECT_NE(sprite.GetDC(0), sprite.GetDC(1));

    sprite.LoadDCImage(testpictures::TestFolder().File("missing.gif"), form);
    EXPECT_EQ(sprite.totalFrames, 2);
    EXPECT_EQ(sprite.width, 20);
    EXPECT_EQ(sprite.colorKey, Green);
}

TEST_F(SpriteClassTest, GetDCOutsideTheLoadedFramesGivesFrameZero)
{
    SpriteClass sprite = ThreeFrames(form);
    EXPECT_NE(sprite.GetDC(0), 0);
    for (const std::int16_t index : {-1, 3, 99}) {
        EXPECT_EQ(sprite.GetDC(index), sprite.GetDC(0)) << index;
    }
    EXPECT_EQ(platform::GetPixel(sprite.GetDC(2), 0, 0), Blue);
}

TEST_F(SpriteClassTest, CleanUpReleasesEveryFrameAndTheNextLoadFillsFrameZero)
{
    SpriteClass sprite = ThreeFrames(form);
    const platform::Hdc frame1 = sprite.GetDC(1);
    sprite.frame = 2;
    sprite.CleanUp();
    EXPECT_EQ(sprite.totalFrames, 0);
    EXPECT_EQ(sprite.GetDC(-1), 0);
    EXPECT_EQ(sprite.GetDC(1), 0);
    EXPECT_EQ(platform::GetPixel(frame1, 0, 0), platform::ClrInvalid);
    EXPECT_EQ(sprite.frame, 2); // left as it was
    EXPECT_EQ(sprite.width, 10);
    EXPECT_EQ(sprite.colorKey, Blue);

    LoadFrame(sprite, Filled(4, 4, Green), form, "again.bmp");
    EXPECT_EQ(sprite.totalFrames, 1);
    EXPECT_EQ(sprite.GetDCPixel(0, 0), Green);
    EXPECT_EQ(sprite.GetDC(1), sprite.GetDC(0));
    sprite.CleanUp();
}

TEST_F(SpriteClassTest, CleanUpOfABorrowerReleasesTheSharedContextAndTheOwnerCleansUpQuietly)
{
    SpriteClass owner;
    platform::Bitmap picture = Filled(6, 5, Red);
    testpictures::Put(picture, 0, 0, Magenta);
    LoadFrame(owner, picture, form, "owner.bmp");
    SpriteClass borrower;
    borrower.SetSpriteDC(owner);
    EXPECT_EQ(borrower.GetDC(-1), owner.GetDC(-1));
    EXPECT_EQ(borrower.width, 6);
    EXPECT_EQ(borrower.Height, 5);
    EXPECT_EQ(borrower.colorKey, Magenta);
    EXPECT_EQ(borrower.GetDCPixel(1, 1), Red);

    borrower.CleanUp();
    EXPECT_EQ(owner.GetDCPixel(1, 1), platform::ClrInvalid);
    owner.CleanUp();
    EXPECT_EQ(owner.GetDC(-1), 0);
    EXPECT_EQ(owner.totalFrames, 0);
}

TEST_F(SpriteClassTest, DrawCopiesTheCurrentFrameAtTheRoundedPosition)
{
    SpriteClass sprite = ThreeFrames(form);
    sprite.frame = 1;
    sprite.X = 10.5; // ties to even: 10
    sprite.Y = 21.5; // 22
    sprite.Draw(form);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 9, 22), White);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 10, 22), Green);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 19, 31), Green);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 20, 31), White);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 10, 21), White);

    sprite.DrawAt(form, 100, 50);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 100, 50), Green);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 109, 59), Green);
}

TEST_F(SpriteClassTest, DrawTranspLeavesTheKeyColourOut)
{
    SpriteClass sprite;
    platform::Bitmap picture = Filled(4, 4, Magenta);
    testpictures::Put(picture, 1, 2, Red);
    LoadFrame(sprite, picture, form, "keyed.bmp");
    sprite.X = 30;
    sprite.Y = 40;
    sprite.DrawTransp(form);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 31, 42), Red);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 30, 40), White);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 33, 43), White);

    sprite.DrawTranspAt(form, 0, 0);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 1, 2), Red);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 0, 0), White);
}

TEST_F(SpriteClassTest, HiddenSpritesAndFramesWithoutPictureDrawNothing)
{
    SpriteClass hidden = ThreeFrames(form);
    hidden.visible = false;
    SpriteClass noPicture;
    noPicture.width = 20;
    noPicture.Height = 20;
    SpriteClass badFrame = ThreeFrames(form);
    badFrame.frame = 5;
    SpriteClass negativeFrame = ThreeFrames(form);
    negativeFrame.frame = -1;
    form.SetDrawWidth(4);
    for (const SpriteClass* sprite : {&hidden, &noPicture, &badFrame, &negativeFrame}) {
        sprite->Draw(form);
        sprite->DrawAt(form, 5, 5);
        sprite->DrawTransp(form);
        sprite->DrawTranspAt(form, 5, 5);
    }
    hidden.DrawBorder(Blue, form);
    const platform::Bitmap* pixels = platform::SelectedBitmap(form.hDC());
    ASSERT_NE(pixels, nullptr);
    for (const std::uint32_t pixel : pixels->pixels) {
        ASSERT_EQ(pixel, static_cast<std::uint32_t>(White));
    }
}

TEST_F(SpriteClassTest, DrawBorderFramesTheSpriteOnePenWidthOutside)
{
    SpriteClass sprite = ThreeFrames(form);
    sprite.X = 50;
    sprite.Y = 40;
    form.SetDrawWidth(4);
    sprite.Draw(form);
    sprite.DrawBorder(Blue, form);
    // The frame runs around the sprite and leaves the sprite itself as drawn.
    EXPECT_EQ(platform::GetPixel(form.hDC(), 46, 45), Blue);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 64, 45), Blue);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 55, 36), Blue);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 55, 54), Blue);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 50, 40), Red);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 59, 49), Red);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 40, 45), White);
    EXPECT_EQ(platform::GetPixel(form.hDC(), 55, 30), White);
}

TEST_F(SpriteClassTest, IsUnderIncludesBothEdges)
{
    SpriteClass sprite;
    sprite.X = 10;
    sprite.Y = 20;
    sprite.width = 30;
    sprite.Height = 40;
    sprite.visible = false; // not looked at
    struct Case {
        std::int16_t x, y;
        bool under;
    };
    const Case cases[] = {
        {10, 20, true}, {40, 60, true},  {25, 40, true},  {41, 20, false},
        {9, 20, false}, {10, 61, false}, {10, 19, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sprite.IsUnder(c.x, c.y), c.under) << c.x << "," << c.y;
    }
}

TEST_F(SpriteClassTest, SpriteCollisionRoundsCornersAndTouchingEdgesDoNotCollide)
{
    struct Case {
        double x2, y2;
        std::int32_t w2;
        bool collide;
    };
    const Case cases[] = {
        {10, 0, 10, false},                      // edge to edge
        {9, 0, 10, true},   {9.5, 0, 10, false}, // rounds to 10
        {8.5, 0, 10, true},                      // rounds to 8
        {0, 10, 10, false},                      // edge to edge below
        {0, 9, 10, true},   {-10, 0, 10, false},
        {3, 3, 0, false}, // an empty rectangle collides with nothing
    };
    for (const Case& c : cases) {
        SpriteClass a;
        a.width = 10;
        a.Height = 10;
        SpriteClass b;
        b.X = c.x2;
        b.Y = c.y2;
        b.width = c.w2;
        b.Height = 10;
        EXPECT_EQ(a.SpriteCollision(b), c.collide) << c.x2 << "," << c.y2;
        EXPECT_EQ(b.SpriteCollision(a), c.collide) << c.x2 << "," << c.y2;
    }
}

TEST_F(SpriteClassTest, PixelCollisionNeedsAnOpaquePixelOfBothOnOnePoint)
{
    // a: 4 x 4, key Magenta, opaque only at (3, 3). b: 4 x 4, key Green, opaque only at (0, 0).
    platform::Bitmap pictureA = Filled(4, 4, Magenta);
    testpictures::Put(pictureA, 3, 3, Red);
    platform::Bitmap pictureB = Filled(4, 4, Green);
    testpictures::Put(pictureB, 0, 0, Blue);
    testpictures::Put(pictureB, 1, 1, Blue);
    SpriteClass a;
    LoadFrame(a, pictureA, form, "a.bmp");
    a.colorKey = Magenta;
    SpriteClass b;
    LoadFrame(b, pictureB, form, "b.bmp");
    b.colorKey = Green;

    struct Case {
        double bx, by;
        bool collide;
    };
    const Case cases[] = {
        {3, 3, true},    // b's (0, 0) on a's (3, 3)
        {2, 2, true},    // b's (1, 1) on a's (3, 3)
        {1, 1, false},   // only key pixels of one side meet a's opaque pixel
        {0, 0, false},   // full overlap, opaque pixels apart
        {4, 4, false},   // touching corners
        {3.5, 3, false}, // X rounds to 4: edge to edge
        {2.5, 3, false}, // X rounds to 2: a key pixel of b lies on a's opaque pixel
    };
    for (const Case& c : cases) {
        b.X = c.bx;
        b.Y = c.by;
        EXPECT_EQ(a.PixelCollision(b), c.collide) << c.bx << "," << c.by;
        EXPECT_EQ(b.PixelCollision(a), c.collide) << c.bx << "," << c.by;
    }
    a.CleanUp();
    b.CleanUp();
}

TEST_F(SpriteClassTest, PixelCollisionTestsFrameZeroAndNeverPixelsOutsideTheBitmap)
{
    SpriteClass a;
    LoadFrame(a, Filled(4, 4, Red), form, "a0.bmp");
    LoadFrame(a, Filled(4, 4, Magenta), form, "a1.bmp");
    a.colorKey = Magenta;
    a.frame = 1; // shows only key pixels; frame 0 is what counts
    SpriteClass b;
    LoadFrame(b, Filled(4, 4, Blue), form, "b0.bmp");
    b.colorKey = Green;
    b.X = 2;
    EXPECT_TRUE(a.PixelCollision(b));

    // A rectangle larger than its bitmap: the pixels beyond read as -1 and never collide.
    a.width = 10;
    b.X = 5;
    EXPECT_TRUE(a.SpriteCollision(b));
    EXPECT_FALSE(a.PixelCollision(b));
    a.CleanUp();
    b.CleanUp();
}

TEST_F(SpriteClassTest, PositionsRoundTiesToEven)
{
    struct Case {
        double v;
        std::int16_t rounded;
    };
    const Case cases[] = {{10.5, 10}, {11.5, 12}, {-0.5, 0}, {-1.5, -2}, {3.49, 3}};
    for (const Case& c : cases) {
        SpriteClass sprite;
        sprite.X = c.v;
        sprite.Y = c.v;
        EXPECT_EQ(sprite.Top(), c.rounded) << c.v;
        EXPECT_EQ(sprite.Left(), c.rounded) << c.v;
        sprite.Height = 2;
        EXPECT_EQ(sprite.Bottom(), c.rounded + 2) << c.v;
    }
    SpriteClass sprite;
    sprite.X = 10.5;
    sprite.Y = 2;
    sprite.width = 5;
    sprite.Height = -5;
    EXPECT_DOUBLE_EQ(sprite.Right(), 15.5);
    EXPECT_DOUBLE_EQ(sprite.MiddleX(), 12.5); // 5 div 2 = 2
    EXPECT_DOUBLE_EQ(sprite.MiddleY(), 0);    // -5 div 2 = -2, towards zero
}
