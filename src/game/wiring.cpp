// wiring.cpp -- the game joins its layers: every hook a lower layer calls is set here
#include "game/wiring.h"

#include "activities/interaction.h"
#include "engine/hooks.h"
#include "frontend/save_game.h"
#include "game/dispatch.h"
#include "inventory/hud.h"
#include "tutorial/tutorial.h"

void installGameHooks() {
    hooks.saveGame = saveGame;
    hooks.dispatchClick = dispatchClick;
    hooks.openInteraction = openInteraction;
    hooks.helpOpen = helpOpen;
    hooks.startTutorial = startTutorial;
    installTutorialRules();
}
