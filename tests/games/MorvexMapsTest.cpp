// The shipped Morvex levels: numbered without gaps, six or more a mode, each with a background and
// rocks of known kinds inside the field and clear of the ship's start, never fewer rocks than the
// level before, and each map what the rock tool makes of its drawing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "games/morvex/MorvexCommon.h"
#include "platform/ListFile.h"
#include "platform/Picture.h"
#include "tests/support/ShippedMaps.h"
#include "tests/support/TextFiles.h"
#include "tools/MorvexRockDrawing.h"

namespace {

namespace mc = MorvexCommon;

constexpr double FieldWidth = 800;
constexpr double FieldHeight = 480;

TEST(MorvexMapsTest, EveryShippedLevelHoldsKnownRocksInTheFieldAwayFromTheShip)
{
    // The ship starts centred in the field, as large as its pictures.
    const auto ship = platform::LoadPicture("Gfx\\Morvex\\Ship\\ship0.gif");
    ASSERT_TRUE(ship.has_value());
    const double shipLeft = FieldWidth / 2 - ship->width / 2;
    const double shipTop = FieldHeight / 2 - ship->height / 2;
    for (const std::string mode : {"easy", "normal"}) {
        const std::set<int> numbers = testsupport::LevelNumbers("Morvex", mode);
        ASSERT_GE(numbers.size(), 6U);
        EXPECT_EQ(*numbers.begin(), 1);
        EXPECT_EQ(*numbers.rbegin(), static_cast<int>(numbers.size()));
        std::size_t before = 0;
        for (const int number : numbers) {
            const std::string path = "Maps/Morvex/" + mode + "/" + std::to_string(number) + ".map";
            SCOPED_TRACE(path);
            mc::MapBackground.id = -1;
            ASSERT_TRUE(mc::LoadMap(path));
            EXPECT_GE(mc::MapBackground.id, 0) << "no background record";
            EXPECT_LT(mc::MapBackground.id, 27);
            for (const SpriteClass& rock : mc::MapRocks) {
                ASSERT_TRUE(rock.visible) << "a level without rocks";
                ASSERT_GE(rock.id, mc::Large);
                ASSERT_LE(rock.id, mc::Small);
                const double size = 80 - 20 * rock.id;
                EXPECT_GE(rock.X, 0);
                EXPECT_GE(rock.Y, 0);
                EXPECT_LE(rock.X + size, FieldWidth);
                EXPECT_LE(rock.Y + size, FieldHeight);
                const bool clear = rock.X + size <= shipLeft || rock.X >= shipLeft + ship->width ||
                                   rock.Y + size <= shipTop || rock.Y >= shipTop + ship->height;
                EXPECT_TRUE(clear) << "a rock on the ship at " << rock.X << ", " << rock.Y;
            }
            EXPECT_GE(mc::MapRocks.size(), before);
            before = mc::MapRocks.size();
        }
    }
    testsupport::ExpectShippedMapsRoundTrip("Morvex", mc::LoadMap, mc::SaveMap);
}

TEST(MorvexMapsTest, EveryShippedMapIsWhatTheRockToolMakesOfItsDrawing)
{
    for (const std::string mode : {"easy", "normal"}) {
        for (const int number : testsupport::LevelNumbers("Morvex", mode)) {
            const std::string level = mode + "/" + std::to_string(number);
            SCOPED_TRACE(level);
            std::string error;
            ASSERT_TRUE(morvex::MakeRockMap(
                testsupport::ReadText(std::filesystem::path(VANDREL_SOURCE_DIR) /
                                      "tools/rockfields/morvex" / (level + ".txt")),
                error))
                << error;
            platform::ListWriter made;
            mc::WriteMap(made);
            EXPECT_EQ(made.Contents(), testsupport::ReadText("Maps/Morvex/" + level + ".map"))
                << "the map differs from its drawing: run the rock tool again";
        }
    }
}

} // namespace
