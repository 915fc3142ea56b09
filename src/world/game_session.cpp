// game_session.cpp -- the one game being played
#include "world/game_session.h"

GameSession session;
