// Fuzz target for the Quadrel map reader, in both modes: any file loads without harm, no template
// holds a block id above 6, never more templates than the mode's; a map that loads, saved again,
// reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "common/Common.h"
#include "fuzz/MapText.h"
#include "games/quadrel/QuadrelCommon.h"

namespace {

namespace qc = QuadrelCommon;

void CheckInvariants()
{
    if (qc::MapTemplates.size() > qc::TemplateCount()) {
        std::abort();
    }
    for (const qc::PieceTemplate& pieceTemplate : qc::MapTemplates) {
        for (const SpriteClass& cell : pieceTemplate) {
            if (cell.id > qc::MaxBlockId || cell.width != qc::CellSize()) {
                std::abort();
            }
        }
    }
}

// X, Y, id and width of every cell of the map, in order.
std::vector<std::tuple<double, double, std::int32_t, std::int32_t>> Cells()
{
    std::vector<std::tuple<double, double, std::int32_t, std::int32_t>> cells;
    cells.reserve(qc::MapTemplates.size() * qc::TemplateCells);
    for (const qc::PieceTemplate& pieceTemplate : qc::MapTemplates) {
        for (const SpriteClass& cell : pieceTemplate) {
            cells.emplace_back(cell.X, cell.Y, cell.id, cell.width);
        }
    }
    return cells;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzzsupport::AtEnd release{[] { qc::MapTemplates.clear(); }};
    for (const char* mode : {"easy", "normal"}) {
        Common::gMode = mode;
        qc::MapTemplates.clear();
        platform::ListReader reader = fuzzsupport::InputReader(data, size);
        const bool loaded = qc::ReadMap(reader);
        CheckInvariants();
        if (!loaded) {
            continue;
        }
        // A map that loads holds the mode's templates, so it may be saved.
        if (qc::MapTemplates.size() != qc::TemplateCount()) {
            std::abort();
        }
        const auto first = Cells();
        platform::ListReader again = fuzzsupport::Rewritten(qc::WriteMap);
        if (!qc::ReadMap(again) || Cells() != first) {
            std::abort();
        }
    }
    return 0;
}
