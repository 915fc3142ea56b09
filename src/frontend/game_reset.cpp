// game_reset.cpp -- the game state in its starting form, one reset for every way a game begins
#include "frontend/game_reset.h"

#include "activities/fire_pit.h"
#include "activities/interaction.h"
#include "activities/smithing.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/inventory.h"
#include "world/game_session.h"
#include "world/mission_end.h"

namespace {

// The elder of the ending keeps turning where it was left: only the sequence starts over.
void resetMissionEnd() {
    GameEndState fresh;
    fresh.elderAngle = gameEnd.elderAngle;
    fresh.elderSpin = gameEnd.elderSpin;
    fresh.elderSpinChanged = gameEnd.elderSpinChanged;
    gameEnd = fresh;
}

}  // namespace

void resetGameState() {
    session = GameSession{};
    resetInteraction();
    firePit = FirePitState{};
    smithing = SmithingState{};
    resetInventoryPanel();
    resetChecklistPage();
    resetHelpPage();
    resetMissionEnd();
}
