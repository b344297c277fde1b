// MorvexOptions: the rock game's options dialog: ship, turning and rock speeds, the mode, music,
// effects and one of four backgrounds, stored in section "Morvex" when it closes through OK.
// Releasing a mouse button on the plain-colour background opens the colour dialog.
#pragma once

#include <array>

#include "games/shared/GameOptions.h"
#include "platform/CheckBox.h"
#include "platform/Frame.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "toolkit/ColorDialog.h"

class MorvexOptions : public GameOptions {
public:
    MorvexOptions();

    // Controls, in the order they are laid out.
    platform::PictureBox ShipSpeedImage{*this};
    platform::HScrollBar ShipSpeedScroll{*this};
    platform::PictureBox RotateSpeedImage{*this};
    platform::HScrollBar RotateSpeedScroll{*this};
    platform::PictureBox RockSpeedImage{*this};
    platform::HScrollBar RockSpeedScroll{*this};
    std::array<platform::OptionButton, 2> modeOption{platform::OptionButton(*this),
                                                     platform::OptionButton(*this)};
    platform::CheckBox MusicButton{*this};
    platform::CheckBox FxButton{*this};
    platform::Frame backgrounds{*this};
    std::array<platform::OptionButton, 4> Background{
        platform::OptionButton(*this), platform::OptionButton(*this), platform::OptionButton(*this),
        platform::OptionButton(*this)};

    // The colour dialog this dialog opens for the plain-colour background.
    ColorDialog Colors;

protected:
    void Form_Load() override;
    void SaveSettings() override;

private:
    void LayOut();
    void ShowSettings();
};
