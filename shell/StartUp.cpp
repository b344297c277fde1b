// Start-up and its undoing: the steps of the launcher object's creation and of the program's end.
#include "shell/StartUp.h"

#include "common/Common.h"
#include "platform/Desktop.h"
#include "platform/Input.h"
#include "platform/Paths.h"
#include "toolkit/DesktopIcons.h"
#include "toolkit/GameUtil.h"

namespace StartUp {

bool BeginProgram()
{
    GameUtil::CheckLargeFonts();
    platform::SetProgramFolderAsCurrent();
    if (platform::AnotherInstanceRunning()) {
        return true;
    }
    // The icon layout is saved before the display change may disturb it.
    DesktopIcons::SaveIconPositions();
    Common::gFullScreen = true;
    if ((platform::GetKeyState(platform::vbKeyShift) & 0x1000) != 0) {
        Common::gFullScreen = false;
        return false;
    }
    for (const std::int16_t bits : DisplayDepths) {
        if (GameUtil::SetDisplayMode(800, 600, bits)) {
            return false;
        }
    }
    Common::gFullScreen = false;
    return false;
}

void EndProgram()
{
    GameUtil::RestoreDisplayMode();
    DesktopIcons::RestoreIconPositions();
}

} // namespace StartUp
