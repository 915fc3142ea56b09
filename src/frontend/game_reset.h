// game_reset.h -- the game state in its starting form, one reset for every way a game begins
#pragma once

// The session empty, every window and side page closed, no ending under way: what a new
// game, a load and the tutorial's start build on, and where the tests begin.
void resetGameState();
