// game_end.cpp -- the mission's end sequence arrives with the research work
#include "app/game_end.h"

GameEndState gameEnd;

void runGameEnd() {}
