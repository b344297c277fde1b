// TambloOptions: the maze game's options dialog: figure and ghost speeds, the most ghosts per
// level, the mode, music and effects, stored in section "Tamblo" when it closes through OK.
#pragma once

#include <array>
#include <cstdint>

#include "games/shared/GameOptions.h"
#include "platform/CheckBox.h"
#include "platform/Frame.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

class TambloOptions : public GameOptions {
public:
    TambloOptions();

    // The stored ghost count of each NumGhosts button ("MAX" stores 20).
    static constexpr std::array<std::int16_t, 4> GhostCounts = {0, 1, 2, 20};

    // Controls, in the order they are laid out.
    platform::PictureBox TambloSpeedImage{*this};
    platform::HScrollBar TambloSpeedScroll{*this};
    platform::PictureBox GhostSpeedImage{*this};
    platform::HScrollBar GhostSpeedScroll{*this};
    platform::PictureBox NumGhostsImage{*this};
    platform::Frame NumGhostsFrame{*this};
    std::array<platform::OptionButton, 4> NumGhosts{
        platform::OptionButton(*this), platform::OptionButton(*this), platform::OptionButton(*this),
        platform::OptionButton(*this)};
    std::array<platform::OptionButton, 2> modeOption{platform::OptionButton(*this),
                                                     platform::OptionButton(*this)};
    platform::CheckBox MusicButton{*this};
    platform::CheckBox FxButton{*this};

protected:
    void Form_Load() override;
    void SaveSettings() override;

private:
    void LayOut();
    void ShowSettings();
};
