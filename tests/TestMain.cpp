// Test entry point: every test runs in the program folder, on the virtual clock and the headless
// backend, with temporary settings and config folders, never the user's own.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/Clock.h"
#include "platform/Headless.h"
#include "platform/HeadlessDevices.h"
#include "platform/Paths.h"

int main(int argc, char** argv)
{
    const auto root =
        std::filesystem::temp_directory_path() / ("vandrel-tests-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "config");
    std::filesystem::create_directories(root / "runtime");
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    platform::virtualclock::Enable(true);
    platform::headless::Install();
    platform::headless::UseDevices(true);
    // The folder the tests start in holds the programs' data: it stands for the program folder.
    platform::SetProgramFolder(std::filesystem::current_path());

    ::testing::InitGoogleTest(&argc, argv);
    std::error_code ignored;
    // The tests read the generated pictures, sounds and maps of the program folder, where ctest
    // starts them; started elsewhere they would wait for windows that never load.
    if (!GTEST_FLAG_GET(list_tests) && !std::filesystem::equivalent(std::filesystem::current_path(),
                                                                    VANDREL_PROGRAM_DIR, ignored)) {
        std::fprintf(stderr, "vandrel: the tests run in the program folder %s, not in %s\n",
                     VANDREL_PROGRAM_DIR, std::filesystem::current_path().c_str());
        std::filesystem::remove_all(root, ignored);
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(root, ignored);
    return result;
}
