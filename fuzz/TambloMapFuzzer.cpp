// Fuzz target for the Tamblo map reader: in both modes any input leaves every cell with a tile id
// from 0 to 17, and a map that reads, written again, reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/Common.h"
#include "games/tamblo/TambloCommon.h"
#include "platform/ListFile.h"

namespace {

std::vector<std::int32_t> Ids()
{
    std::vector<std::int32_t> ids;
    for (const SpriteClass& cell : TambloCommon::Tiles) {
        ids.push_back(cell.id);
    }
    return ids;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* mode : {"easy", "normal"}) {
        Common::gMode = mode;
        TambloCommon::BuildGrid();
        platform::ListReader reader(text);
        const bool read = TambloCommon::ReadMap(reader);
        const std::vector<std::int32_t> ids = Ids();
        for (const std::int32_t id : ids) {
            if (id < 0 || id > 17) {
                std::abort();
            }
        }
        if (!read) {
            continue;
        }
        platform::ListWriter writer;
        TambloCommon::WriteMap(writer);
        TambloCommon::BuildGrid();
        platform::ListReader again(writer.Contents());
        if (!TambloCommon::ReadMap(again) || Ids() != ids) {
            std::abort();
        }
    }
    return 0;
}
