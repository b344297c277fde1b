// GameUtil::SaveScreenShot: the active window's client area saved as a 24-bit BMP file.
#include <iostream>
#include <optional>

#include "platform/Picture.h"
#include "platform/Screenshot.h"
#include "toolkit/GameUtil.h"

namespace GameUtil {

void SaveScreenShot(std::string_view fileName)
{
    const std::optional<platform::Bitmap> picture = platform::CaptureActiveWindow();
    if (!picture) {
        std::cerr << "vandrel: no active window to save as " << fileName << "\n";
        return;
    }
    // A failed write is reported by the writer on standard error; the game goes on.
    platform::SaveBitmapFile(*picture, fileName);
}

} // namespace GameUtil
