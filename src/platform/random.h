#pragma once
// The random source: uniform single-precision values in [0, 1). Reseeding mixes the clock into the
// running state instead of restarting the sequence, so attempts within one clock reading still vary.
#include <cstdint>
#include <functional>

namespace platform {

void Randomize();
float Rnd();

// Tests: a fixed seed for a replayable sequence, or a source that yields chosen values.
void SeedRandom(std::uint64_t seed);
void RouteRandom(std::function<float()> source); // empty restores the generator
void FreezeClockForRandom(bool frozen);          // reseeding then mixes in the same clock reading

} // namespace platform
