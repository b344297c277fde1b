// ZentarOptions: the alien shooter's options dialog: ship and alien speeds, the mode, music,
// effects and one of four backgrounds, stored in section "Zentar" when it closes through OK.
// Releasing a mouse button on the plain-colour background opens the colour dialog.
#pragma once

#include <array>
#include <cstdint>

#include "games/shared/GameOptions.h"
#include "platform/CheckBox.h"
#include "platform/Frame.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "toolkit/ColorDialog.h"

class ZentarOptions : public GameOptions {
public:
    ZentarOptions();

    // Controls, in the order they are laid out.
    platform::PictureBox ShipSpeedImage{*this};
    platform::HScrollBar ShipSpeedScroll{*this};
    platform::PictureBox AlienSpeedImage{*this};
    platform::HScrollBar AlienSpeedScroll{*this};
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
