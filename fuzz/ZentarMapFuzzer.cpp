// Fuzz target for the Zentar map reader: any file loads without harm, the map is never empty and
// every visible alien names a picture; a map that loads, written out again, reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz/MapText.h"
#include "games/zentar/ZentarCommon.h"

namespace {

namespace zc = ZentarCommon;

struct Snapshot {
    std::vector<SpriteClass> aliens;
    std::int32_t background = 0;
};

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
    const fuzzsupport::AtEnd release{zc::ClearMap};
    platform::ListReader reader = fuzzsupport::InputReader(data, size);
    zc::MapBackground.id = 0;
    const bool loaded = zc::ReadMap(reader);
    CheckInvariants();
    if (!loaded) {
        return 0;
    }
    const Snapshot first{zc::MapAliens, zc::MapBackground.id};

    platform::ListReader again = fuzzsupport::Rewritten(zc::WriteMap);
    zc::MapBackground.id = -1;
    const bool reloaded = zc::ReadMap(again);
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
