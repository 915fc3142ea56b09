// pointer_x11.h -- the pointer thread's own connection to the X server
//
// The main thread's SFML calls and the pointer thread's polls would otherwise share
// one Xlib connection and its lock, and the two threads would wake each other
// thousands of times a second. On its own connection the pointer thread reads the
// position and both buttons in one round trip per poll, and the focus once in every
// burst of five polls (a focus change is seen within a millisecond).
#pragma once

struct RawPointer {
    bool focused = false;         // the game window has the keyboard focus
    int pixelX = 0, pixelY = 0;   // pointer relative to the window's top-left, px
    bool left = false, right = false;  // buttons held
};

bool openPointerConnection();                           // false without an X server
void closePointerConnection();
bool readRawPointer(unsigned long window, RawPointer& out);  // false if the read failed
