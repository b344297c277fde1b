// Smooth seeded noise for clouds, nebulae, ridges and textures.
#pragma once

#include <cstdint>

namespace assetgen {

// Value noise in [0, 1], smooth between integer lattice points.
double ValueNoise(double x, double y, std::uint32_t seed);
// Several octaves of value noise, in [0, 1].
double Fractal(double x, double y, int octaves, std::uint32_t seed);

} // namespace assetgen
