// tutorial_file.h -- saves/tS.kv: the tutorial's place, kept for a player who never started a game
#pragma once
#include "tutorial/tutorial_state.h"

#include <string>
#include <vector>

std::vector<std::string> tutorialSaveLinesNow();  // the 33 lines saveTutorial writes
void saveTutorial();                // saves/tS.kv, only for a player who never started a game
// The 33 numbers of saves/tS.kv, or false when the file is short, damaged or missing.
bool readTutorialFile(int (&values)[tutorialSaveLines]);
