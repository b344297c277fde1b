// Display modes: enumerating and changing them. The real display is never switched: a change to
// 800 x 600 puts the screen in full screen with its 800 x 600 picture scaled and letterboxed, a
// change back to the desktop's own mode returns it to an 800 x 600 window.
#pragma once

#include <cstdint>

namespace platform {

// The fields of a display-mode record that the program reads and passes back.
struct DevMode {
    std::uint32_t dmBitsPerPel = 0;
    std::uint32_t dmPelsWidth = 0;
    std::uint32_t dmPelsHeight = 0;
    std::uint32_t dmDisplayFrequency = 0;
    std::uint32_t dmFields = 0;
    bool operator==(const DevMode&) const = default;
};

inline constexpr std::uint32_t DM_BITSPERPEL = 0x00040000;
inline constexpr std::uint32_t DM_PELSWIDTH = 0x00080000;
inline constexpr std::uint32_t DM_PELSHEIGHT = 0x00100000;
inline constexpr std::uint32_t DM_DISPLAYFREQUENCY = 0x00400000;

inline constexpr std::int32_t ENUM_CURRENT_SETTINGS = -1;

inline constexpr std::uint32_t CDS_UPDATEREGISTRY = 0x01;
inline constexpr std::uint32_t CDS_TEST = 0x02;
inline constexpr std::uint32_t CDS_FULLSCREEN = 0x04;

inline constexpr std::int32_t DISP_CHANGE_SUCCESSFUL = 0;
inline constexpr std::int32_t DISP_CHANGE_RESTART = 1;
inline constexpr std::int32_t DISP_CHANGE_FAILED = -1;
inline constexpr std::int32_t DISP_CHANGE_BADMODE = -2;

// Mode number modeNum of the list (0, 1, ...), or the current mode for ENUM_CURRENT_SETTINGS;
// false past the end of the list. The current mode at start is the desktop's own.
bool EnumDisplaySettingsA(std::int32_t modeNum, DevMode* mode);
// Applies a listed mode (width, height and depth must match one); nullptr returns to the desktop's
// mode. CDS_TEST only checks. Answers DISP_CHANGE_SUCCESSFUL or DISP_CHANGE_BADMODE.
std::int32_t ChangeDisplaySettingsA(const DevMode* mode, std::uint32_t flags);

// Full screen (the 800 x 600 picture scaled to the display and letterboxed) or an 800 x 600
// window; a change to 800 x 600 switches it on, a return to the desktop's mode off.
void SetFullScreen(bool on);
bool FullScreen();

// The desktop's width in pixels, whatever the screen picture's size.
std::int32_t DesktopWidth();

} // namespace platform
