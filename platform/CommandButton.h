// Command buttons: a caption or a picture that the user presses with the mouse, Space or Enter.
#pragma once

#include "platform/ButtonControl.h"

namespace platform {

// Click follows every press. With the graphical style the picture shows (DownPicture while held
// down, where there is one).
class CommandButton : public ButtonControl {
public:
    explicit CommandButton(Form& parent);

protected:
    bool PressesOnEnter() const override { return true; }
};

} // namespace platform
