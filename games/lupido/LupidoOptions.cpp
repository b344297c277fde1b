// The crossing game's options dialog: one row of picture buttons, cancel and OK below it.
#include "games/lupido/LupidoOptions.h"

namespace {

constexpr std::int32_t ClientHeight = 180;

} // namespace

LupidoOptions::LupidoOptions() : GameOptions("Lupido", modeOption, MusicButton, FxButton) {}

void LupidoOptions::Form_Load()
{
    SetUpWindow(ClientHeight);
    LayOutButtonRow(Gap);
    PlaceCancelAndOk(modeOption[0].Top() + modeOption[0].Height() + Gap);
    ShowButtonRow();
}

// "Mode", "MusicOn" and "FxOn", changed or not; "CarSpeed" is no setting of the dialog.
void LupidoOptions::SaveSettings()
{
    SaveButtonRow();
}
