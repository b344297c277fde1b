// DesktopIcons: records the place of every desktop icon before the display switch and puts the
// icons back at exit, with the desktop's auto-arrange off in between.
#pragma once

#include "platform/Desktop.h"

namespace DesktopIcons {

// Reads every icon's position; false when there is no desktop list view, no icon, or a position
// could not be read (then nothing is restored but auto-arrange).
bool SaveIconPositions();
// Puts the icons back where the save found them, stopping at the first icon without a saved
// place, then switches auto-arrange on again if the save switched it off.
void RestoreIconPositions();
// The desktop's icon list view: "SysListView32" in "SHELLDLL_DefView" in "Progman"; 0 when absent.
platform::desktop::Hwnd FindDesktopListView();

} // namespace DesktopIcons
