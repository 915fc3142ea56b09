// interaction.h -- the zooming interaction window and the activities played in it
#pragma once
#include "activities/gathering.h"
#include "world/interaction_state.h"

void openInteraction();               // open the object under the wisp
void onInteractionPress();            // a press while the window is open
void coverBehindPanel();              // start of a step: an open panel hides what lies under it
void drawInteraction();               // one step of the window in its current phase
void resetInteraction();              // a new game or a load: the window is closed
