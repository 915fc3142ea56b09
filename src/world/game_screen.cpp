#include "world/game_screen.h"
void drawGameScreen() {}
void drawAreaObjects() {}
