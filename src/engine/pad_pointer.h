// pad_pointer.h -- what the pad's pointer needs on the main thread: the buttons the D-pad
// jumps between, and the pointer's own picture
//
// Screens name their buttons as they draw them (immediate mode, like their hit tests),
// so the D-pad always jumps between the buttons that show, whatever the screen.
#pragma once

constexpr const char* padPointerCode = "3Q";  // assets/3Q.dk5, 28 x 28, hot spot at its centre

void clearPadTargets();                 // start of every step
void addPadTarget(int cx, int cy);      // a button drawn this step, by its centre
bool snapPadPointer(int dx, int dy);    // D-pad: to the nearest button that way; false if none
void drawPadPointer();                  // last of every step, while the pad is in use
