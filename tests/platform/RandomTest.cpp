// Random numbers: a seed fixes the sequence, draws lie in [0, 1) and spread evenly, also the first
// draws after seeds one millisecond apart.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/Random.h"

namespace {

std::vector<float> Draws(double seed, int count)
{
    platform::Randomize(seed);
    std::vector<float> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(platform::Rnd());
    }
    return draws;
}

TEST(RandomTest, ASeedFixesTheSequenceAndReseedingStartsItAgain)
{
    const auto first = Draws(1'000'016, 50);
    EXPECT_EQ(Draws(1'000'016, 50), first);
    EXPECT_NE(Draws(1'000'017, 50), first);
    EXPECT_NE(Draws(-1'000'016, 50), first);
}

// Ten equal bins of 10000 draws hold 1000 each, give or take five standard deviations (30 each).
void ExpectEvenSpread(const std::vector<float>& draws)
{
    std::array<int, 10> bins{};
    for (const float draw : draws) {
        ASSERT_GE(draw, 0.0F);
        ASSERT_LT(draw, 1.0F);
        ++bins[static_cast<std::size_t>(draw * 10)];
    }
    for (const int count : bins) {
        EXPECT_GT(count, 850);
        EXPECT_LT(count, 1150);
    }
}

TEST(RandomTest, DrawsSpreadEvenlyOverZeroToOne)
{
    ExpectEvenSpread(Draws(7, 10'000));
    // A caller that reseeds from the millisecond clock before every draw.
    std::vector<float> firstDraws;
    for (int ms = 0; ms < 10'000; ++ms) {
        platform::Randomize(1'000'000 + ms);
        firstDraws.push_back(platform::Rnd());
    }
    ExpectEvenSpread(firstDraws);
}

} // namespace
