// Fuzz target for the Krevin map reader: any file loads without harm, the map is never empty, no
// visible brick has a type without a picture, and the visible bricks of a map that loads, saved and
// read again, come back in the same order with the same fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz/MapText.h"
#include "games/krevin/KrevinCommon.h"

namespace {

namespace kc = KrevinCommon;

struct Brick {
    std::int32_t id;
    double x, y;
    std::int32_t width, height;
    bool operator==(const Brick&) const = default;
};

std::vector<Brick> VisibleBricks()
{
    if (kc::MapBricks.empty()) {
        std::abort();
    }
    std::vector<Brick> bricks;
    for (const SpriteClass& brick : kc::MapBricks) {
        if (!brick.visible) {
            continue;
        }
        if (brick.id < 0 || brick.id >= kc::BrickTypeCount) {
            std::abort();
        }
        bricks.push_back({brick.id, brick.X, brick.Y, brick.width, brick.Height});
    }
    return bricks;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzzsupport::AtEnd release{kc::ClearBricks};
    platform::ListReader reader = fuzzsupport::InputReader(data, size);
    kc::MapBackground.id = 0;
    const bool loaded = kc::ReadMap(reader);
    const std::vector<Brick> first = VisibleBricks();
    if (!loaded) {
        return 0;
    }
    const std::int32_t background = kc::MapBackground.id;

    platform::ListReader again = fuzzsupport::Rewritten(kc::WriteMap);
    kc::MapBackground.id = -1;
    const bool reloaded = kc::ReadMap(again);
    if (!reloaded || kc::MapBackground.id != background || VisibleBricks() != first) {
        std::abort();
    }
    return 0;
}
