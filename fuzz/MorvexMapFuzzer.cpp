// Fuzz target for the Morvex map reader: any file loads without harm and never leaves the map
// without its first entry; a map that loads, saved and read again, writes out the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/MapText.h"
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
    const fuzzsupport::AtEnd release{mc::ClearMap};
    platform::ListReader reader = fuzzsupport::InputReader(data, size);
    mc::MapBackground.id = 0;
    const bool loaded = mc::ReadMap(reader);
    if (mc::MapRocks.empty()) {
        std::abort();
    }
    if (loaded) {
        const std::string first = Written();
        platform::ListReader again(first);
        mc::MapBackground.id = -1;
        if (!mc::ReadMap(again) || Written() != first) {
            std::abort();
        }
    }
    return 0;
}
