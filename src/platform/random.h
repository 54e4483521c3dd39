#pragma once
// The random source: uniform single-precision values in [0, 1). Reseeding mixes the clock into the
// running state instead of restarting the sequence, so attempts within one clock reading still vary.
namespace platform {

void Randomize();
float Rnd();

} // namespace platform
