// pad_controls.h -- the pad's buttons as the keys they stand for, its D-pad in the menus, its walk
#pragma once

void runPadControls();     // main thread, every pass, after the queued clicks
void resetPadControls();   // tests boot the program repeatedly
