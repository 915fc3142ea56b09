// tutorial.cpp -- the tutorial's run: each frame, the walk between its fixed areas, its
// keys and presses, opening objects, the ending
#include "tutorial/tutorial.h"

#include "activities/interaction.h"
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/input.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "frontend/save_list.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "tutorial/lesson_steps.h"
#include "tutorial/tutorial_file.h"
#include "tutorial/tutorial_script.h"
#include "tutorial/tutorial_speech.h"
#include "world/area_objects.h"
#include "world/game_session.h"
#include "world/kinds.h"
#include "world/player.h"
#include "world/tutorial_rules.h"

#include <algorithm>
#include <string>

namespace {

constexpr int elderTapSize = 100;
constexpr int touchWalkOutFrom = 921;      // touch: a tap this far right walks out

// [SECTION] Walking between areas

// Arrived back at x 100 after a walk: the next lesson begins.
void finishWalkIn() {
    if (oneOf(step(), {16, 26, 31, 36, 45})) tutorial.stepEntered = true;
    saveTutorial();
}

void followTransition() {
    bool running = session.player.inTransition && !session.player.arrivalBeam;
    if (tutorial.wasInTransition && !running && step() > 0) finishWalkIn();
    tutorial.wasInTransition = running;
}

// [SECTION] The ending

void runEnding() {
    tutorial.endingCounter += 2;
    if (tutorial.endingCounter < 255) {
        shadeView(tutorial.endingCounter);
        return;
    }
    shadeView(255);
    label(defaultFont, 30, sf::Color::White, AlignCentre, "Tutorial Complete", 500, 300);
    if (tutorial.endingCounter >= 400) tutorialCompleted();
}

// [SECTION] Opening objects and touch walking

bool tutorialMayOpen() {
    int x = session.player.playerX, s = step();
    if (x < 333) return s == 18 || s == 27 || s == 32;
    if (x <= 665) return s == 36 || s == 42 || s == 45;
    return false;
}

void tryOpening() {
    if (tutorialMayOpen()) openInteraction();
}

void onTutorialTap(int x) {
    PlayerState& p = session.player;
    int s = step();
    if (x >= touchWalkOutFrom) {
        if (isWalkOutStep(s)) p.touchTargetX = 1000;
        return;
    }
    bool objectStep = oneOf(s, {18, 27, 32, 36, 42, 45}) && pointerOverObject(-1, -1);
    p.touchTargetX = s == 4 || objectStep ? std::max(50, x) : 0;
    if (s == 4 && p.touchTargetX != 0) tutorial.touchWalkStarted = true;
}

void advanceTextStep() {
    if (helpOpen() || !promptReady()) return;
    playSound("click", true);
    moveOn(step() + 1);
}

void runScriptStep() {
    int s = step();
    if (tutorial.stepEntered) enterStep(s);
    checkProgress();
    if (s != step() && tutorial.stepEntered) enterStep(step());
    s = step();
    drawSpeech(elderSpeech(s, touchMode, saveList.NewPlayer), !speechIsPreset(s));
    drawContinuePrompt();
    drawArrowForStep(s);
}

}  // namespace

// [SECTION] Interfaces

bool lessonMayOpenHere() { return tutorialMayOpen(); }
bool lessonMayWalkOut() { return isWalkOutStep(step()); }

void tutorialReachedNextArea() {
    PlayerState& p = session.player;
    p.playerX = 0;
    p.touchTargetX = 0;
    int s = step();
    goToStep(s == 24 ? 26 : s + 1);
    tutorial.stepEntered = false;  // the lesson's setup waits for the wisp to drift in
    if (s == 35 || s == 44) setArrow(2, 30);
}

void tutorialFrame() {
    if (!session.player.arrivalBeam) tickPlayTimer();
    placeFixedArea();
    drawAreaObjects();
    drawWisp();
    drawInteraction();
    drawFlyingItem();
    runScriptStep();
    if (step() >= 1) drawElder();
    runTransitionOrBeam();
    followTransition();
    drawHud();
    if (step() == lastTutorialStep) runEnding();
}

void onTutorialClick() {
    if (touchMode && !helpOpen() && pointerInRectInt(elderX, elderY, elderTapSize, elderTapSize)) {
        tapPending = false;
        advanceTextStep();
    }
    bool forHelpPage = helpOpen();  // such a press never reaches the window behind
    handleGameClick();
    if (!app.inTutorial) return;  // the exit button was pressed
    if (!forHelpPage) onInteractionPress();
    if (!tapPending) return;
    tapPending = false;
    if (session.player.controlEnabled && !helpOpen() && !interactionActive()) onTutorialTap(pointer.pointerX);
}

void onTutorialKey(KeyAction action) {
    if (app.loadingScreenOn) return;
    switch (action) {
        case KeyAction::Confirm: advanceTextStep(); break;
        case KeyAction::Interact:
            if (session.player.controlEnabled && !helpOpen()) tryOpening();
            break;
        case KeyAction::Close:
            if (lessonReached(14)) toggleHelp(true);
            break;
        case KeyAction::Bag:
            if (lessonReached(8) && !helpOpen()) toggleInventory(false);
            break;
        case KeyAction::Checklist:
            if (lessonReached(52) && !helpOpen()) toggleChecklist(false);
            break;
        default: break;
    }
}

void leaveTutorial() {
    playSound("exit", true);
    stopSound("pond ripple");
    stopSound("fire sizzle");
    takeControl();
    app.inTutorial = false;
    app.showTitle = true;
}
