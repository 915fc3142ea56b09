// woodcutting.h -- chopping a tree by stroking across its trunk
#pragma once
#include <cstdint>

struct SwipeState {
    bool swipeFromLeft = false;   // the press began left of the trunk
    bool swipeFromRight = false;  // the press began right of the trunk
    int32_t swipeStartX = 0;      // where the press began, px; 0, 0 when no stroke started
    int32_t swipeStartY = 0;
};

extern SwipeState swipe;

void clearSwipe();                 // a window opens or a new press begins
double chopGain(int toolAdvantage);// progress added by one chop
void onTreePress();                // a press while a tree's window is open
void updateWoodcutting();          // one step of a tree's window
