// step_timer.cpp -- writes the longest pass so far, and since the last SIGUSR1 mark
#include "engine/step_timer.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
std::string path;                 // empty: the timer is off
double longestMs = 0;             // longest pass after loading
double longestSinceMarkMs = 0;    // longest pass since the benchmark's mark
long passes = 0;                  // passes timed
std::atomic<bool> markAsked{false};

void askMark(int) { markAsked = true; }

void writeLongest() {
    if (FILE* f = std::fopen(path.c_str(), "w")) {
        std::fprintf(f, "longest_pass_ms %.2f passes %ld since_mark_ms %.2f\n", longestMs, passes,
                     longestSinceMarkMs);
        std::fclose(f);
    }
}
}  // namespace

void startStepTimer() {
    const char* wanted = std::getenv("THORNVALE_STEP_TIMES");
    if (!wanted || !*wanted) return;
    path = wanted;
    std::signal(SIGUSR1, askMark);  // the benchmark marks the start of what it measures
}

bool stepTimerOn() { return !path.empty(); }

void recordPass(double ms) {
    passes++;
    if (markAsked.exchange(false)) longestSinceMarkMs = 0;
    bool longer = ms > longestSinceMarkMs || ms > longestMs;
    if (ms > longestMs) longestMs = ms;
    if (ms > longestSinceMarkMs) longestSinceMarkMs = ms;
    // Written on every new longest pass and now and then, so a killed game leaves its figures.
    if (longer || passes % 100 == 0) writeLongest();
}
