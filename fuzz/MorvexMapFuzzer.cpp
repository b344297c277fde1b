// Fuzz target for the Morvex map reader: any file loads without harm and never leaves the map
// without its first entry; a map that loads, saved and read again, writes out the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "games/morvex/MorvexCommon.h"
#include "platform/ListFile.h"

namespace {

namespace mc = MorvexCommon;

// The map as the writer puts it, kept in memory.
std::string Written()
{
    platform::ListWriter writer;
    mc::WriteMap(writer);
    return writer.Contents();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("vandrel-morvex-fuzz-" + std::to_string(::getpid()) + ".map"))
                                 .string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    mc::MapBackground.id = 0;
    const bool loaded = mc::LoadMap(path);
    if (mc::MapRocks.empty()) {
        std::abort();
    }
    if (loaded) {
        const std::string first = Written();
        if (!mc::SaveMap(path)) {
            std::abort();
        }
        mc::MapBackground.id = -1;
        if (!mc::LoadMap(path) || Written() != first) {
            std::abort();
        }
    }
    std::filesystem::remove(path);
    return 0;
}
