// dispatch.cpp -- clicks and keys handed to the screen that shows
#include "game/dispatch.h"

#include "activities/gathering.h"
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
#include "world/game_session.h"
#include "world/player.h"
#include "world/tutorial_rules.h"

namespace {

// A press during a game or the tutorial: the elder, the HUD, then the open window; a
// touch that none of them used walks the wisp.
void handlePlayPress() {
    bool tapUsed = !touchMode || tutorialTakesTap();
    // A press made while the help page was open belongs to the page, even when it
    // closed the page (a touch outside it): the window behind never gets it.
    bool forHelpPage = helpOpen();
    if (handleGameClick()) tapUsed = true;
    if (!playing()) return;  // the exit button was pressed
    if (!forHelpPage) onInteractionPress();
    if (tapUsed || !session.player.controlEnabled || gamePaused() || interactionActive()) return;
    onTap(pointer.pointerX);
}

// A key during a game or the tutorial: Confirm moves the elder's speech on, Interact opens
// the object in front of the wisp, Close shuts the help page or else the window, Bag and
// Checklist open and close their pages; the tutorial keeps what it has not taught yet.
void runPlayKey(KeyAction action) {
    switch (action) {
        case KeyAction::Confirm:
            tutorialTakesEnter();
            break;
        case KeyAction::Interact:
            if (session.player.controlEnabled && !helpOpen() && tutorialMayOpenObject()) openInteraction();
            break;
        case KeyAction::Close:
            if (revealed(Reveal::Help) && !toggleHelp(true) && !lessonHoldsWindow()) closeInteraction(0);
            break;
        case KeyAction::Checklist:
            if (revealed(Reveal::ChecklistPage) && !helpOpen()) toggleChecklist(false);
            break;
        case KeyAction::Bag:
            if (revealed(Reveal::Bag) && !helpOpen()) toggleInventory(false);
            break;
        default:
            break;
    }
}

}  // namespace

void dispatchClick() {
    if (app.loadingScreenOn) return;
    if (playing()) handlePlayPress();
    onMenuClick();
}

namespace {
// Walking follows the walk keys' state: any key press while one is down starts that walk.
void startHeldWalks() {
    PlayerState& player = session.player;
    if (walkKeyHeld(KeyAction::WalkLeft)) player.moveLeftHeld = true;
    if (walkKeyHeld(KeyAction::WalkRight)) player.moveRightHeld = true;
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
            if (showing(GameScreen::LoadList) && event.mouseWheel.delta != 0)
                scrollLoadList(event.mouseWheel.delta > 0 ? -1 : 1);
            break;
        default:
            break;
    }
}

void runKeyAction(KeyAction action) {
    if (app.loadingScreenOn) return;
    if (playing()) runPlayKey(action);
    else if (action == KeyAction::Confirm) confirmTypedEntry();
}

// Only the text screens take characters; keys act through runKeyAction.
void handleTextEntered(uint32_t c) {
    if (app.loadingScreenOn || playing()) return;
    if (showing(GameScreen::NameEntry)) typeNameCharacter(c);
    else if (showing(GameScreen::SeedEntry)) typeSeedCharacter(c);
}

