#include "frontend/new_game.h"
void typeNameCharacter(uint32_t) {}
void typeSeedCharacter(uint32_t) {}
void scrollLoadList(int) {}
