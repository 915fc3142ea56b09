// dispatch.cpp -- clicks and keys handed to the screen that shows
#include "game/dispatch.h"

#include "activities/interaction.h"
#include "engine/app_state.h"
#include "engine/input.h"
#include "engine/pause.h"
#include "engine/platform.h"
#include "frontend/load_screen.h"
#include "frontend/menus.h"
#include "frontend/new_game.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "tutorial/tutorial.h"
#include "world/game_session.h"
#include "world/player.h"

void dispatchClick() {
    if (app.loadingScreenOn) return;
    if (app.inGame) {
        if (touchMode) tapPending = true;
        // A press made while the help page was open belongs to the page, even when
        // it closed the page (a touch outside it): the window behind never gets it.
        bool forHelpPage = helpOpen();
        handleGameClick();
        if (!forHelpPage) onInteractionPress();
        if (tapPending) {
            tapPending = false;
            if (session.player.controlEnabled && !gamePaused() && !interactionActive())
                onTap(pointer.pointerX);
        }
    } else if (app.inTutorial) {
        if (touchMode) tapPending = true;
        onTutorialClick();
    }
    onMenuClick();
}

void handleWindowEvent(const sf::Event& event) {
    GameSession& s = session;
    switch (event.type) {
        case sf::Event::Closed:
            app.quitRequested = true;
            platformCloseWindow();
            break;
        case sf::Event::Resized:
            publishViewMapping();
            break;
        case sf::Event::TextEntered:
            lastInputCode = static_cast<int32_t>(event.text.unicode);
            if (app.inTutorial) onTutorialText(event.text.unicode);
            else handleTextEntered(event.text.unicode);
            break;
        case sf::Event::KeyPressed:
            // Any key press while A or D is held starts the walk, whatever the key.
            if (platformKey(sf::Keyboard::A)) {
                lastInputCode = 3;
                s.player.moveLeftHeld = true;
            }
            if (platformKey(sf::Keyboard::D)) {
                lastInputCode = 4;
                s.player.moveRightHeld = true;
            }
            break;
        case sf::Event::KeyReleased:
            s.player.moveLeftHeld = s.player.moveLeftHeld && platformKey(sf::Keyboard::A);
            s.player.moveRightHeld = s.player.moveRightHeld && platformKey(sf::Keyboard::D);
            break;
        case sf::Event::MouseWheelMoved:
            // One row per event, whatever the size of the turn.
            if (app.showLoadList && event.mouseWheel.delta != 0)
                scrollLoadList(event.mouseWheel.delta > 0 ? -1 : 1);
            break;
        default:
            break;
    }
}

namespace {
void handleGameKey(uint32_t c) {
    if (c == 32) {
        if (session.player.controlEnabled && !helpOpen()) openInteraction();
    } else if (c == 27) {
        if (!toggleHelp(true)) closeInteraction(0);
    } else if (c == 'q') {
        if (!helpOpen()) toggleChecklist(false);
    } else if (c == 'e') {
        if (!helpOpen()) toggleInventory(false);
    }
}
}  // namespace

void handleTextEntered(uint32_t c) {
    if (app.loadingScreenOn) return;
    if (app.inGame) handleGameKey(c);
    else if (app.showNameEntry) typeNameCharacter(c);
    else if (app.showSeedEntry) typeSeedCharacter(c);
}

