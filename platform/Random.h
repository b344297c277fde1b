// Random numbers: Randomize seeds the generator, Rnd draws the next number, uniform in [0, 1). The
// same seed always gives the same numbers, so a run on the virtual clock repeats exactly.
#pragma once

namespace platform {

// Sets the generator's state from the seed alone. Seeds that differ only a little (milliseconds of
// the clock, one apart) give unrelated numbers. Before any Randomize the state is a fixed one.
void Randomize(double seed);

// The next number of the generator: a multiple of 2^-24 from 0 up to, but not including, 1.
float Rnd();

} // namespace platform
