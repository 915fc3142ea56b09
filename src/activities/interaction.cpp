// interaction.cpp -- the interaction window; its activities arrive with the activities work
#include "activities/interaction.h"

InteractionState interaction;

void openInteraction() {}
void closeInteraction(int) {}
void onInteractionPress() {}
void drawInteraction() {}
void drawFlyingItem() {}
bool interactionActive() { return interaction.windowPhase != WindowPhase::Closed; }
void resetInteraction() { interaction = InteractionState{}; }
void grantItem(int) {}
