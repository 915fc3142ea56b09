// new_game.h -- naming a save, choosing a seed, and the load list
#pragma once
#include <cstdint>
#include <string>

void typeNameCharacter(uint32_t c);   // physical keyboard on the save-name screen
void typeSeedCharacter(uint32_t c);   // physical keyboard on the custom-seed screen
void scrollLoadList(int rows);        // -1 up, +1 down, within the list
