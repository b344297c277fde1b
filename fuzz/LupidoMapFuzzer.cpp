// Fuzz target for the Lupido map reader: any file loads without harm, every array keeps an element
// and every visible lane names a picture; a map that loads, saved again, reads back the same, its
// speed factors to the bit.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz/MapText.h"
#include "games/lupido/LupidoCommon.h"

namespace {

namespace lc = LupidoCommon;

std::vector<std::vector<SpriteClass>*> Arrays()
{
    return {&lc::MapRoads, &lc::MapCars,    &lc::MapRivers,
            &lc::MapLogs,  &lc::MapFlowers, &lc::MapBushes};
}

bool Same(const SpriteClass& a, const SpriteClass& b)
{
    return a.visible == b.visible && a.id == b.id && a.X == b.X && a.Y == b.Y &&
           std::bit_cast<std::uint64_t>(a.xMov) == std::bit_cast<std::uint64_t>(b.xMov);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzzsupport::AtEnd release{lc::ClearMap};
    platform::ListReader reader = fuzzsupport::InputReader(data, size);
    const bool loaded = lc::ReadMap(reader);
    for (const auto* array : Arrays()) {
        if (array->empty()) {
            std::abort();
        }
    }
    for (const auto* lanes : {&lc::MapRoads, &lc::MapRivers}) {
        for (const SpriteClass& lane : *lanes) {
            if (lane.visible && (lane.id < 0 || lane.id >= lc::LaneVariants)) {
                std::abort();
            }
        }
    }
    if (!loaded) {
        return 0;
    }
    std::vector<std::vector<SpriteClass>> first;
    for (const auto* array : Arrays()) {
        first.push_back(*array);
    }
    platform::ListReader again = fuzzsupport::Rewritten(lc::WriteMap);
    if (!lc::ReadMap(again)) {
        std::abort();
    }
    const auto arrays = Arrays();
    for (std::size_t k = 0; k < arrays.size(); ++k) {
        if (arrays[k]->size() != first[k].size()) {
            std::abort();
        }
        for (std::size_t i = 0; i < first[k].size(); ++i) {
            if (first[k][i].visible && !Same(first[k][i], (*arrays[k])[i])) {
                std::abort();
            }
        }
    }
    return 0;
}
