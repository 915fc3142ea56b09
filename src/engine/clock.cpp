// clock.cpp -- the real application clock and the manual one that tests drive
#include "engine/clock.h"

#include <SFML/System/Clock.hpp>
#include <atomic>

namespace {
sf::Clock appClock;                        // started during static initialisation
std::atomic<bool> manualClockOn{false};
std::atomic<int32_t> manualNow{0};
}

int32_t nowMs() {
    if (manualClockOn) return manualNow;
    return appClock.getElapsedTime().asMilliseconds();
}

void useManualClock(int32_t startMs) {
    manualNow = startMs;
    manualClockOn = true;
}

void advanceManualClock(int32_t ms) { manualNow += ms; }
