// game_end.h -- the end of a mission: items lifted away, the elder, credits, the score
#pragma once
#include "world/mission_end.h"

void runGameEnd();   // one step; nothing unless the mission is complete
