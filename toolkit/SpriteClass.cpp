// SpriteClass: frames, movement, animation, drawing and hit tests.
#include "toolkit/SpriteClass.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "toolkit/GameUtil.h"

using platform::CInt;
using platform::CLng;

void SpriteClass::CleanUp()
{
    for (auto& dc : frameDCs) {
        if (dc != 0) {
            // A context shared with another sprite may already be gone; that failure is harmless.
            GameUtil::DeleteDCImage(dc);
            dc = 0;
        }
    }
    frameDCs.assign(1, 0);
    totalFrames = 0;
}

void SpriteClass::LoadDCImage(std::string_view aFileName, [[maybe_unused]] platform::Surface& aForm)
{
    std::optional<platform::Bitmap> picture = platform::LoadPicture(aFileName);
    if (!picture) {
        return;
    }
    // Pictures load at their pixel size, which is what the HIMETRIC conversion to the form's
    // pixels gives.
    const std::int32_t pictureWidth = picture->width;
    const std::int32_t pictureHeight = picture->height;
    const platform::Hbitmap bitmap = platform::CreateBitmapFrom(std::move(*picture));
    if (bitmap == 0) {
        return;
    }
    const platform::Hdc dc = platform::CreateCompatibleDC(0);
    if (dc == 0) {
        platform::DeleteObject(bitmap);
        return;
    }
    platform::DeleteObject(platform::SelectObject(dc, bitmap));

    // The first load fills element 0; each later one appends.
    if (static_cast<std::int64_t>(frameDCs.size()) - 1 < totalFrames) {
        frameDCs.push_back(0);
    }
    frameDCs.back() = dc;
    totalFrames += 1;
    width = pictureWidth;
    Height = pictureHeight;
    colorKey = platform::GetPixel(dc, 0, 0);
}

platform::Hdc SpriteClass::GetDC(std::int16_t aFrame) const
{
    if (aFrame < 0 || static_cast<std::size_t>(aFrame) >= frameDCs.size()) {
        return frameDCs[0];
    }
    return frameDCs[static_cast<std::size_t>(aFrame)];
}

void SpriteClass::SetDC(platform::Hdc aDC)
{
    frameDCs[0] = aDC;
}

void SpriteClass::SetSpriteDC(const SpriteClass& aSprite)
{
    SetDC(aSprite.GetDC(-1));
    width = aSprite.width;
    Height = aSprite.Height;
    colorKey = aSprite.colorKey;
}

platform::Color SpriteClass::GetDCPixel(std::int32_t aX, std::int32_t aY) const
{
    return platform::GetPixel(frameDCs[0], aX, aY);
}

platform::Color SpriteClass::SetDCPixel(std::int32_t aX, std::int32_t aY, platform::Color aColor)
{
    return platform::SetPixel(frameDCs[0], aX, aY, aColor);
}

void SpriteClass::StopSprite()
{
    xMov = 0;
    yMov = 0;
    movingToDest = false;
}

void SpriteClass::MoveToDest(std::int16_t aX, std::int16_t aY, std::int16_t aMoveSpeed)
{
    movingToDest = true;
    mXdest = aX;
    mYdest = aY;
    const std::int32_t dx = CLng(std::abs(X - aX));
    const std::int32_t dy = CLng(std::abs(Y - aY));
    // Already there: the next Update snaps the sprite onto the point and stops it.
    if (dx == 0 && dy == 0) {
        return;
    }
    const double sx = X < aX ? 1.0 : -1.0;
    const double sy = Y < aY ? 1.0 : -1.0;
    // The longer axis runs at the full speed, so the path is straight.
    if (dx > dy) {
        xMov = aMoveSpeed * sx;
        yMov = static_cast<double>(dy) / dx * aMoveSpeed * sy;
    } else {
        xMov = static_cast<double>(dx) / dy * aMoveSpeed * sx;
        yMov = aMoveSpeed * sy;
    }
}

void SpriteClass::MoveInAngle(float anAngle, std::int16_t aMoveSpeed)
{
    xMov = std::cos(static_cast<double>(anAngle)) * aMoveSpeed;
    yMov = std::sin(static_cast<double>(anAngle)) * aMoveSpeed;
}

void SpriteClass::SetFrameTime(std::span<const double> aTimeArray)
{
    frameTimes.clear();
    for (const double time : aTimeArray) {
        frameTimes.push_back(CLng(time));
    }
    if (frameTimes.empty()) {
        frameTimes.push_back(0);
    }
}

void SpriteClass::SetFrameTime(std::initializer_list<double> aTimeArray)
{
    SetFrameTime(std::span<const double>(aTimeArray.begin(), aTimeArray.size()));
}

