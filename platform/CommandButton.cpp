// Command buttons: a flat face in the controls' face colour.
#include "platform/CommandButton.h"

#include "platform/ControlPaint.h"

namespace platform {

CommandButton::CommandButton(Form& parent) : ButtonControl(parent, detail::FaceColor) {}

} // namespace platform
