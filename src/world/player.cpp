#include "world/player.h"
WispMotion wisp;
void updatePlayerMovement() {}
void drawWisp() {}
void tickPlayTimer() {}
void runTransitionOrBeam() {}
void onTap(int) {}
void resetPlayTimerReference() {}
void resetWispMotion() { wisp = WispMotion{}; }
void prepareNewGamePlayer() {}