void SpriteClass::Update(std::int32_t aLastTick)
{
    if (aLastTick != SincePrevious) {
        lastTick = aLastTick;
    }
    const std::int32_t elapsed =
        lastTick == 0 ? 0 : GameUtil::TicksBetween(lastTick, GameUtil::GetTickMs());

    X += elapsed * xMov / 1000;
    Y += elapsed * yMov / 1000;

    if (movingToDest) {
        // An axis has arrived once its rounded distance to the destination has changed sign in
        // the direction of travel; it then sits exactly on the destination.
        const std::int32_t dx = CLng(X - mXdest);
        if (xMov < 0 ? dx <= 0 : dx >= 0) {
            X = mXdest;
            xMov = 0;
        }
        const std::int32_t dy = CLng(Y - mYdest);
        if (yMov < 0 ? dy <= 0 : dy >= 0) {
            Y = mYdest;
            yMov = 0;
        }
        if (xMov == 0 && yMov == 0) {
            movingToDest = false;
        }
    }

    if (frameTimes.size() > 1) {
        frameTimer += elapsed;
        // A frame without a time of its own shows for the shortest time.
        const std::int32_t frameTime =
            frame >= 0 && static_cast<std::size_t>(frame) < frameTimes.size()
                ? frameTimes[static_cast<std::size_t>(frame)]
                : 0;
        // One step at most per call: time beyond the frame's own is dropped.
        if (frameTimer > frameTime) {
            frame += 1;
            if (frame >= 0 && static_cast<std::size_t>(frame) >= frameDCs.size()) {
                frame = 0;
            }
            frameTimer = 0;
        }
    }

    lastTick = GameUtil::GetTickMs();
    if (visibleForActive && GameUtil::TicksBetween(visibleUntil, lastTick) >= 0) {
        visible = false;
        visibleForActive = false;
    }
}

void SpriteClass::VisibleFor(std::int32_t aMsTime)
{
    visibleForActive = true;
    visible = true;
    visibleUntil = static_cast<std::int32_t>(static_cast<std::uint32_t>(GameUtil::GetTickMs()) +
                                             static_cast<std::uint32_t>(aMsTime));
}

void SpriteClass::Reset()
{
    xMov = 0;
    yMov = 0;
    lastTick = 0;
    frame = 0;
    frameTimer = 0;
    movingToDest = false;
}

platform::Hdc SpriteClass::FrameDC() const
{
    if (frame < 0 || static_cast<std::size_t>(frame) >= frameDCs.size()) {
        return 0;
    }
    return frameDCs[static_cast<std::size_t>(frame)];
}

void SpriteClass::Draw(platform::Surface& aForm) const
{
    DrawAt(aForm, CLng(X), CLng(Y));
}

void SpriteClass::DrawAt(platform::Surface& aForm, std::int32_t aX, std::int32_t aY) const
{
    const platform::Hdc dc = FrameDC();
    if (!visible || dc == 0) {
        return;
    }
    platform::BitBlt(aForm.hDC(), aX, aY, width, Height, dc, 0, 0, platform::SRCCOPY);
}

void SpriteClass::DrawTransp(platform::Surface& aForm) const
{
    DrawTranspAt(aForm, CLng(X), CLng(Y));
}

void SpriteClass::DrawTranspAt(platform::Surface& aForm, std::int32_t aX, std::int32_t aY) const
{
    const platform::Hdc dc = FrameDC();
    if (!visible || dc == 0) {
        return;
    }
    GameUtil::BlitTransparent(aForm.hDC(), aX, aY, width, Height, dc, 0, 0, colorKey);
}

void SpriteClass::DrawBorder(platform::Color aColor, platform::Surface& aForm) const
{
    if (!visible) {
        return;
    }
    const double d = aForm.DrawWidth();
    aForm.Line(X - d, Y - d, X + width + d, Y + Height + d, aColor, true);
}

bool SpriteClass::IsUnder(std::int16_t xPt, std::int16_t yPt) const
{
    return X <= xPt && xPt <= X + width && Y <= yPt && yPt <= Y + Height;
}

platform::Rect SpriteClass::Bounds() const
{
    return {CLng(X), CLng(Y), CLng(X + width), CLng(Y + Height)};
}

bool SpriteClass::SpriteCollision(const SpriteClass& aSprite) const
{
    platform::Rect overlap;
    return GameUtil::RectsIntersect(Bounds(), aSprite.Bounds(), overlap) != 0;
}

bool SpriteClass::PixelCollision(const SpriteClass& aSprite) const
{
    platform::Rect overlap;
    if (GameUtil::RectsIntersect(Bounds(), aSprite.Bounds(), overlap) == 0) {
        return false;
    }
    const std::int32_t ox1 = CLng(overlap.left - X);
    const std::int32_t oy1 = CLng(overlap.top - Y);
    const std::int32_t ox2 = CLng(overlap.left - aSprite.X);
    const std::int32_t oy2 = CLng(overlap.top - aSprite.Y);
    const platform::Hdc dc1 = GetDC(-1);
    const platform::Hdc dc2 = aSprite.GetDC(-1);
    // Pixels outside a frame's bitmap read as -1 and never collide: rounding can make a rectangle
    // one pixel larger than its bitmap.
    for (std::int32_t j = 0; j < overlap.bottom - overlap.top; ++j) {
        for (std::int32_t i = 0; i < overlap.right - overlap.left; ++i) {
            const platform::Color c1 = platform::GetPixel(dc1, ox1 + i, oy1 + j);
            if (c1 == colorKey || c1 == platform::ClrInvalid) {
                continue;
            }
            const platform::Color c2 = platform::GetPixel(dc2, ox2 + i, oy2 + j);
            if (c2 != aSprite.colorKey && c2 != platform::ClrInvalid) {
                return true;
            }
        }
    }
    return false;
}

std::int16_t SpriteClass::Top() const
{
    return CInt(Y);
}
std::int16_t SpriteClass::Bottom() const
{
    return CInt(Y + Height);
}
std::int16_t SpriteClass::Left() const
{
    return CInt(X);
}
double SpriteClass::Right() const
{
    return X + width;
}
double SpriteClass::MiddleX() const
{
    return X + platform::IntDiv(width, 2);
}
double SpriteClass::MiddleY() const
{
    return Y + platform::IntDiv(Height, 2);
}
