// game_end.h -- the end of a mission: items lifted away, the elder, credits, the score
#pragma once
#include "world/mission_end.h"

// The last research completed the mission: the ending takes the wisp and the screen,
// and both side pages close.
void startGameEnd();
void runGameEnd();   // one step; nothing unless the mission is complete
