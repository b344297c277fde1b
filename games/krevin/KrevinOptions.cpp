// The brick game's options dialog: a picture beside each setting, written to section "Krevin" on
// OK in the order the game reads them.
#include "games/krevin/KrevinOptions.h"

namespace {

constexpr std::int32_t DialogHeight = 420;

} // namespace

KrevinOptions::KrevinOptions() : GameOptions("Krevin", modeOption, MusicButton, FxButton)
{
    SetUpBar(PadSpeedScroll, SpeedMin, SpeedMax, 1, 1);
    SetUpBar(BallSpeedScroll, SpeedMin, SpeedMax, 1, 1);
    UseBackgroundRow(backgrounds, Background, nullptr);
}

// Each control takes its place from the neighbour it follows: the speed pictures 20 apart, each bar
// 20 to the right of its picture with their bottoms level, the button row 20 below the last
// picture, the background row 20 below that, cancel and OK 20 below the backgrounds.
void KrevinOptions::Form_Load()
{
    SetUpWindow(DialogHeight);
    LayOutButtonRow(
        LayOutSettingRows({{PadSpeedImage, PadSpeedScroll, "Gfx\\Krevin\\PadSpeedImage.gif"},
                           {BallSpeedImage, BallSpeedScroll, "Gfx\\Krevin\\BallSpeedImage.gif"}}) +
        Gap);
    PlaceCancelAndOk(LayOutBackgroundRow("Gfx\\Krevin\\") + Gap);
    ShowSettings();
}

void KrevinOptions::ShowSettings()
{
    ShowStored(PadSpeedScroll, "PadSpeed", 110);
    ShowStored(BallSpeedScroll, "BallSpeed", 50);
    ShowButtonRow();
    // A stored choice outside 0..3 shows the level's own picture, the default.
    ShowBackgroundRow(3);
}

void KrevinOptions::SaveSettings()
{
    SaveBar(PadSpeedScroll, "PadSpeed");
    SaveBar(BallSpeedScroll, "BallSpeed");
    SaveButtonRow();
    SaveBackgroundRow();
}
