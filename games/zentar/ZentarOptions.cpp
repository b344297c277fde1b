// The alien shooter's options dialog: a picture beside each setting, written to section "Zentar"
// on OK; the plain-colour background opens the colour dialog.
#include "games/zentar/ZentarOptions.h"

namespace {

constexpr std::int32_t DialogHeight = 420;
constexpr std::int32_t ButtonRowGap = 30; // between the last picture and the button row

} // namespace

ZentarOptions::ZentarOptions() : GameOptions("Zentar", modeOption, MusicButton, FxButton)
{
    SetUpBar(ShipSpeedScroll, SpeedMin, SpeedMax, 1, 1);
    SetUpBar(AlienSpeedScroll, SpeedMin, SpeedMax, 1, 1);
    UseBackgroundRow(backgrounds, Background, &Colors);
}

void ZentarOptions::Form_Load()
{
    SetUpWindow(DialogHeight);
    LayOut();
    ShowSettings();
}

// Each control takes its place from the neighbour it follows: the speed pictures 20 apart, each
// bar 20 to the right of its picture with their bottoms level, the button row 30 below the last
// picture, the background frame 20 below the row with each button under the one of its column.
void ZentarOptions::LayOut()
{
    const std::int32_t bottom = LayOutSettingRows(
        {{ShipSpeedImage, ShipSpeedScroll, "Gfx\\Zentar\\shipSpeedImage.gif"},
         {AlienSpeedImage, AlienSpeedScroll, "Gfx\\Zentar\\alienSpeedImage.gif"}});
    LayOutButtonRow(bottom + ButtonRowGap);
    PlaceCancelAndOk(LayOutBackgroundRow("Gfx\\Zentar\\") + Gap);
}

void ZentarOptions::ShowSettings()
{
    ShowButtonRow();
    ShowStored(ShipSpeedScroll, "ShipSpeed", 50);
    ShowStored(AlienSpeedScroll, "AliensSpeed", 45);
    // A stored choice outside 0..3 selects no button, and OK then leaves it as it is.
    ShowBackgroundRow(-1);
}

void ZentarOptions::SaveSettings()
{
    SaveBar(ShipSpeedScroll, "ShipSpeed");
    SaveBar(AlienSpeedScroll, "AliensSpeed");
    SaveButtonRow();
    SaveBackgroundRow();
}
