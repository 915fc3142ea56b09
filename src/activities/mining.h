// mining.h -- mining a rock by hitting the pulsing circle on it
#pragma once
#include <cstdint>

struct MiningState {
    int32_t hitCircleX = 0, hitCircleY = 0;  // circle centre, px: one of the rock's four spots
    int32_t hitCircleAlpha = 255;            // circle opacity, 45..255
    int32_t hitCircleStep = -5;              // opacity change per step: -5 fading, +10 returning
    int32_t hitsSinceOpen = 0;               // hits inside the circle since the window opened
};

extern MiningState mining;

struct CircleSpot {
    int x, y;  // px
};

CircleSpot hitCircleSpot(int rock, int r);  // the spot a draw r (0..100) picks on rock 4..6
void placeHitCircle(int rock);              // move the circle to a freshly drawn spot
void startMining(int rock);                 // the window opens on a rock
double hitGain(int toolAdvantage);          // progress added by one hit
void onRockPress();                         // a press while a rock's window is open
void updateMining();                        // one step of a rock's window
