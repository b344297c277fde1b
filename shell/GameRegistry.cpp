// The table of registered game windows.
#include "shell/GameRegistry.h"

#include <array>

namespace GameRegistry {

namespace {

// Constant-initialised, so that registrations from static initialisers of other files find it
// ready whatever their order.
std::array<WindowFunction, GameCount> windows{};

} // namespace

bool Register(Game game, WindowFunction window)
{
    const auto index = static_cast<std::int16_t>(game);
    if (index >= 0 && index < GameCount) {
        windows[static_cast<std::size_t>(index)] = window;
    }
    return true;
}

platform::Form* GameWindow(std::int16_t index)
{
    if (index < 0 || index >= GameCount) {
        return nullptr;
    }
    const WindowFunction window = windows[static_cast<std::size_t>(index)];
    return window != nullptr ? &window() : nullptr;
}

} // namespace GameRegistry
