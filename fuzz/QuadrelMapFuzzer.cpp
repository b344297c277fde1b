// Fuzz target for the Quadrel map reader, in both modes: any file loads without harm, no template
// holds a block id above 6, never more templates than the mode's; a map that loads, saved again,
// reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

bool Same(const std::vector<qc::PieceTemplate>& a, const std::vector<qc::PieceTemplate>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t t = 0; t < a.size(); ++t) {
        for (std::size_t i = 0; i < qc::TemplateCells; ++i) {
            const SpriteClass& x = a[t][i];
            const SpriteClass& y = b[t][i];
            if (x.X != y.X || x.Y != y.Y || x.id != y.id || x.width != y.width) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
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
        const std::vector<qc::PieceTemplate> first = qc::MapTemplates;
        platform::ListReader again = fuzzsupport::Rewritten(qc::WriteMap);
        qc::MapTemplates.clear();
        if (!qc::ReadMap(again) || !Same(first, qc::MapTemplates)) {
            std::abort();
        }
    }
    return 0;
}
