// KrevinOptions: the brick game's options dialog: pad and ball speeds, the mode, music, effects and
// one of four backgrounds, stored in section "Krevin" when it closes through OK.
#pragma once

#include <array>

#include "games/shared/GameOptions.h"
#include "platform/CheckBox.h"
#include "platform/Frame.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

class KrevinOptions : public GameOptions {
public:
    KrevinOptions();

    // Controls, in the order they are laid out.
    platform::PictureBox PadSpeedImage{*this};
    platform::HScrollBar PadSpeedScroll{*this};
    platform::PictureBox BallSpeedImage{*this};
    platform::HScrollBar BallSpeedScroll{*this};
    std::array<platform::OptionButton, 2> modeOption{platform::OptionButton(*this),
                                                     platform::OptionButton(*this)};
    platform::CheckBox MusicButton{*this};
    platform::CheckBox FxButton{*this};
    platform::Frame backgrounds{*this};
    std::array<platform::OptionButton, 4> Background{
        platform::OptionButton(*this), platform::OptionButton(*this), platform::OptionButton(*this),
        platform::OptionButton(*this)};

protected:
    void Form_Load() override;
    void SaveSettings() override;

private:
    void ShowSettings();
};
