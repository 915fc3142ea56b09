// step_timer.h -- the benchmark's view of the main thread: the longest pass after loading
//
// Off unless THORNVALE_STEP_TIMES names a file; then every pass that ran a step is
// timed (steps and display together) and the file holds the longest one so far, and
// the longest since the last SIGUSR1 (the benchmark's "now I measure").
#pragma once

void startStepTimer();              // reads THORNVALE_STEP_TIMES once
bool stepTimerOn();
void recordPass(double ms);         // one pass that ran at least one step, after loading
