// fire_pit.h -- the fire pit: choose a fish, light its logs, cook it on the fire
#pragma once
#include <cstdint>

struct FirePitState {
    int FireState = 1;            // 1 choosing the fish, 2 lighting, 3 logs dropping, 4 cooking
    int logKind = 1;              // ItemKind of the chosen logs, 1..3
    int fishKind = 7;             // ItemKind of the raw fish, 7..9
    bool logAvailable[4] = {};    // by menu row 1..3: its logs are in the bag
    bool fishAvailable[4] = {};   // by menu row 1..3: its raw fish is in the bag
    int32_t lastX = 500, lastY = 300;  // pointer where the last rub was measured
    int32_t dropOffset = 0;       // px the lit logs have fallen
    int32_t fishX = 500, fishY = 150;  // the fish picture's centre
    bool fishHeld = false;        // the fish follows the pointer...
    int32_t grabX = 0, grabY = 0; // ...at this offset (pointer minus fish)
    bool burnt = false;           // the fish went past 170
    int32_t burnTime = 0;         // nowMs when it burnt
};

extern FirePitState firePit;

void openFirePit();      // the window opens on a fire pit: the menu, availability from the bag
void drawFirePit();      // every step while the window is open on a fire pit
void onFirePitPress();   // every press while the window is open on a fire pit
bool firePitShowsPit();  // the pit itself is drawn until the fire is lit and cooking
