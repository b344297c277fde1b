// A folder of the fuzz process's own for the files a target writes (in memory under /dev/shm when
// the machine has it), made at the first call, with XDG_CONFIG_HOME pointing into it, and removed
// when the process ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fuzzsupport {

inline const std::filesystem::path& ScratchFolder()
{
    static const std::filesystem::path folder = [] {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path base =
            fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path made = base / ("vandrel-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(made, error);
        fs::create_directories(made / "config");
        ::setenv("XDG_CONFIG_HOME", (made / "config").c_str(), 1);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return made;
    }();
    return folder;
}

} // namespace fuzzsupport
