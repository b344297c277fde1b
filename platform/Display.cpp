// Display modes over the backend's list: the current mode starts as the desktop's; a change to any
// other listed mode means full screen, a change back to the desktop's mode a window.
#include "platform/Display.h"

#include <optional>
#include <vector>

#include "platform/Backend.h"
#include "platform/WindowSystem.h"

namespace platform {
namespace {

struct DisplayState {
    std::optional<DevMode> current;
    bool fullScreen = false;
};

DisplayState& State()
{
    static DisplayState state;
    return state;
}

DevMode CurrentMode()
{
    DisplayState& state = State();
    if (!state.current) {
        state.current = backend::Current().DesktopMode();
    }
    return *state.current;
}

bool SameMode(const DevMode& a, const DevMode& b)
{
    return a.dmPelsWidth == b.dmPelsWidth && a.dmPelsHeight == b.dmPelsHeight &&
           a.dmBitsPerPel == b.dmBitsPerPel;
}

} // namespace

namespace detail {
void ResetDisplay()
{
    State() = DisplayState{};
}
} // namespace detail

bool EnumDisplaySettingsA(std::int32_t modeNum, DevMode* mode)
{
    if (mode == nullptr) {
        return false;
    }
    if (modeNum == ENUM_CURRENT_SETTINGS) {
        *mode = CurrentMode();
        return true;
    }
    const std::vector<DevMode> modes = backend::Current().DisplayModes();
    if (modeNum < 0 || static_cast<std::size_t>(modeNum) >= modes.size()) {
        return false;
    }
    *mode = modes[static_cast<std::size_t>(modeNum)];
    return true;
}

std::int32_t ChangeDisplaySettingsA(const DevMode* mode, std::uint32_t flags)
{
    backend::Backend& backend = backend::Current();
    const DevMode desktop = backend.DesktopMode();
    const DevMode requested = mode != nullptr ? *mode : desktop;
    std::optional<DevMode> listed;
    for (const DevMode& candidate : backend.DisplayModes()) {
        if (SameMode(candidate, requested)) {
            listed = candidate;
            break;
        }
    }
    std::int32_t result = DISP_CHANGE_BADMODE;
    if (listed) {
        result = DISP_CHANGE_SUCCESSFUL;
        if ((flags & CDS_TEST) == 0) {
            State().current = *listed;
            SetFullScreen(!SameMode(*listed, desktop));
        }
    }
    backend.DisplayChangeAttempted(requested, flags, result);
    return result;
}

void SetFullScreen(bool on)
{
    State().fullScreen = on;
    backend::Current().SetFullScreen(on);
}

bool FullScreen()
{
    return State().fullScreen;
}

std::int32_t DesktopWidth()
{
    return backend::Current().DesktopWidth();
}

} // namespace platform
