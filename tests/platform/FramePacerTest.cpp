// Clock pacing without vsync: a loop presenting once per pass runs at the display's rate whatever
// a pass costs below one period, and a pass that overran is not followed by a burst.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/FramePacer.h"

namespace {

constexpr std::int64_t Ms = 1'000'000;

// Runs passes of the given costs (the last one repeated) on a simulated clock: each pass works,
// waits as the pacer says, presents. Answers the times of the presents.
std::vector<std::int64_t> Presents(std::int64_t periodNs, const std::vector<std::int64_t>& costs,
                                   std::size_t count)
{
    platform::FramePacer pacer(periodNs);
    std::vector<std::int64_t> times;
    std::int64_t now = 0;
    for (std::size_t pass = 0; pass < count; ++pass) {
        now += costs[std::min(pass, costs.size() - 1)];
        now += pacer.WaitNs(now);
        pacer.Presented(now);
        times.push_back(now);
    }
    return times;
}

TEST(FramePacerTest, OnePresentPerDisplayRefreshWhateverAPassCostsBelowIt)
{
    const struct {
        std::int64_t periodNs;
        std::int64_t costNs;
        std::int64_t spacingNs; // between presents, on average over a second and more
    } cases[] = {
        {1'000'000'000 / 60, 1 * Ms, 1'000'000'000 / 60},
        {1'000'000'000 / 60, 16 * Ms, 1'000'000'000 / 60},
        {1'000'000'000 / 75, 3 * Ms, 1'000'000'000 / 75},
        {1'000'000'000 / 60, 25 * Ms, 25 * Ms}, // slower than the display: as fast as it goes
    };
    for (const auto& c : cases) {
        const std::vector<std::int64_t> times = Presents(c.periodNs, {c.costNs}, 121);
        EXPECT_EQ((times.back() - times.front()) / 120, c.spacingNs)
            << c.periodNs << " " << c.costNs;
    }
}

TEST(FramePacerTest, ASlowPassRestartsTheScheduleInsteadOfCatchingUp)
{
    const std::int64_t period = 1'000'000'000 / 60;
    // Ten quick passes, one of 100 ms, then quick passes again.
    std::vector<std::int64_t> costs(10, 1 * Ms);
    costs.push_back(100 * Ms);
    costs.push_back(1 * Ms);
    const std::vector<std::int64_t> times = Presents(period, costs, 20);
    for (std::size_t i = 11; i < times.size(); ++i) {
        EXPECT_EQ(times[i] - times[i - 1], period) << "present " << i;
    }
}

} // namespace
