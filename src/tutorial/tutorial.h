// tutorial.h -- the elder's scripted lessons, run on the program's own game state
#pragma once
#include "engine/key_actions.h"
#include "tutorial/tutorial_state.h"

#include <cstdint>

void tutorialFrame();               // one step of the tutorial screen
void onTutorialClick();             // a press while the tutorial runs
void onTutorialKey(KeyAction action);  // a key pressed while the tutorial runs
void leaveTutorial();               // the exit button: back to the title screen
bool lessonMayOpenHere();           // the current lesson opens the object before the wisp
bool lessonMayWalkOut();            // the current step asks the player to move on
void tutorialReachedNextArea();     // the walk between areas is at its black moment
