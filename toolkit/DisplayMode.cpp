// GameUtil's display procedures: the switch to a display mode and back, and the large-font scale.
#include <cstdint>

#include "platform/Desktop.h"
#include "platform/Display.h"
#include "toolkit/GameUtil.h"

namespace GameUtil {
namespace {

platform::DevMode startupMode; // the mode in force at the first switch, for the way back
bool startupModeSaved = false;

constexpr std::int32_t NormalTextHeight = 16;

bool Matches(const platform::DevMode& mode, std::int16_t width, std::int16_t height,
             std::int16_t bitsPerPixel)
{
    return std::int64_t{mode.dmPelsWidth} == width && std::int64_t{mode.dmPelsHeight} == height &&
           std::int64_t{mode.dmBitsPerPel} == bitsPerPixel;
}

} // namespace

bool SetDisplayMode(std::int16_t aWidth, std::int16_t aHeight, std::int16_t aBitsPerPixel)
{
    if (!startupModeSaved) {
        platform::EnumDisplaySettingsA(platform::ENUM_CURRENT_SETTINGS, &startupMode);
        startupModeSaved = true;
    }
    platform::DevMode current;
    platform::EnumDisplaySettingsA(platform::ENUM_CURRENT_SETTINGS, &current);
    if (Matches(current, aWidth, aHeight, aBitsPerPixel)) {
        return true;
    }
    // The first listed mode of that size and depth is applied as listed, refresh rate included;
    // later ones with other refresh rates are not tried.
    platform::DevMode mode;
    for (std::int32_t index = 0; platform::EnumDisplaySettingsA(index, &mode); ++index) {
        if (Matches(mode, aWidth, aHeight, aBitsPerPixel)) {
            return platform::ChangeDisplaySettingsA(&mode, 0) == platform::DISP_CHANGE_SUCCESSFUL;
        }
    }
    return false;
}

void RestoreDisplayMode()
{
    // Read before the switch saves anything: without an earlier switch this asks for a 0 x 0 mode,
    // which no display lists, and so changes nothing.
    const platform::DevMode saved = startupMode;
    SetDisplayMode(static_cast<std::int16_t>(saved.dmPelsWidth),
                   static_cast<std::int16_t>(saved.dmPelsHeight),
                   static_cast<std::int16_t>(saved.dmBitsPerPel));
}

bool CheckLargeFonts()
{
    const std::int32_t height = platform::DesktopTextHeight();
    if (height <= 0) {
        return false; // no desktop to ask: the scale stays as it was
    }
    gFontScale = 1;
    if (height > NormalTextHeight) {
        gFontScale = static_cast<double>(NormalTextHeight) / height;
        return true;
    }
    return false;
}

} // namespace GameUtil
