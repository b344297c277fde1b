// The picture of the active window, as the screenshot key takes it: the client area of the form
// that has the input, as it shows on the screen (controls included).
#pragma once

#include <optional>

#include "platform/Gdi.h"

namespace platform {

// Nothing when no form is shown.
std::optional<Bitmap> CaptureActiveWindow();

} // namespace platform
