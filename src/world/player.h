// player.h -- the wisp: walking, floating, spinning, the area transition and the arrival beam
#pragma once
#include <cstdint>

struct WispMotion {
    double offsetX = 0, offsetY = 0;     // floating offset from (playerX, playerY), px
    double velocityX = 0.5, velocityY = -1.0;
    double accelX = 0.04, accelY = 0.07;
    double spinAngle = 0;                // sprite rotation, degrees
    double spinSpeed = 1.0;              // degrees per step
    int32_t lastSpinChange = 0;          // nowMs of the last random spin change
};

extern WispMotion wisp;  // set at program start, not at new game

void updatePlayerMovement();  // one step of walking (keys or touch target)
void drawWisp();              // one step of the wisp's float and spin, then draw it
void tickPlayTimer();         // count played seconds while playing, focused and unpaused
void runTransitionOrBeam();   // the arrival beam, or the fade out of and into an area
void onTap(int x);            // touch: walk to an object, off the right edge, or stop
void resetPlayTimerReference();
void resetWispMotion();       // tests boot the program repeatedly
void prepareNewGamePlayer();  // the wisp's new-game state: high above, the beam about to come
constexpr int standingY = 400;       // playerY of a wisp on the ground
constexpr int wispLeftLimit = 50;    // the wisp only steps left while right of this
constexpr int wispRightLimit = 980;  // reaching it starts the walk out of the area
constexpr int walkOutTapX = 920;     // touch: a tap right of this walks out of the area

void giveWispToEnding();      // the mission is complete: the ending moves the wisp from now on
