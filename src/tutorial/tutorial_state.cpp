// tutorial_state.cpp -- where the elder's lessons stand
#include "tutorial/tutorial_state.h"

TutorialState tutorial;
