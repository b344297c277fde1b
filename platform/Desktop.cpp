// The desktop icon list view (only the headless desktop has one), the per-user instance lock and
// the desktop text height.
#include "platform/Desktop.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <unistd.h>

#include "platform/Ascii.h"

namespace platform {
namespace {

constexpr desktop::Hwnd ProgmanWindow = 1;
constexpr desktop::Hwnd DefViewWindow = 2;
constexpr desktop::Hwnd ListViewWindow = 3;
constexpr std::int32_t ChildVisibleStyle = 0x50000000;
constexpr std::int32_t NormalTextHeight = 16;

struct DesktopState {
    bool headless = false;
    headless::FakeDesktop fake;
    std::int32_t textHeight = NormalTextHeight;
};

DesktopState& State()
{
    static DesktopState state;
    return state;
}

bool Matches(const char* wanted, std::string_view actual)
{
    if (wanted == nullptr) {
        return true;
    }
    return EqualsIgnoringCase(wanted, actual);
}

bool HasFakeDesktop()
{
    return State().headless && State().fake.present;
}

// Sign-extends the low 16 bits, as a packed coordinate is read back.
std::int32_t Signed16(std::int64_t value)
{
    const auto low = static_cast<std::int32_t>(value & 0xFFFF);
    return low >= 0x8000 ? low - 0x10000 : low;
}

std::filesystem::path LockFolder()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != 0) {
        return std::filesystem::path(runtime) / "vandrel";
    }
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != 0) {
        return std::filesystem::path(config) / "vandrel";
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / ".config" / "vandrel";
}

std::string ProgramName()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("vandrel") : exe.filename().string();
}

} // namespace

namespace desktop {

Hwnd FindWindowA(const char* className, const char* windowName)
{
    return HasFakeDesktop() && Matches(className, "Progman") &&
                   Matches(windowName, "Program Manager")
               ? ProgmanWindow
               : 0;
}

Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className, const char* windowName)
{
    if (!HasFakeDesktop() || childAfter != 0 || !Matches(windowName, "")) {
        return 0;
    }
    if (parent == ProgmanWindow && Matches(className, "SHELLDLL_DefView")) {
        return DefViewWindow;
    }
    if (parent == DefViewWindow && Matches(className, "SysListView32")) {
        return ListViewWindow;
    }
    return 0;
}

Hwnd GetParent(Hwnd window)
{
    if (!HasFakeDesktop()) {
        return 0;
    }
    return window == ListViewWindow ? DefViewWindow : window == DefViewWindow ? ProgmanWindow : 0;
}

std::int32_t GetWindowLongA(Hwnd window, std::int32_t index)
{
    if (!HasFakeDesktop() || window != ListViewWindow || index != GWL_STYLE) {
        return 0;
    }
    return ChildVisibleStyle | (State().fake.autoArrange ? LVS_AUTOARRANGE : 0);
}

Lparam SendMessageA(Hwnd window, std::uint32_t message, std::int64_t wParam, Lparam lParam)
{
    if (!HasFakeDesktop() || State().fake.failCalls) {
        return 0;
    }
    auto& fake = State().fake;
    if (window == ListViewWindow && message == LVM_GETITEMCOUNT) {
        return static_cast<Lparam>(fake.icons.size());
    }
    if (window == ListViewWindow && message == LVM_SETITEMPOSITION) {
        if (wParam < 0 || wParam >= static_cast<std::int64_t>(fake.icons.size())) {
            return 0;
        }
        fake.placements.push_back(lParam);
        if (!fake.autoArrange) {
            fake.icons[static_cast<std::size_t>(wParam)] = {Signed16(lParam),
                                                            Signed16(lParam >> 16)};
        }
        return 1;
    }
    if (window == DefViewWindow && message == WM_COMMAND && wParam == DesktopToggleAutoArrange) {
        fake.autoArrange = !fake.autoArrange;
        ++fake.toggles;
    }
    return 0;
}

bool ListView_GetItemPosition(Hwnd listView, std::int32_t item, POINT* position)
{
    if (!HasFakeDesktop() || State().fake.failCalls || listView != ListViewWindow ||
        position == nullptr || item < 0 ||
        static_cast<std::size_t>(item) >= State().fake.icons.size()) {
        return false;
    }
    *position = State().fake.icons[static_cast<std::size_t>(item)];
    return true;
}

} // namespace desktop

bool AnotherInstanceRunning()
{
    static int heldLock = -1;
    if (heldLock >= 0) {
        return false;
    }
    const auto folder = LockFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const auto path = folder / (ProgramName() + ".lock");
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        std::fprintf(stderr, "vandrel: cannot open the instance lock %s: %s\n", path.c_str(),
                     std::strerror(errno));
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        heldLock = fd;
        return false;
    }
    const bool taken = errno == EWOULDBLOCK;
    ::close(fd);
    return taken;
}

std::int32_t DesktopTextHeight()
{
    return State().headless ? State().textHeight : NormalTextHeight;
}

namespace headless {

void UseDesktop(bool on)
{
    State() = DesktopState{};
    State().headless = on;
}

FakeDesktop& Desktop()
{
    return State().fake;
}

void SetDesktopTextHeight(std::int32_t height)
{
    State().textHeight = height;
}

} // namespace headless
} // namespace platform
