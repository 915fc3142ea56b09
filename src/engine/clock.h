// clock.h -- the application clock: every time stamp of the game is a nowMs() value
#pragma once
#include <cstdint>

int32_t nowMs();                     // milliseconds since the program started

// Test seam: a manual clock that only moves when told to.
void useManualClock(int32_t startMs);  // switch to the manual clock, set to startMs
void advanceManualClock(int32_t ms);   // move the manual clock on by ms
