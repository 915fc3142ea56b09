// dispatch.cpp -- clicks and keys handed to the screen that shows
#include "game/dispatch.h"

#include "activities/interaction.h"
#include "engine/app_state.h"
#include "engine/input.h"
#include "engine/key_actions.h"
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

namespace {
// Walking follows the walk keys' state: any key press while one is down starts that walk.
void startHeldWalks() {
    PlayerState& player = session.player;
    if (walkKeyHeld(KeyAction::WalkLeft)) {
        lastInputCode = 3;
        player.moveLeftHeld = true;
    }
    if (walkKeyHeld(KeyAction::WalkRight)) {
        lastInputCode = 4;
        player.moveRightHeld = true;
    }
}
}  // namespace

void handleWindowEvent(const sf::Event& event) {
    GameSession& s = session;
    switch (event.type) {
        case sf::Event::Closed:
            requestQuit();
            break;
        case sf::Event::Resized:
            publishViewMapping();
            break;
        case sf::Event::TextEntered:
            lastInputCode = static_cast<int32_t>(event.text.unicode);
            handleTextEntered(event.text.unicode);
            break;
        case sf::Event::KeyPressed:
            startHeldWalks();
            // With Ctrl, Alt or the system key held a key is a shortcut of the desktop's.
            if (!event.key.control && !event.key.alt && !event.key.system) runKeyAction(keyActionFor(event.key.code));
            break;
        case sf::Event::KeyReleased:
            s.player.moveLeftHeld = s.player.moveLeftHeld && walkKeyHeld(KeyAction::WalkLeft);
            s.player.moveRightHeld = s.player.moveRightHeld && walkKeyHeld(KeyAction::WalkRight);
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
void runGameKey(KeyAction action) {
    switch (action) {
        case KeyAction::Interact:
            if (session.player.controlEnabled && !helpOpen()) openInteraction();
            break;
        case KeyAction::Close:
            if (!toggleHelp(true)) closeInteraction(0);
            break;
        case KeyAction::Checklist:
            if (!helpOpen()) toggleChecklist(false);
            break;
        case KeyAction::Bag:
            if (!helpOpen()) toggleInventory(false);
            break;
        default:
            break;
    }
}
}  // namespace

void runKeyAction(KeyAction action) {
    if (app.loadingScreenOn) return;
    if (app.inTutorial) onTutorialKey(action);
    else if (app.inGame) runGameKey(action);
    else if (action == KeyAction::Confirm) confirmTypedEntry();
}

// Only the text screens take characters; keys act through runKeyAction.
void handleTextEntered(uint32_t c) {
    if (app.loadingScreenOn || app.inGame || app.inTutorial) return;
    if (app.showNameEntry) typeNameCharacter(c);
    else if (app.showSeedEntry) typeSeedCharacter(c);
}

