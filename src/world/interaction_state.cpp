// interaction_state.cpp -- the interaction window's state
#include "world/interaction_state.h"

InteractionState interaction;

bool interactionActive() { return interaction.windowPhase != WindowPhase::Closed; }
