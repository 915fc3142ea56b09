// new_game.h -- naming a save and choosing a seed
#pragma once
#include "frontend/new_game_form.h"

#include <cstdint>

void beginNameEntry();                // from the main menu's New Game
void typeNameCharacter(uint32_t c);   // physical keyboard on the save-name screen
void typeSeedCharacter(uint32_t c);   // physical keyboard on the custom-seed screen
void confirmTypedEntry();             // Enter on the save-name or custom-seed screen
void drawNameEntry();
void clickNameEntry();
void drawSeedChoice();
void clickSeedChoice();
void drawSeedEntry();
void clickSeedEntry();
