// lesson_steps.h -- the script's steps: moving on, each step's setup, what moves it on,
// and the fixed areas the lessons stand in
#pragma once
#include <initializer_list>

constexpr int walkOutX = 979;  // the walk out of an area starts past this

int& step();                                         // the current step
bool oneOf(int s, std::initializer_list<int> steps);
bool isWalkOutStep(int s);                           // the step asks the player to move on
void giveControl();                                  // the wisp moves, unless a window is open
void takeControl();
void goToStep(int s);                                // steps 21, 25 and 58 are never entered
void moveOn(int s);                                  // on to step s, and saved
void putIfMissing(int item);                         // into the first empty slot, unless the bag holds it
void enterStep(int s);                               // the step's one-time setup
void checkProgress();                                // what moves the current step on, every frame
void placeFixedArea();                               // the objects of the current lesson's area
