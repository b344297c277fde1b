// Fuzz target for the Quadrel map reader, in both modes: any file loads without harm, no template
// holds a block id above 6, never more templates than the mode's; a map that loads, saved again,
// reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"

namespace {

namespace qc = QuadrelCommon;

std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() /
            ("vandrel-quadrel-fuzz-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

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
    const std::string path = TempPath("in.map");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    for (const char* mode : {"easy", "normal"}) {
        Common::gMode = mode;
        qc::MapTemplates.clear();
        const bool loaded = qc::LoadMap(path);
        CheckInvariants();
        if (!loaded) {
            continue;
        }
        const std::vector<qc::PieceTemplate> first = qc::MapTemplates;
        const std::string again = TempPath("again.map");
        if (!qc::SaveMap(again)) {
            std::abort();
        }
        qc::MapTemplates.clear();
        const bool reloaded = qc::LoadMap(again);
        std::filesystem::remove(again);
        if (!reloaded || !Same(first, qc::MapTemplates)) {
            std::abort();
        }
    }
    std::filesystem::remove(path);
    return 0;
}
