// lesson_steps.cpp -- the script's steps: moving on, each step's setup, what moves it on,
// and the fixed areas the lessons stand in
#include "tutorial/lesson_steps.h"

#include "activities/fire_pit.h"
#include "activities/gathering.h"
#include "activities/smithing.h"
#include "engine/clock.h"
#include "engine/input.h"
#include "frontend/save_list.h"
#include "inventory/checklist.h"
#include "inventory/inventory.h"
#include "tutorial/tutorial_file.h"
#include "tutorial/tutorial_script.h"
#include "tutorial/tutorial_speech.h"
#include "tutorial/tutorial_state.h"
#include "world/game_session.h"
#include "world/interaction_state.h"
#include "world/kinds.h"

#include <algorithm>
#include <string>

namespace {

bool windowJustOpening() { return interaction.windowPhase == WindowPhase::Opening; }

bool anyPiecePlaced() {
    for (const SmithingPiece& p : smithing.pieces)
        if (p.placed) return true;
    return false;
}

}  // namespace

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
    if (bagHolds(item)) return;
    int slot = firstEmptySlot();
    if (slot >= 0) session.Inventory[slot] = item;
}

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
    if (s == 4) tutorial.touchWalkStarted = false;
    if (s == 14 && inventoryPanel.open) toggleInventory(true);
    if (s == 42) {
        putIfMissing(BirchLogs);
        putIfMissing(RawBass);
        saveTutorial();
    }
    if (s == 54) tutorial.researchOnEntering54 = session.ResearchLevel[CookedBass];
    if (s == lastTutorialStep) tutorial.endingCounter = 0;
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
            if (touchMode && tutorial.touchWalkStarted && p.touchTargetX == 0) { takeControl(); moveOn(6); }
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
        case 54: if (session.ResearchLevel[CookedBass] > tutorial.researchOnEntering54) moveOn(55); break;
        default: break;
    }
}

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

