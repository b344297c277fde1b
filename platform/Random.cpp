// The random generator: a 64-bit counter stepped by the golden ratio and scrambled (SplitMix64),
// which needs no warming up after a seed, so that a draw right after each reseed is as random as
// any.
#include "platform/Random.h"

#include <bit>
#include <cstdint>

namespace platform {
namespace {

constexpr std::uint64_t Step = 0x9E3779B97F4A7C15;

std::uint64_t state = Step;

std::uint64_t Scramble(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
}

} // namespace

void Randomize(double seed)
{
    state = Scramble(std::bit_cast<std::uint64_t>(seed));
}

float Rnd()
{
    state += Step;
    constexpr float Unit = 1.0F / 16'777'216.0F; // 2^-24: every such multiple below 1 is exact
    return static_cast<float>(Scramble(state) >> 40) * Unit;
}

} // namespace platform
