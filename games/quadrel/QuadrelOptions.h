// QuadrelOptions: the falling-blocks game's options dialog: the move interval, the fall speed, the
// mode, music and effects, stored in section "Quadrel" when it closes through OK.
#pragma once

#include <array>

#include "games/shared/GameOptions.h"
#include "platform/CheckBox.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

class QuadrelOptions : public GameOptions {
public:
    QuadrelOptions();

    // Controls, in the order they are laid out.
    platform::PictureBox MoveSpeedImage{*this};
    platform::HScrollBar MoveSpeedScroll{*this};
    platform::PictureBox FallSpeedImage{*this};
    platform::HScrollBar FallSpeedScroll{*this};
    std::array<platform::OptionButton, 2> modeOption{platform::OptionButton(*this),
                                                     platform::OptionButton(*this)};
    platform::CheckBox MusicButton{*this};
    platform::CheckBox FxButton{*this};

protected:
    void Form_Load() override;
    void SaveSettings() override;
};
