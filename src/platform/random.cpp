#include "platform/random.h"
#include "platform/testing.h"

#include <chrono>
#include <cstdint>
#include <functional>

namespace platform {
namespace {
std::uint64_t g_state = 0x9E3779B97F4A7C15ull;
std::function<float()> g_source;
bool g_clockFrozen = false;

// splitmix64: a full-period 64-bit sequence with well-mixed output.
std::uint64_t NextBits()
{
    g_state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = g_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

void Randomize()
{
    const std::uint64_t now = g_clockFrozen
        ? 0
        : static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    // Mixing keeps the running state, so the same clock reading twice still moves the sequence on.
    g_state ^= now * 0xD6E8FEB86659FD93ull;
    NextBits();
}

float Rnd()
{
    if (g_source)
        return g_source();
    // 24 random bits make every single-precision value k / 2^24 equally likely, all below 1.
    return static_cast<float>(NextBits() >> 40) * (1.0f / 16777216.0f);
}

} // namespace platform

namespace platform::testing {
void SeedRandom(std::uint64_t seed) { g_state = seed; }
void RouteRandom(std::function<float()> source) { g_source = std::move(source); }
void FreezeClockForRandom(bool frozen) { g_clockFrozen = frozen; }
} // namespace platform::testing
