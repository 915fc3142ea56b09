// tutorial.h -- the elder's scripted lessons, run on the program's own game state
#pragma once
#include "tutorial/tutorial_state.h"

#include <cstdint>

void tutorialFrame();               // one step of the tutorial screen
void leaveTutorial();               // the exit button: back to the title screen
void completeTutorial();            // the end of the script: the player is no longer new, back to the title
bool lessonMayOpenHere();           // the current lesson opens the object before the wisp
bool lessonMayWalkOut();            // the current step asks the player to move on
void tutorialReachedNextArea();     // the walk between areas is at its black moment
bool elderTakesTap();               // touch: a tap on the elder moves the speech on
bool enterMovesSpeechOn();          // Enter moves the speech on, once the elder lets it
bool lessonTapWalks(bool overObject);  // a touch walks the wisp in this lesson
