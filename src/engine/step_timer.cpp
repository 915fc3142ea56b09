// step_timer.cpp -- writes "longest_pass_ms <ms> passes <n>" whenever the longest pass grows
#include "engine/step_timer.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
std::string path;      // empty: the timer is off
double longestMs = 0;  // longest pass so far
long passes = 0;       // passes timed

void writeLongest() {
    if (FILE* f = std::fopen(path.c_str(), "w")) {
        std::fprintf(f, "longest_pass_ms %.2f passes %ld\n", longestMs, passes);
        std::fclose(f);
    }
}
}  // namespace

void startStepTimer() {
    const char* wanted = std::getenv("THORNVALE_STEP_TIMES");
    if (wanted && *wanted) path = wanted;
}

bool stepTimerOn() { return !path.empty(); }

void recordPass(double ms) {
    passes++;
    // Written on every new longest pass and now and then, so a killed game leaves its figure.
    if (ms > longestMs) longestMs = ms;
    if (ms == longestMs || passes % 300 == 0) writeLongest();
}
