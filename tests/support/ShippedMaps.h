// The shipped maps of a game in the program folder: their level numbers, and the check that each
// is byte for byte what the game's map writer makes of what its reader read.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "common/Common.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/TextFiles.h"

namespace testsupport {

// The level numbers of Maps/<game>/<mode>; any other file there is reported.
inline std::set<int> LevelNumbers(std::string_view game, std::string_view mode)
{
    std::set<int> numbers;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path("Maps") / game / mode)) {
        const std::string stem = entry.path().stem().string();
        const bool numeric =
            !stem.empty() && stem[0] != '0' &&
            std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; });
        EXPECT_TRUE(numeric && entry.path().extension() == ".map")
            << "unexpected file " << entry.path().filename();
        if (numeric) {
            numbers.insert(std::stoi(stem));
        }
    }
    return numbers;
}

// Every shipped map of both modes, read by load (with gMode set to its mode) and written again by
// save, gives the same bytes.
inline void ExpectShippedMapsRoundTrip(std::string_view game,
                                       const std::function<bool(std::string_view)>& load,
                                       const std::function<bool(std::string_view)>& save)
{
    const TestFolder folder("maps");
    for (const std::string mode : {"easy", "normal"}) {
        Common::gMode = mode;
        for (const int number : LevelNumbers(game, mode)) {
            const auto shipped =
                std::filesystem::path("Maps") / game / mode / (std::to_string(number) + ".map");
            SCOPED_TRACE(shipped);
            const auto written = folder.Path() / (mode + "-" + std::to_string(number) + ".map");
            ASSERT_TRUE(load(shipped.string()));
            ASSERT_TRUE(save(written.string()));
            EXPECT_EQ(ReadText(written), ReadText(shipped));
        }
    }
}

} // namespace testsupport
