// hooks.cpp -- calling the hooks the layers above install
#include "engine/hooks.h"

GameHooks hooks;

void saveGameNow() {
    if (hooks.saveGame) hooks.saveGame();
}

void dispatchClickNow() {
    if (hooks.dispatchClick) hooks.dispatchClick();
}

void openInteractionNow() {
    if (hooks.openInteraction) hooks.openInteraction();
}

bool helpPageOpen() { return hooks.helpOpen && hooks.helpOpen(); }

void startTutorialNow() {
    if (hooks.startTutorial) hooks.startTutorial();
}

void startMissionEndNow() {
    if (hooks.startMissionEnd) hooks.startMissionEnd();
}
