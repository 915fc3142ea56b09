// tutorial.h -- the elder's scripted lessons on a game state of their own
#pragma once
#include <cstdint>

void startTutorial();
void tutorialFrame();
void onTutorialClick();
void onTutorialText(uint32_t c);
