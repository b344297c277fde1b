// The rock game's options dialog: a picture beside each speed, written to section "Morvex" on OK;
// the plain-colour background opens the colour dialog.
#include "games/morvex/MorvexOptions.h"

namespace {

constexpr std::int32_t DialogHeight = 500;

} // namespace

MorvexOptions::MorvexOptions() : GameOptions("Morvex", modeOption, MusicButton, FxButton)
{
    SetUpBar(ShipSpeedScroll, SpeedMin, SpeedMax, 1, 1);
    SetUpBar(RotateSpeedScroll, 1, 20, 1, 1);
    SetUpBar(RockSpeedScroll, 1, 300, 1, 1);
    UseBackgroundRow(backgrounds, Background, &Colors);
}

void MorvexOptions::Form_Load()
{
    SetUpWindow(DialogHeight);
    LayOut();
    ShowSettings();
}

// The speed pictures stand 20 apart in a column, each bar 20 to the right of its picture with
// their bottoms level; the button row and the background frame follow 20 below, each background
// button under the button of its column.
void MorvexOptions::LayOut()
{
    const std::int32_t bottom = LayOutSettingRows(
        {{ShipSpeedImage, ShipSpeedScroll, "Gfx\\Morvex\\shipSpeedImage.gif"},
         {RotateSpeedImage, RotateSpeedScroll, "Gfx\\Morvex\\rotateSpeedImage.gif"},
         {RockSpeedImage, RockSpeedScroll, "Gfx\\Morvex\\rockSpeedImage.gif"}});
    LayOutButtonRow(bottom + Gap);
    PlaceCancelAndOk(LayOutBackgroundRow("Gfx\\Morvex\\") + Gap);
}

// A stored choice outside 0..3 counts as the map's own picture, as the game takes it.
void MorvexOptions::ShowSettings()
{
    ShowStored(ShipSpeedScroll, "ShipSpeed", 50);
    ShowStored(RotateSpeedScroll, "RotateSpeed", 2);
    ShowStored(RockSpeedScroll, "RockSpeed", 50);
    ShowButtonRow();
    ShowBackgroundRow(3);
}

void MorvexOptions::SaveSettings()
{
    SaveBar(ShipSpeedScroll, "ShipSpeed");
    SaveBar(RotateSpeedScroll, "RotateSpeed");
    SaveBar(RockSpeedScroll, "RockSpeed");
    SaveButtonRow();
    SaveBackgroundRow();
}
