// tutorial.cpp -- the tutorial's run: each frame, the walk between its fixed areas, its
// keys and presses, opening objects, the ending
#include "tutorial/tutorial.h"

#include "activities/gathering.h"
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

// [SECTION] Walking between areas

// Arrived back at x 100 after a walk: the next lesson begins.
void finishWalkIn() {
    if (stepRow(step()).beginsArea) tutorial.stepEntered = true;
    saveTutorial();
}

void followTransition() {
    bool running = session.player.inTransition && !session.player.arrivalBeam;
    if (tutorial.wasInTransition && !running && stepReached(Step::ElderAppears)) finishWalkIn();
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
    if (tutorial.endingCounter >= 400) completeTutorial();
}

// [SECTION] Opening objects and moving the speech on

// Only the lesson's own object opens, and only with the wisp in front of it.
bool tutorialMayOpen() {
    int place = stepRow(step()).opensPlace;
    return place >= 0 && placeOfWisp() == place;
}

void advanceTextStep() {
    if (helpOpen() || !promptReady()) return;
    playSound("click", true);
    moveOn(nextStep(step()));
}

void runScriptStep() {
    Step s = step();
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
bool lessonMayWalkOut() { return stepRow(step()).walksOut; }

void tutorialReachedNextArea() {
    PlayerState& p = session.player;
    p.playerX = 0;
    p.touchTargetX = 0;
    const StepRow& leaving = stepRow(step());
    goToStep(nextStep(step()));
    tutorial.stepEntered = false;  // the lesson's setup waits for the wisp to drift in
    // ...but its arrow already points the way while it does.
    const ArrowPlace& arrow = stepRow(step()).arrow;
    if (leaving.walksOut && arrow.speed > 0) setArrow(arrow.speed, arrow.maximum);
}

void tutorialFrame() {
    if (!session.player.arrivalBeam) tickPlayTimer();
    placeFixedArea();
    drawAreaObjects();
    drawWisp();
    drawInteraction();
    drawFlyingItem();
    runScriptStep();
    if (stepReached(Step::ElderAppears)) drawElder();
    runTransitionOrBeam();
    followTransition();
    drawHud();
    if (step() == Step::Complete) runEnding();
}

bool elderTakesTap() {
    if (helpOpen() || !pointerInRectInt(elderX, elderY, elderTapSize, elderTapSize)) return false;
    advanceTextStep();
    return true;
}

bool enterMovesSpeechOn() {
    advanceTextStep();
    return true;
}

// The walking lesson walks the wisp wherever the player taps; the object lessons only
// to an object, as in a game; every other step keeps the wisp where it is.
bool lessonTapWalks(bool overObject) {
    const StepRow& row = stepRow(step());
    if (row.step == Step::WalkRight) {
        tutorial.touchWalkStarted = true;
        return true;
    }
    return row.opensPlace >= 0 && overObject;
}

namespace {
// Both ways out of the tutorial, the exit button and the end of the script, lead to the title.
void closeTutorial() { changeScreen(GameScreen::Title); }
}  // namespace

void leaveTutorial() {
    playSound("exit", true);
    stopSound("pond ripple");
    stopSound("fire sizzle");
    takeControl();
    closeTutorial();
}

void completeTutorial() {
    tutorialCompleted();
    closeTutorial();
}
