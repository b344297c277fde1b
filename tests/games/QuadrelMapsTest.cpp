// The shipped Quadrel levels: numbered without gaps, each the mode's number of templates laid out
// where the editor shows them, every piece a connected shape of map blocks that starts in its
// template's top row, and each map what the template tool makes of its drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <string>

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"
#include "tests/support/ShippedMaps.h"
#include "tests/support/TextFiles.h"
#include "tools/QuadrelTemplateDrawing.h"

namespace {

namespace qc = QuadrelCommon;

std::string MapPath(const std::string& mode, int number)
{
    return "Maps/Quadrel/" + mode + "/" + std::to_string(number) + ".map";
}

// The blocks reachable from the cell `from` through side neighbours, each marked once.
std::size_t Reachable(const qc::PieceTemplate& cells, std::size_t from, std::array<bool, 25>& seen)
{
    if (from >= qc::TemplateCells || seen[from] || cells[from].id < 0) {
        return 0;
    }
    seen[from] = true;
    const std::size_t column = from % 5;
    return 1 + Reachable(cells, from + 5, seen) +
           (from >= 5 ? Reachable(cells, from - 5, seen) : 0) +
           (column < 4 ? Reachable(cells, from + 1, seen) : 0) +
           (column > 0 ? Reachable(cells, from - 1, seen) : 0);
}

TEST(QuadrelMapsTest, EveryShippedLevelHoldsConnectedPiecesWhereTheEditorShowsThem)
{
    for (const std::string mode : {"easy", "normal"}) {
        const std::set<int> numbers = testsupport::LevelNumbers("Quadrel", mode);
        ASSERT_GE(numbers.size(), 6U) << mode;
        // Numbered from 1 without a gap: a gap would send play back to level 1 early.
        EXPECT_EQ(*numbers.begin(), 1);
        EXPECT_EQ(*numbers.rbegin(), static_cast<int>(numbers.size()));
        Common::gMode = mode;
        for (const int number : numbers) {
            SCOPED_TRACE(MapPath(mode, number));
            ASSERT_TRUE(qc::LoadMap(MapPath(mode, number)));
            ASSERT_EQ(qc::MapTemplates.size(), qc::TemplateCount());
            for (std::size_t t = 0; t < qc::MapTemplates.size(); ++t) {
                SCOPED_TRACE("template " + std::to_string(t + 1));
                const qc::PieceTemplate& pieceTemplate = qc::MapTemplates[t];
                const qc::PieceTemplate laidOut = qc::LaidOutTemplate(t);
                std::size_t blocks = 0;
                std::size_t first = qc::TemplateCells;
                for (std::size_t i = 0; i < qc::TemplateCells; ++i) {
                    EXPECT_EQ(pieceTemplate[i].X, laidOut[i].X);
                    EXPECT_EQ(pieceTemplate[i].Y, laidOut[i].Y);
                    // 6 is the row flash's picture only.
                    EXPECT_GE(pieceTemplate[i].id, -1);
                    EXPECT_LE(pieceTemplate[i].id, qc::MaxMapBlockId);
                    if (pieceTemplate[i].id >= 0) {
                        ++blocks;
                        first = std::min(first, i);
                    }
                }
                EXPECT_GT(blocks, 0U);
                std::array<bool, 25> seen{};
                EXPECT_EQ(Reachable(pieceTemplate, first, seen), blocks);
                // The turning centre starts at the top of the field, where a piece that lands
                // ends the game.
                EXPECT_LT(first, qc::TemplateSide);
            }
        }
    }
}

TEST(QuadrelMapsTest, EveryShippedMapIsWhatTheTemplateToolMakesOfItsDrawing)
{
    testsupport::ExpectShippedMapsRoundTrip("Quadrel", qc::LoadMap, qc::SaveMap);
    for (const std::string mode : {"easy", "normal"}) {
        for (const int number : testsupport::LevelNumbers("Quadrel", mode)) {
            const auto drawing = std::filesystem::path(VANDREL_SOURCE_DIR) /
                                 "tools/templates/quadrel" / mode /
                                 (std::to_string(number) + ".txt");
            SCOPED_TRACE(drawing);
            std::string error;
            const auto templates =
                quadrel::ReadTemplateDrawing(testsupport::ReadText(drawing), error);
            ASSERT_TRUE(templates) << error;
            quadrel::LayOutMap(*templates);
            EXPECT_EQ(Common::gMode, mode);
            platform::ListWriter writer;
            qc::WriteMap(writer);
            EXPECT_EQ(writer.Contents(), testsupport::ReadText(MapPath(mode, number)))
                << "the map differs from its drawing: run the template tool again";
        }
    }
}

} // namespace
