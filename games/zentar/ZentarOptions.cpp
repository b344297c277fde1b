// The alien shooter's options dialog: a picture beside each setting, written to section "Zentar"
// on OK; the plain-colour background opens the colour dialog.
#include "games/zentar/ZentarOptions.h"

#include "games/shared/GameSettings.h"
#include "platform/Numbers.h"

namespace {

constexpr std::int16_t BackgroundCount = 4;
constexpr std::int16_t PlainColour = 2;
constexpr std::int32_t ImageSize = 62;
constexpr std::int32_t ScrollHeight = 25;
constexpr std::int32_t ButtonRowGap = 30; // between the last picture and the button row

} // namespace

ZentarOptions::ZentarOptions() : GameOptions("Zentar", modeOption, MusicButton, FxButton)
{
    for (platform::ScrollBar* scroll : {static_cast<platform::ScrollBar*>(&ShipSpeedScroll),
                                        static_cast<platform::ScrollBar*>(&AlienSpeedScroll)}) {
        scroll->SetMin(SpeedMin);
        scroll->SetMax(SpeedMax);
        scroll->SetSmallChange(1);
        scroll->SetLargeChange(1);
    }
    backgrounds.SetBorderStyle(platform::BorderStyle::None);
    for (std::size_t i = 0; i < Background.size(); ++i) {
        Background[i].SetIndex(static_cast<std::int16_t>(i));
        Background[i].SetContainer(&backgrounds);
        Background[i].SetStyle(platform::ButtonStyle::Graphical);
        Background[i].MouseUp = [this](std::int16_t index, std::int16_t button, std::int16_t shift,
                                       float x,
                                       float y) { Background_MouseUp(index, button, shift, x, y); };
    }
}

void ZentarOptions::Form_Load()
{
    SetUpWindow();
    LayOut();
    PlaceCancelAndOk(backgrounds.Top() + backgrounds.Height() + Gap);
    ShowSettings();
}

// Each control takes its place from the neighbour it follows: the speed pictures 20 apart, each
// bar 20 to the right of its picture with their bottoms level, the button row 30 below the last
// picture, the background frame 20 below the row with each button under the one of its column.
void ZentarOptions::LayOut()
{
    ShipSpeedImage.SetPictureFile("Gfx\\Zentar\\shipSpeedImage.gif");
    ShipSpeedImage.Move(Gap, Gap, ImageSize, ImageSize);
    const std::int32_t scrollLeft = ShipSpeedImage.Left() + ShipSpeedImage.Width() + Gap;
    ShipSpeedScroll.Move(scrollLeft, ShipSpeedImage.Top() + ShipSpeedImage.Height() - ScrollHeight,
                         ScrollWidth, ScrollHeight);

    AlienSpeedImage.SetPictureFile("Gfx\\Zentar\\alienSpeedImage.gif");
    AlienSpeedImage.Move(Gap, ShipSpeedImage.Top() + ShipSpeedImage.Height() + Gap, ImageSize,
                         ImageSize);
    AlienSpeedScroll.Move(scrollLeft,
                          AlienSpeedImage.Top() + AlienSpeedImage.Height() - ScrollHeight,
                          ShipSpeedScroll.Width(), ScrollHeight);

    LayOutButtonRow(AlienSpeedImage.Top() + AlienSpeedImage.Height() + ButtonRowGap);

    backgrounds.Move(0, modeOption[0].Top() + modeOption[0].Height() + Gap, ScaleWidth(),
                     ButtonSize);
    backgrounds.SetBackColor(BackColour);
    const platform::Control* columns[] = {&modeOption[0], &modeOption[1], &MusicButton, &FxButton};
    for (std::size_t i = 0; i < Background.size(); ++i) {
        Background[i].SetPictureFile("Gfx\\Zentar\\optionbg" + std::to_string(i) + ".gif");
        Background[i].Move(columns[i]->Left(), 0, ButtonSize, ButtonSize);
    }
}

void ZentarOptions::ShowSettings()
{
    ShowButtonRow();
    ShipSpeedScroll.SetValue(StoredSpeed("ShipSpeed", 50));
    AlienSpeedScroll.SetValue(StoredSpeed("AliensSpeed", 45));
    // A stored choice outside 0..3 selects no button, and OK then leaves it as it is.
    const std::int16_t choice = GameSettings::ReadInteger(Section(), "Background", 3);
    for (platform::OptionButton& button : Background) {
        button.SetValue(false);
    }
    if (choice >= 0 && choice < BackgroundCount) {
        Background[static_cast<std::size_t>(choice)].SetValue(true);
    }
}

void ZentarOptions::SaveSettings()
{
    GameSettings::SaveInteger(Section(), "ShipSpeed", ShipSpeedScroll.Value());
    GameSettings::SaveInteger(Section(), "AliensSpeed", AlienSpeedScroll.Value());
    SaveButtonRow();
    for (std::size_t i = 0; i < Background.size(); ++i) {
        if (Background[i].Value()) {
            GameSettings::SaveInteger(Section(), "Background", static_cast<std::int32_t>(i));
        }
    }
}

// Any button released on the plain colour opens the colour dialog, even when that choice was
// already selected. Its result is not looked at: this dialog's own closing decides gOptionsOk.
void ZentarOptions::Background_MouseUp(std::int16_t index, std::int16_t, std::int16_t, float, float)
{
    if (index != PlainColour) {
        return;
    }
    Colors.gameName = Section();
    Colors.Show(platform::vbModal, this);
}
