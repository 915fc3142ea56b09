// mission_end.cpp -- where the end of a mission stands
#include "world/mission_end.h"

GameEndState gameEnd;
