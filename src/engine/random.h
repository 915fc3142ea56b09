// random.h -- SharedRandom and the one bounded-draw rule every uniform integer uses
#pragma once
#include <cstdint>
#include <random>

extern std::mt19937 SharedRandom;  // seeded from the calendar time at start

// The next bounded draw of n (n >= 1) from any 32-bit engine: outputs in the
// incomplete top bucket are thrown away, so every result is equally likely and
// the same engine state gives the same result on every machine.
template <class Engine>
uint32_t boundedDraw(Engine& engine, uint32_t n) {
    const uint32_t top = 0xFFFFFFFFu;
    for (;;) {
        uint32_t x = static_cast<uint32_t>(engine());
        if (x / n < top / n || top % n == n - 1) return x % n;
    }
}

int randomBelow(int n);                 // bounded draw of n from SharedRandom
int randomBetween(int low, int high);   // uniform integer from low to high inclusive
void reseedSharedRandom(uint32_t seed); // tests make SharedRandom repeatable
