// The backend in use.
#include "platform/Backend.h"

#include "platform/WindowSystem.h"

namespace platform::backend {
namespace {

std::unique_ptr<Backend>& Installed()
{
    static std::unique_ptr<Backend> backend;
    return backend;
}

} // namespace

Backend& Current()
{
    std::unique_ptr<Backend>& backend = Installed();
    if (!backend) {
        backend = CreateSdl();
    }
    return *backend;
}

void Install(std::unique_ptr<Backend> backend)
{
    Installed() = std::move(backend);
    detail::ResetInput();
    detail::ResetScreenWindow();
    detail::ResetDisplay();
}

} // namespace platform::backend
