// game_end.h -- the end of a mission: items lifted away, the elder, credits, the score
#pragma once

struct GameEndState {
    int endStage = 0;  // 0 idle; 1..28 the stages of the sequence
};

extern GameEndState gameEnd;

void runGameEnd();   // one step; nothing unless the mission is complete
