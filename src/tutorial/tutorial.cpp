// tutorial.cpp -- the tutorial's run: starting and resuming, the script's steps and
// what moves them on, the walk between its fixed areas, its keys and presses, the ending
#include "tutorial/tutorial.h"

#include "activities/fire_pit.h"
#include "activities/fishing.h"
#include "activities/interaction.h"
#include "activities/mining.h"
#include "activities/smithing.h"
#include "activities/woodcutting.h"
#include "app/app_state.h"
#include "app/catalogue.h"
#include "app/clock.h"
#include "app/input.h"
#include "app/sound.h"
#include "app/toolkit.h"
#include "frontend/save_files.h"
#include "frontend/save_values.h"
#include "frontend/save_list.h"
#include "inventory/checklist.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "world/game_screen.h"
#include "world/game_session.h"
#include "world/kinds.h"
#include "world/player.h"

#include <algorithm>
#include <string>

TutorialState tutorial;

namespace {

const char* const saveFileName = "tS.kv";
constexpr int lastStep = 60;
constexpr int loadingUnits = 10;           // the tutorial is ready at once behind the loading bar
constexpr int elderTapX = 940, elderTapY = 542, elderTapSize = 100;
constexpr int walkOutX = 979;              // the transition starts past this
constexpr int touchWalkOutFrom = 921;      // touch: a tap this far right walks out
constexpr int standingY = 400;        // playerY of a wisp on the ground

// [SECTION] Steps

int& step() { return tutorial.tutorialStep; }

bool oneOf(int s, std::initializer_list<int> steps) {
    return std::find(steps.begin(), steps.end(), s) != steps.end();
}

bool isWalkOutStep(int s) { return oneOf(s, {15, 24, 30, 35, 44}); }

// Control is on while no window is on screen; a closing window hands it back itself.
void giveControl() { session.player.controlEnabled = !interactionActive(); }
void takeControl() { session.player.controlEnabled = false; }

// Steps 21, 25 and 58 are never entered.
void goToStep(int s) {
    if (s == 21 || s == 25 || s == 58) s++;
    step() = s;
    tutorial.stepEntered = true;
}

void moveOn(int s) {
    goToStep(s);
    saveTutorial();
}

void putIfMissing(int item) {
    if (std::find(std::begin(session.Inventory), std::end(session.Inventory), item) != std::end(session.Inventory)) return;
    int slot = firstEmptySlot();
    if (slot >= 0) session.Inventory[slot] = item;
}

int researchOnEntering54 = 0;  // Cooked Bass's research level when step 54 began
bool touchWalkStarted = false; // touch, step 4: a walk target was set by a tap

// The one-time setup of a step, run in the frame it is entered.
void enterStep(int s) {
    tutorial.stepEntered = false;
    tutorial.stepStartTime = nowMs();
    std::vector<std::string> speech = elderSpeech(s, touchMode, saveList.NewPlayer);
    int characters = 0;
    for (const std::string& line : speech) characters += static_cast<int>(line.size());
    tutorial.readDelay = 16 * characters;
    if (oneOf(s, {4, 5, 15, 16, 17, 18, 24, 26, 27, 30, 31, 32, 35, 36, 42, 44, 45})) giveControl();
    if (oneOf(s, {6, 8, 14, 18, 27, 32, 36, 45})) setArrow(2, 30);
    if (oneOf(s, {7, 51, 52})) setArrow(1, 20);
    if (s == 1) tutorial.elderAlpha = 0;
    if (s == 4) touchWalkStarted = false;
    if (s == 14 && inventoryPanel.open) toggleInventory(true);
    if (s == 42) {
        putIfMissing(BirchLogs);
        putIfMissing(RawBass);
        saveTutorial();
    }
    if (s == 54) researchOnEntering54 = session.ResearchLevel[CookedBass];
    if (s == lastStep) tutorial.endingCounter = 0;
}

bool windowJustOpening() { return interaction.windowPhase == WindowPhase::Opening; }

bool anyPiecePlaced() {
    for (const SmithingPiece& p : smithing.pieces)
        if (p.placed) return true;
    return false;
}

// What moves the current step on, checked every frame.
void checkProgress() {
    const PlayerState& p = session.player;
    int s = step();
    switch (s) {
        case 0: if (!p.arrivalBeam) { takeControl(); moveOn(1); } break;
        case 1:
            tutorial.elderAlpha = std::min(230.0, tutorial.elderAlpha + 2);
            if (tutorial.elderAlpha >= 230 && nowMs() - tutorial.stepStartTime > 750) {
                tutorial.elderAlpha = 255;
                moveOn(2);
            }
            break;
        case 4:
            if (!touchMode && p.playerX >= 301) moveOn(5);
            if (touchMode && touchWalkStarted && p.touchTargetX == 0) { takeControl(); moveOn(6); }
            break;
        case 5: if (p.playerX < 200) { takeControl(); moveOn(6); } break;
        case 8: if (inventoryPanel.open) moveOn(9); break;
        case 18: case 27: case 32: case 36: case 42: case 45:
            if (windowJustOpening()) moveOn(s + 1);
            break;
        case 22: case 28: if (interaction.ActivityProgress > 0) moveOn(s + 1); break;
        case 23: case 29: case 34:
            if (interaction.ActivityProgress >= activityDone) moveOn(s + 1);
            break;
        case 37: if (firePit.FireState >= 2) moveOn(38); break;
        case 38: if (firePit.FireState == 2 && interaction.ActivityProgress > 20) moveOn(39); break;
        case 39: if (firePit.FireState >= 3) moveOn(40); break;
        case 40: if (firePit.fishHeld) moveOn(41); break;
        case 41: case 43:
            if (interaction.itemGranted) moveOn(44);
            else if (firePit.burnt) moveOn(42);
            break;
        case 46: if (interactionActive() && !smithing.menuShowing) moveOn(47); break;
        case 47: if (anyPiecePlaced()) moveOn(48); break;
        case 48: if (interaction.itemGranted) moveOn(49); break;
        case 52:
            if (checklistPage.open) moveOn(inventoryPanel.open ? 54 : 53);
            break;
        case 53: if (checklistPage.open && inventoryPanel.open) moveOn(54); break;
        case 54: if (session.ResearchLevel[CookedBass] > researchOnEntering54) moveOn(55); break;
        default: break;
    }
}

// [SECTION] The fixed areas

void placeFixedArea() {
    int s = step();
    int32_t* a = session.world.AreaContents;
    a[0] = a[1] = a[2] = EmptyPlace;
    if (s >= 16 && s <= 24) {
        a[0] = s < 24 ? BirchTree : EmptyPlace;
        a[1] = PineTree;
        a[2] = OakTree;
    } else if (s >= 25 && s <= 30) {
        a[0] = s < 30 ? BronzeRock : EmptyPlace;
        a[1] = IronRock;
        a[2] = TitaniumRock;
    } else if (s >= 31 && s <= 35) {
        a[0] = s < 35 ? BassPond : EmptyPlace;
        a[1] = SalmonPond;
        a[2] = TroutPond;
    } else if (s >= 36 && s <= 44) {
        a[1] = FirePit;
    } else if (s >= 45) {
        a[1] = Anvil;
    }
}

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

// [SECTION] Starting and resuming

void resetTutorialGame() {
    session = GameSession{};
    resetInteraction();
    firePit = FirePitState{};
    smithing = SmithingState{};
    resetInventoryPanel();
    resetChecklistPage();
    resetHelpPage();
    tutorial = TutorialState{};
    tutorial.elderSpinChanged = nowMs();
}

void startFresh() {
    resetTutorialGame();
    prepareNewGamePlayer();
    session.player.nextAreaChosen = true;
    session.Inventory[0] = BronzeHatchet;
    session.Inventory[1] = BronzePickaxe;
    session.Inventory[2] = BronzeFishingPole;
    goToStep(0);
}

// Opens the lesson's object as if the wisp had just arrived in front of it.
void openAtResume(int kind) {
    bool middle = kind == FirePit || kind == Anvil;
    if ((placeOfWisp() == 1) != middle) session.player.playerX = middle ? 500 : 170;
    placeFixedArea();
    openInteraction();
    interaction.windowPhase = WindowPhase::Open;
    interaction.windowScale = 1;
    interaction.windowY = 335;
    interaction.dimAlpha = 200;
    interaction.ActivityProgress = 0;
    takeControl();
}

void openFireAtResume(int fireState) {
    openAtResume(FirePit);
    firePit.FireState = fireState;
    firePit.logKind = BirchLogs;
    firePit.fishKind = RawBass;
}

// A resumed tutorial goes back to the start of the lesson's hands-on part.
int resumeStep(int s) {
    switch (s) {
        case 5: case 43: return s - 1;
        case 23: return 22;
        case 29: case 34: case 39: case 41: return s - 1;
        case 46: case 47: case 48: return 45;
        case 52: return 51;
        default: return s;
    }
}

void reopenLesson(int s) {
    if (s >= 19 && s <= 22) openAtResume(BirchTree);
    else if (s == 28) openAtResume(BronzeRock);
    else if (s == 33) openAtResume(BassPond);
    else if (s == 37) openFireAtResume(1);
    else if (s == 38) openFireAtResume(2);
    else if (s == 40) openFireAtResume(3);
    else if (s == 53) toggleChecklist(false);
    else if (s == 54) {
        toggleChecklist(false);
        toggleInventory(false);
    }
}

void topUpForLesson(int s) {
    if (s >= 24 && s <= 37) putIfMissing(BirchLogs);
    if (s >= 30 && s <= 46) putIfMissing(BronzeOre);
    if (s >= 35 && s <= 37) putIfMissing(RawBass);
}

// The 33 numbers of saves/tS.kv, or false when the file is short, damaged or missing.
bool readTutorialFile(int (&values)[tutorialSaveLines]) {
    auto lines = readSavesFile(saveFileName);
    if (!lines || lines->size() < tutorialSaveLines) return false;
    for (int i = 0; i < tutorialSaveLines; i++) {
        auto value = parseInt((*lines)[i]);
        if (!value || !tutorialLineRange(i + 1).holds(*value)) return false;
        values[i] = *value;
    }
    return values[0] >= 0 && values[0] <= lastStep;
}

bool resumeTutorial() {
    int v[tutorialSaveLines];
    if (!readTutorialFile(v)) return false;
    resetTutorialGame();
    PlayerState& p = session.player;
    p.playerX = v[1];
    p.PlayTimer = v[2];
    resetPlayTimerReference();  // the time away from the tutorial is not played time
    for (int i = 0; i < 9; i++) session.Inventory[i] = std::clamp(v[3 + i], 0, 21);
    for (int k = 1; k <= 21; k++) session.ResearchLevel[k] = std::clamp(v[11 + k], 0, 100);
    session.OverallProgress = computeOverallProgress(session.ResearchLevel);
    p.playerY = standingY;
    p.arrivalBeam = false;
    p.inTransition = false;
    p.nextAreaChosen = true;
    tutorial.elderAlpha = 230;
    p.controlEnabled = true;
    if (p.playerX > walkOutX) {
        p.inTransition = true;
        p.nextAreaChosen = false;
        p.controlEnabled = false;
    }
    if (p.playerX < 50) p.playerX = 50;
    int s = resumeStep(v[0]);
    goToStep(s);
    if (s == 0) {
        prepareNewGamePlayer();
        p.PlayTimer = v[2];
    }
    reopenLesson(s);
    topUpForLesson(s);
    return true;
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
    if (s == 4 && p.touchTargetX != 0) touchWalkStarted = true;
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

bool tutorialReached(int s) { return !app.inTutorial || tutorial.tutorialStep >= s; }
bool inTutorialAt(int s) { return app.inTutorial && tutorial.tutorialStep == s; }

bool tutorialMayOpenHere() { return tutorialMayOpen(); }
bool tutorialMayWalkOut() { return isWalkOutStep(step()); }

void tutorialReachedNextArea() {
    PlayerState& p = session.player;
    p.playerX = 0;
    p.touchTargetX = 0;
    int s = step();
    goToStep(s == 24 ? 26 : s + 1);
    tutorial.stepEntered = false;  // the lesson's setup waits for the wisp to drift in
    if (s == 35 || s == 44) setArrow(2, 30);
}

void startTutorial() {
    bool resumed = saveList.NewPlayer && resumeTutorial();
    if (!resumed) {
        startFresh();
        if (saveList.NewPlayer) saveTutorial();
    }
    tutorial.wasInTransition = session.player.inTransition && !session.player.arrivalBeam;
    clearMenuFlags();
    raiseLoadingScreen(loadingUnits);
    app.loadProgress = loadingUnits;
    app.inTutorial = true;
}

std::vector<std::string> tutorialSaveLinesNow() {
    std::vector<std::string> lines;
    lines.push_back(std::to_string(tutorial.tutorialStep));
    lines.push_back(std::to_string(session.player.playerX));
    lines.push_back(std::to_string(session.player.PlayTimer));
    for (int item : session.Inventory) lines.push_back(std::to_string(item));
    for (int k = 1; k <= 21; k++) lines.push_back(std::to_string(session.ResearchLevel[k]));
    return lines;
}

void saveTutorial() {
    if (saveList.NewPlayer) replaceSavesFile(saveFileName, tutorialSaveLinesNow());
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
    if (step() == lastStep) runEnding();
}

void onTutorialClick() {
    if (touchMode && !helpOpen() && pointerInRectInt(elderTapX, elderTapY, elderTapSize, elderTapSize)) {
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

void onTutorialText(uint32_t c) {
    if (app.loadingScreenOn) return;
    if (c == 10 || c == 13) {
        advanceTextStep();
    } else if (c == 32) {
        if (session.player.controlEnabled && !helpOpen()) tryOpening();
    } else if (c == 27) {
        if (tutorialReached(14)) toggleHelp(true);
    } else if (c == 'e') {
        if (tutorialReached(8) && !helpOpen()) toggleInventory(false);
    } else if (c == 'q') {
        if (tutorialReached(52) && !helpOpen()) toggleChecklist(false);
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
