// Key state, the pending-event queue and the pointer calls.
#include "platform/Input.h"

#include <cstdlib>
#include <cstring>

#include "platform/WindowSystem.h"

namespace platform {
namespace backend {

void EventQueue::Push(const Event& event)
{
    if (event.kind == EventKind::MouseMove && Size() > 0 &&
        items_.back().kind == EventKind::MouseMove) {
        items_.back() = event;
        return;
    }
    items_.push_back(event);
}

bool EventQueue::Pop(Event* event)
{
    if (head_ >= items_.size()) {
        Clear();
        return false;
    }
    *event = items_[head_++];
    if (head_ == items_.size()) {
        Clear();
    }
    return true;
}

void EventQueue::Clear()
{
    items_.clear();
    head_ = 0;
}

} // namespace backend

namespace detail {
namespace {

constexpr std::uint16_t HeldBits = 0x9000;
constexpr std::uint16_t ToggleBit = 0x0001;

bool Held(std::int32_t key)
{
    return (System().keys[static_cast<std::size_t>(key)] & HeldBits) != 0;
}

bool WindowedByEnvironment()
{
    const char* value = std::getenv("VANDREL_WINDOWED");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

} // namespace

void KeyStateDown(std::int16_t key)
{
    if (key < 0 || key > 255) {
        return;
    }
    std::uint16_t& state = System().keys[static_cast<std::size_t>(key)];
    if ((state & HeldBits) == 0) {
        state = static_cast<std::uint16_t>((state ^ ToggleBit) | HeldBits);
    }
}

void KeyStateUp(std::int16_t key)
{
    if (key < 0 || key > 255) {
        return;
    }
    std::uint16_t& state = System().keys[static_cast<std::size_t>(key)];
    state = static_cast<std::uint16_t>(state & ~HeldBits);
}

std::int16_t ShiftState()
{
    std::int16_t shift = 0;
    if (Held(vbKeyShift)) {
        shift |= vbShiftMask;
    }
    if (Held(vbKeyControl)) {
        shift |= vbCtrlMask;
    }
    if (Held(vbKeyMenu)) {
        shift |= vbAltMask;
    }
    return shift;
}

void ResetInput()
{
    WindowSystem& system = System();
    system.queue.Clear();
    system.keys.fill(0);
    system.pointer = {ScreenWidth / 2, ScreenHeight / 2};
    system.buttons = 0;
    system.captureForm = nullptr;
    system.closeBoxPressed = nullptr;
    system.anyFormShown = false;
    system.screenDirty = true;
    system.shownPointer = MousePointer::Default;
}

} // namespace detail

std::int16_t GetKeyState(std::int32_t virtualKey)
{
    if (virtualKey < 0 || virtualKey > 255) {
        return 0;
    }
    const detail::WindowSystem& system = detail::System();
    std::uint16_t state = system.keys[static_cast<std::size_t>(virtualKey)];
    if (virtualKey == vbKeyShift && !system.anyFormShown && (state & detail::HeldBits) == 0 &&
        (detail::WindowedByEnvironment() || backend::Current().ShiftHeldNow())) {
        state |= detail::HeldBits;
    }
    return static_cast<std::int16_t>(state);
}

bool GetCursorPos(Point* point)
{
    if (point == nullptr) {
        return false;
    }
    *point = detail::System().pointer;
    return true;
}

bool SetCursorPos(std::int32_t x, std::int32_t y)
{
    detail::WindowSystem& system = detail::System();
    system.pointer = {x, y};
    backend::Current().WarpPointer(x, y);
    system.queue.Push(backend::Event{backend::EventKind::MouseMove, 0, x, y, false});
    return true;
}

bool ClientToScreen(const Form& form, Point* point)
{
    if (point == nullptr || !form.IsLoaded()) {
        return false;
    }
    const Point origin = detail::ClientOrigin(form);
    point->x += origin.x;
    point->y += origin.y;
    return true;
}

bool ScreenToClient(const Form& form, Point* point)
{
    if (point == nullptr || !form.IsLoaded()) {
        return false;
    }
    const Point origin = detail::ClientOrigin(form);
    point->x -= origin.x;
    point->y -= origin.y;
    return true;
}

} // namespace platform
