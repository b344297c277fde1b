// LupidoOptions: the crossing game's options dialog: the mode, music and effects in one row of
// pictures, stored in section "Lupido" when it closes through OK.
#pragma once

#include <array>

#include "games/shared/GameOptions.h"
#include "platform/CheckBox.h"
#include "platform/OptionButton.h"

class LupidoOptions : public GameOptions {
public:
    LupidoOptions();

    // Controls, in the order they are laid out.
    std::array<platform::OptionButton, 2> modeOption{platform::OptionButton(*this),
                                                     platform::OptionButton(*this)};
    platform::CheckBox MusicButton{*this};
    platform::CheckBox FxButton{*this};

protected:
    void Form_Load() override;
    void SaveSettings() override;
};
