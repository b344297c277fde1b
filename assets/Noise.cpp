// Lattice value noise with a hash of the cell and the seed.
#include "assets/Noise.h"

#include <cmath>

namespace assetgen {

namespace {

double Hash(std::int64_t x, std::int64_t y, std::uint32_t seed)
{
    std::uint64_t h = static_cast<std::uint64_t>(x) * 0x9E3779B185EBCA87ULL ^
                      static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4FULL ^
                      static_cast<std::uint64_t>(seed) * 0x165667B19E3779F9ULL;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 32;
    return static_cast<double>(h >> 11) * 0x1.0p-53;
}

double Smooth(double t)
{
    return t * t * (3 - 2 * t);
}

} // namespace

double ValueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double u = Smooth(x - fx);
    const double v = Smooth(y - fy);
    const double a = Hash(ix, iy, seed);
    const double b = Hash(ix + 1, iy, seed);
    const double c = Hash(ix, iy + 1, seed);
    const double d = Hash(ix + 1, iy + 1, seed);
    return (a + (b - a) * u) * (1 - v) + (c + (d - c) * u) * v;
}

double Fractal(double x, double y, int octaves, std::uint32_t seed)
{
    double sum = 0;
    double amplitude = 0.5;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 7919U) * amplitude;
        total += amplitude;
        x = x * 2.03 + 17.1;
        y = y * 2.03 - 5.3;
        amplitude *= 0.5;
    }
    return sum / total;
}

} // namespace assetgen
