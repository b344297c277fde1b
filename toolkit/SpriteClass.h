// SpriteClass: the one drawable object: frames (memory device contexts), position and speed in
// pixels, an animation clock on GameUtil::GetTickMs, opaque and colour-keyed drawing, hit tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Gdi.h"
#include "platform/Surface.h"

class SpriteClass {
public:
    // Arguments of Update: move by the time since the previous update, or restart the clock
    // without moving. Any other value is the tick from which to measure.
    static constexpr std::int32_t SincePrevious = -1;
    static constexpr std::int32_t RestartClock = 0;

    // Public fields, in the order of the system's interface. Callers read and write them freely.
    double mXdest = 0;            // destination X of MoveToDest
    double mYdest = 0;            // destination Y of MoveToDest; also free storage for callers
    std::int32_t frame = 0;       // frame that the drawing members show
    std::int32_t totalFrames = 0; // frames loaded since creation or the last CleanUp
    bool frameReverse = false;
    bool loopAnim = false;
    std::int32_t frameWidth = 0;
    std::int32_t frameHeight = 0;
    std::int32_t id = 0; // caller-defined kind, phase or deadline
    std::string name;
    double X = 0;    // left edge in window pixels
    double Y = 0;    // top edge in window pixels, y grows downwards
    double xMov = 0; // pixels per second, positive rightwards
    double yMov = 0; // pixels per second, positive downwards
    std::int32_t width = 0;
    std::int32_t Height = 0;
    double picScale = 0;
    platform::Color colorKey = 0; // transparent colour of colour-keyed drawing and PixelCollision
    bool visible = true;          // every drawing member does nothing while false
    bool active = false;          // caller-defined (hovered or selected button, live object)
    std::string text;

    // Releases every frame context, also one borrowed through SetDC or SetSpriteDC. Not run by the
    // destructor: owners call it before dropping a sprite, and borrowers and copies share contexts.
    void CleanUp();
    // Appends the picture file as the next frame; width, Height and colorKey then describe it.
    // A file that cannot be loaded leaves the sprite as it was.
    void LoadDCImage(std::string_view aFileName, platform::Surface& aForm);
    // Context of a frame; an index outside the loaded frames (callers pass -1) gives frame 0's.
    platform::Hdc GetDC(std::int16_t aFrame) const;
    void SetDC(platform::Hdc aDC); // frame 0 shows aDC, shared and not copied
    void SetSpriteDC(const SpriteClass& aSprite);
    platform::Color GetDCPixel(std::int32_t aX, std::int32_t aY) const;
    platform::Color SetDCPixel(std::int32_t aX, std::int32_t aY, platform::Color aColor);

    void StopSprite();
    void MoveToDest(std::int16_t aX, std::int16_t aY, std::int16_t aMoveSpeed);
    void MoveInAngle(float anAngle, std::int16_t aMoveSpeed);
    // Display time in milliseconds of each frame; more than one time makes Update animate.
    void SetFrameTime(std::span<const double> aTimeArray);
    void SetFrameTime(std::initializer_list<double> aTimeArray);
    // Moves, stops at the destination, animates and ends a VisibleFor period. Allocates nothing.
    void Update(std::int32_t aLastTick);
    void Update(bool) = delete; // true would read as tick 1: pass SincePrevious or RestartClock
    void VisibleFor(std::int32_t aMsTime);
    void Reset();

    void Draw(platform::Surface& aForm) const;
    void DrawAt(platform::Surface& aForm, std::int32_t aX, std::int32_t aY) const;
    void DrawTransp(platform::Surface& aForm) const;
    void DrawTranspAt(platform::Surface& aForm, std::int32_t aX, std::int32_t aY) const;
    // Unfilled box in aColor lying the form's pen width outside the sprite.
    void DrawBorder(platform::Color aColor, platform::Surface& aForm) const;

    bool IsUnder(std::int16_t xPt, std::int16_t yPt) const; // both edges inclusive
    bool SpriteCollision(const SpriteClass& aSprite) const; // right and bottom edges exclusive
    bool PixelCollision(const SpriteClass& aSprite) const;  // opaque pixels of frame 0 overlap

    std::int16_t Top() const;
    std::int16_t Bottom() const;
    std::int16_t Left() const;
    double Right() const;
    double MiddleX() const;
    double MiddleY() const;

private:
    platform::Hdc FrameDC() const; // context of the current frame, 0 when it has none
    platform::Rect Bounds() const; // rounded rectangle of SpriteCollision and PixelCollision

    std::vector<platform::Hdc> frameDCs{0}; // never empty; element 0 is 0 with no frame
    std::vector<std::int32_t> frameTimes{0};
    std::int32_t frameTimer = 0;
    std::int32_t lastTick = 0; // 0: no previous update
    std::int32_t visibleUntil = 0;
    bool movingToDest = false;
    bool visibleForActive = false;
};
