// fishing.h -- fishing a pond by keeping the pointer on its gliding ripples
#pragma once
#include <cstdint>

struct RippleState {
    double rippleX = 0, rippleY = 0;             // centre of the ripples, px
    int32_t rippleTargetX = 0, rippleTargetY = 0;// the point they glide to, px
    double rippleStepX = 0, rippleStepY = 0;     // a thousandth of the way from the last retarget
    double rippleSpeed = 0;                      // sub-steps per step: 17 bass, 25 salmon, 40 trout
};

extern RippleState ripples;

struct RippleArea {
    int xFrom, xTo, yFrom, yTo;  // where starts and targets are drawn, inclusive, px
    double speed;                // sub-steps per step
    const char* sprite;          // ripple image
};

const RippleArea& rippleArea(int pond);  // pond 7..9
void startRipples(int pond);             // the window opens on a pond
double catchGain(int toolAdvantage);     // progress added per step on the ripples
bool pointerOnRipples();                 // the 95 x 40 catch box holds the pointer
void updateFishing();                    // one step of a pond's window
