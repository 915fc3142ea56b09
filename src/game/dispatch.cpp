// dispatch.cpp -- clicks and keys handed to the screen that shows
#include "game/dispatch.h"

#include "activities/gathering.h"
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

// Enter moves the elder's speech on; Space opens the object in front of the wisp;
// Esc closes the help page, or else the window; Q and E open the checklist and the bag.
void handlePlayKey(uint32_t c) {
    if (c == 10 || c == 13) {
        tutorialTakesEnter();
    } else if (c == 32) {
        if (session.player.controlEnabled && !helpOpen() && tutorialMayOpenObject()) openInteraction();
    } else if (c == 27) {
        if (revealed(Reveal::Help) && !toggleHelp(true) && !lessonHoldsWindow()) closeInteraction(0);
    } else if (c == 'q') {
        if (revealed(Reveal::ChecklistPage) && !helpOpen()) toggleChecklist(false);
    } else if (c == 'e') {
        if (revealed(Reveal::Bag) && !helpOpen()) toggleInventory(false);
    }
}

}  // namespace

void dispatchClick() {
    if (app.loadingScreenOn) return;
    if (playing()) handlePlayPress();
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
            handleTextEntered(event.text.unicode);
            break;
        case sf::Event::KeyPressed:
            // Any key press while A or D is held starts the walk, whatever the key.
            if (platformKey(sf::Keyboard::A)) s.player.moveLeftHeld = true;
            if (platformKey(sf::Keyboard::D)) s.player.moveRightHeld = true;
            break;
        case sf::Event::KeyReleased:
            s.player.moveLeftHeld = s.player.moveLeftHeld && platformKey(sf::Keyboard::A);
            s.player.moveRightHeld = s.player.moveRightHeld && platformKey(sf::Keyboard::D);
            break;
        case sf::Event::MouseWheelMoved:
            // One row per event, whatever the size of the turn.
            if (showing(Screen::LoadList) && event.mouseWheel.delta != 0)
                scrollLoadList(event.mouseWheel.delta > 0 ? -1 : 1);
            break;
        default:
            break;
    }
}

void handleTextEntered(uint32_t c) {
    if (app.loadingScreenOn) return;
    if (playing()) handlePlayKey(c);
    else if (showing(Screen::NameEntry)) typeNameCharacter(c);
    else if (showing(Screen::SeedEntry)) typeSeedCharacter(c);
}

