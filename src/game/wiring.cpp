// wiring.cpp -- the game joins its layers: every hook a lower layer calls is set here
#include "game/wiring.h"

#include "activities/fire_pit.h"
#include "activities/interaction.h"
#include "engine/hooks.h"
#include "engine/pause.h"
#include "frontend/save_game.h"
#include "game/dispatch.h"
#include "game/game_end.h"
#include "inventory/help_page.h"
#include "inventory/hud.h"
#include "tutorial/lesson_rules.h"
#include "tutorial/tutorial_resume.h"

void installGameHooks() {
    hooks.saveGame = saveGame;
    hooks.dispatchClick = dispatchClick;
    hooks.openInteraction = openInteraction;
    hooks.helpOpen = helpOpen;
    hooks.startTutorial = startTutorial;
    hooks.startMissionEnd = startGameEnd;
    installTutorialRules();
    // Every wait measured in nowMs that the pause holds: a finished window's delayed
    // close and the burnt fish's message.
    holdDuringPauses(interaction.closeAt);
    holdDuringPauses(firePit.burnTime);
}
