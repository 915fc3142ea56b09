// lesson_steps.h -- the script's steps: moving on, each step's setup, what moves it on,
// and the fixed areas the lessons stand in
#pragma once
#include "tutorial/step_table.h"

Step& step();                                        // the current step
bool stepReached(Step s);                            // the script has come to s
void giveControl();                                  // the wisp moves, unless a window is open
void takeControl();
void goToStep(Step s);                               // a step never entered is gone past
void moveOn(Step s);                                 // on to step s, and saved
void putIfMissing(int item);                         // into the first empty slot, unless the bag holds it
void enterStep(Step s);                              // the step's one-time setup
void checkProgress();                                // what moves the current step on, every frame
void placeFixedArea();                               // the objects of the current lesson's area
