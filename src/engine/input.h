// input.h -- the pointer thread and its clicks, the pointer as a step sees it, hit tests
#pragma once
#include <SFML/Window/Event.hpp>
#include <atomic>
#include <cstdint>

// The pointer as the screens of one step see it (main thread only). It is copied
// from the pointer thread's live state at the start of every pass, and set to a
// click's own position while that click is handled.
struct PointerState {
    int pointerX = 0, pointerY = 0;  // view coordinates, 1..999 x 1..599
    bool pointerOutside = true;      // last position read was outside the window
    bool leftDown = false;           // left button or touch is down
    bool rightDown = false;          // right button is down (Mouse/Keyboard only)
    bool pressLatch = false;         // a press was taken and the buttons are not all up yet
};

extern PointerState pointer;
extern std::atomic<bool> touchMode;  // InputMode is Touch


// The pointer thread: polls in bursts of five reads between 1 ms sleeps and queues
// a click for every press; clicks run on the main thread between two steps.
void pointerThread();
bool pointerThreadRunning();      // until the thread has seen quitRequested and ended
void pollPointerOnce();           // one read of the pointer and buttons (tests call it directly)
void pollPadOnce();               // one read of the pad: its pointer moves, its presses are noted
void refreshPointerSnapshot();    // main thread, start of every pass
int runQueuedClicks();            // main thread: dispatch every queued click, in order
void waitForClick(int ms);        // main thread: sleep up to ms, less if a click is queued
void resetInput();                // tests boot the program repeatedly

// The pad's side of the pointer (main thread).
void warpPadPointer(int x, int y);   // the D-pad jumped the pad's pointer to a button
void setLeftStickPoints(bool points);// a window, page or menu is open: the left stick points, not walks
int padWalkDirection();              // the pad's D-pad or left stick: -1 left, 1 right, 0 still

bool pointerInRect(int cx, int cy, float w, float h);
bool pointerInRectInt(int cx, int cy, int w, int h);
