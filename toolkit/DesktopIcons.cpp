// DesktopIcons: saving and restoring the desktop icon layout through the desktop list view.
#include "toolkit/DesktopIcons.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace DesktopIcons {
namespace {

namespace desktop = platform::desktop;

std::vector<desktop::POINT> iconPositions; // by item index
bool autoArrangeWasOn = false;

void ToggleAutoArrange(desktop::Hwnd listView)
{
    desktop::SendMessageA(desktop::GetParent(listView), desktop::WM_COMMAND,
                          desktop::DesktopToggleAutoArrange, 0);
}

// x in the low 16 bits, y in the high 16 bits.
desktop::Lparam PackPoint(const desktop::POINT& point)
{
    const auto low = static_cast<std::uint16_t>(point.x);
    const auto high = static_cast<std::uint16_t>(point.y);
    return static_cast<desktop::Lparam>((std::uint32_t{high} << 16) | low);
}

} // namespace

desktop::Hwnd FindDesktopListView()
{
    const desktop::Hwnd progman = desktop::FindWindowA("Progman", nullptr);
    if (progman == 0) {
        return 0;
    }
    const desktop::Hwnd view = desktop::FindWindowExA(progman, 0, "SHELLDLL_defVIEW", nullptr);
    if (view == 0) {
        return 0;
    }
    return desktop::FindWindowExA(view, 0, "SysListView32", nullptr);
}

bool SaveIconPositions()
{
    const desktop::Hwnd listView = FindDesktopListView();
    if (listView == 0) {
        return false;
    }
    // With auto-arrange on, the view would rearrange the icons after the display switch.
    if ((desktop::GetWindowLongA(listView, desktop::GWL_STYLE) & desktop::LVS_AUTOARRANGE) != 0) {
        autoArrangeWasOn = true;
        ToggleAutoArrange(listView);
    }
    const desktop::Lparam count = desktop::SendMessageA(listView, desktop::LVM_GETITEMCOUNT, 0, 0);
    iconPositions.clear();
    if (count <= 0) {
        return false;
    }
    std::vector<desktop::POINT> positions(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < positions.size(); ++i) {
        // A position that cannot be read would pile that icon at (0, 0) on restore: save none.
        if (!desktop::ListView_GetItemPosition(listView, static_cast<std::int32_t>(i),
                                               &positions[i])) {
            return false;
        }
    }
    iconPositions = std::move(positions);
    return true;
}

void RestoreIconPositions()
{
    const desktop::Hwnd listView = FindDesktopListView();
    if (listView == 0) {
        return;
    }
    const desktop::Lparam count = desktop::SendMessageA(listView, desktop::LVM_GETITEMCOUNT, 0, 0);
    for (desktop::Lparam i = 0; i < count && static_cast<std::size_t>(i) < iconPositions.size();
         ++i) {
        const desktop::Lparam placed =
            desktop::SendMessageA(listView, desktop::LVM_SETITEMPOSITION, i,
                                  PackPoint(iconPositions[static_cast<std::size_t>(i)]));
        if (placed == 0) {
            break;
        }
    }
    // Also after an early stop: the desktop must not be left without auto-arrange.
    if (autoArrangeWasOn) {
        ToggleAutoArrange(listView);
        autoArrangeWasOn = false;
    }
}

} // namespace DesktopIcons
