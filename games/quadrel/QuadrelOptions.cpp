// The falling-blocks game's options dialog: a picture beside each bar, written to section
// "Quadrel" on OK.
#include "games/quadrel/QuadrelOptions.h"

namespace {

constexpr std::int32_t DialogHeight = 340;
constexpr std::int32_t ImageSize = 62;
constexpr std::int32_t ScrollHeight = 25;

} // namespace

QuadrelOptions::QuadrelOptions() : GameOptions("Quadrel", modeOption, MusicButton, FxButton)
{
    // Milliseconds between steps, and pixels per second.
    SetUpBar(MoveSpeedScroll, 500, 3000, 100, 250);
    SetUpBar(FallSpeedScroll, 1, 100, 1, 1);
}

// Each control takes its place from the neighbour it follows: the pictures 20 apart, each bar 20
// to the right of its picture with their bottoms level, the button row and the two pictures below
// 20 apart.
void QuadrelOptions::Form_Load()
{
    SetUpWindow(DialogHeight);
    MoveSpeedImage.SetPictureFile("Gfx\\Quadrel\\moveSpeedImage.gif");
    MoveSpeedImage.Move(Gap, Gap, ImageSize, ImageSize);
    const std::int32_t scrollLeft = MoveSpeedImage.Left() + MoveSpeedImage.Width() + Gap;
    MoveSpeedScroll.Move(scrollLeft, MoveSpeedImage.Top() + ImageSize - ScrollHeight, ScrollWidth,
                         ScrollHeight);
    FallSpeedImage.SetPictureFile("Gfx\\Quadrel\\fallSpeedImage.gif");
    FallSpeedImage.Move(MoveSpeedImage.Left(), MoveSpeedScroll.Top() + ScrollHeight + Gap,
                        ImageSize, ImageSize);
    FallSpeedScroll.Move(scrollLeft, FallSpeedImage.Top() + ImageSize - ScrollHeight,
                         MoveSpeedScroll.Width(), ScrollHeight);
    LayOutButtonRow(FallSpeedImage.Top() + ImageSize + Gap);
    PlaceCancelAndOk(FxButton.Top() + ButtonSize + Gap);
    ShowStored(MoveSpeedScroll, "MoveSpeed", 500);
    ShowStored(FallSpeedScroll, "FallSpeed", 40);
    ShowButtonRow();
}

// "MoveSpeed", "FallSpeed", "Mode", "MusicOn", "FxOn", in this order.
void QuadrelOptions::SaveSettings()
{
    SaveBar(MoveSpeedScroll, "MoveSpeed");
    SaveBar(FallSpeedScroll, "FallSpeed");
    SaveButtonRow();
}
