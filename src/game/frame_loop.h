// frame_loop.h -- start-up, the fixed 34 ms step and the sky behind every screen
#pragma once

constexpr int stepDueMs = 33;     // a step is due 33 ms after the last was scheduled...
constexpr int stepLengthMs = 34;  // ...and moves the schedule on by 34, so a display that
                                  // runs slightly fast never makes the game fast
constexpr int backlogDropMs = 1000;

void startupLoad();           // cheats, report consent and queue, save list, high scores, settings, fonts
void startLoaderThreads();    // raise the loading screen; pointer, texture and sound threads
int runLoopPass();            // focus, pointer, queued clicks, then the due steps; returns runDueSteps()
int msUntilStepDue();         // how long the loop may sleep before a step is due
void runStep();
// Runs the due steps (tests may pass a step of their own), at most about a second's
// worth in one pass; returns how many ran (0: show nothing new).
int runDueSteps(void (*step)() = runStep);
void drawBackground();
void followWindowFocus();     // fade sound out and in as the window loses and regains focus
void drawLoadingScreen();
