// The falling-blocks game's options dialog: a picture beside each bar, written to section
// "Quadrel" on OK.
#include "games/quadrel/QuadrelOptions.h"

namespace {

constexpr std::int32_t DialogHeight = 340;

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
    const std::int32_t bottom =
        LayOutSettingRows({{MoveSpeedImage, MoveSpeedScroll, "Gfx\\Quadrel\\moveSpeedImage.gif"},
                           {FallSpeedImage, FallSpeedScroll, "Gfx\\Quadrel\\fallSpeedImage.gif"}});
    LayOutButtonRow(bottom + Gap);
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
