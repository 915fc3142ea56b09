// random.cpp -- the shared Mersenne Twister of everything random but the world
#include "engine/random.h"

#include <ctime>
#include <mutex>

std::mt19937 SharedRandom(static_cast<uint32_t>(std::time(nullptr)));

namespace {
std::mutex randomMutex;  // the loader thread places clouds while the main thread runs
}

int randomBelow(int n) {
    std::lock_guard<std::mutex> lock(randomMutex);
    return static_cast<int>(boundedDraw(SharedRandom, static_cast<uint32_t>(n)));
}

int randomBetween(int low, int high) { return low + randomBelow(high - low + 1); }

void reseedSharedRandom(uint32_t seed) {
    std::lock_guard<std::mutex> lock(randomMutex);
    SharedRandom.seed(seed);
}
