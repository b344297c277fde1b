// A small seeded random source, so every generated asset comes out the same on every build.
// The standard distributions differ between libraries; these helpers do not.
#pragma once

#include <cstdint>

namespace assetgen {

class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}

    // SplitMix64: fast, well mixed, and fully defined by its seed.
    std::uint64_t Next()
    {
        state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A double in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

    // A double in [low, high).
    double Range(double low, double high) { return low + (high - low) * Unit(); }

    // An integer in [low, high], both included.
    int Int(int low, int high)
    {
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<int>(Next() % span);
    }

    bool Chance(double probability) { return Unit() < probability; }

private:
    std::uint64_t state;
};

} // namespace assetgen
