// interaction.cpp -- the interaction window; its activities arrive with the activities work
#include "activities/interaction.h"

void openInteraction() {}
void closeInteraction(int) {}
void onInteractionPress() {}
void drawInteraction() {}
void drawFlyingItem() {}
bool interactionActive() { return false; }
void resetInteraction() {}
