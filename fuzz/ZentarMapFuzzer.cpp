// Fuzz target for the Zentar map reader: any file loads without harm, the map is never empty and
// every visible alien names a picture; a map that loads, written out again, reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "games/zentar/ZentarCommon.h"

namespace {

namespace zc = ZentarCommon;

struct Snapshot {
    std::vector<SpriteClass> aliens;
    std::int32_t background = 0;
};

std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() /
            ("vandrel-zentar-fuzz-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

void CheckInvariants()
{
    if (zc::MapAliens.empty()) {
        std::abort();
    }
    for (const SpriteClass& alien : zc::MapAliens) {
        if (alien.visible && (alien.id < 0 || alien.id >= zc::AlienTypeCount)) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = TempPath("in.map");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    zc::MapBackground.id = 0;
    const bool loaded = zc::LoadMap(path);
    std::filesystem::remove(path);
    CheckInvariants();
    if (!loaded) {
        return 0;
    }
    const Snapshot first{zc::MapAliens, zc::MapBackground.id};

    const std::string again = TempPath("again.map");
    if (!zc::SaveMap(again)) {
        std::abort();
    }
    zc::MapBackground.id = -1;
    const bool reloaded = zc::LoadMap(again);
    std::filesystem::remove(again);
    if (!reloaded || zc::MapBackground.id != first.background ||
        zc::MapAliens.size() != first.aliens.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < first.aliens.size(); ++i) {
        const SpriteClass& a = first.aliens[i];
        const SpriteClass& b = zc::MapAliens[i];
        if (a.visible != b.visible || a.id != b.id || a.X != b.X || a.Y != b.Y) {
            std::abort();
        }
    }
    return 0;
}
