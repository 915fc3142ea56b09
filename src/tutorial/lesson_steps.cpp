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
#include <vector>

namespace {

bool windowJustOpening() { return interaction.windowPhase == WindowPhase::Opening; }

bool anyPiecePlaced() {
    for (const SmithingPiece& p : smithing.pieces)
        if (p.placed) return true;
    return false;
}

}  // namespace

Step& step() { return tutorial.tutorialStep; }

bool stepReached(Step s) { return step() >= s; }

// Control is on while no window is on screen; a closing window hands it back itself.
void giveControl() { session.player.controlEnabled = !interactionActive(); }
void takeControl() { session.player.controlEnabled = false; }

void goToStep(Step s) {
    if (stepRow(s).neverEntered) s = nextStep(s);
    step() = s;
    tutorial.stepEntered = true;
}

void moveOn(Step s) {
    goToStep(s);
    saveTutorial();
}

void putIfMissing(int item) {
    if (bagHolds(item)) return;
    int slot = firstEmptySlot();
    if (slot >= 0) session.Inventory[slot] = item;
}

// The one-time setup of a step, run in the frame it is entered.
void enterStep(Step s) {
    const StepRow& row = stepRow(s);
    tutorial.stepEntered = false;
    tutorial.stepStartTime = nowMs();
    std::vector<std::string> speech = elderSpeech(s, touchMode, saveList.NewPlayer);
    int characters = 0;
    for (const std::string& line : speech) characters += static_cast<int>(line.size());
    tutorial.readDelay = 16 * characters;
    if (row.givesControl) giveControl();
    if (row.arrow.speed > 0) setArrow(row.arrow.speed, row.arrow.maximum);
    switch (s) {
        case Step::ElderAppears: tutorial.elderAlpha = 0; break;
        case Step::WalkRight: tutorial.touchWalkStarted = false; break;
        case Step::HelpMenu: if (inventoryPanel.open) toggleInventory(true); break;
        case Step::OpenFirePitAgain:
            putIfMissing(BirchLogs);
            putIfMissing(RawBass);
            saveTutorial();
            break;
        case Step::ResearchBass: tutorial.researchAtLessonStart = session.ResearchLevel[CookedBass]; break;
        case Step::Complete: tutorial.endingCounter = 0; break;
        default: break;
    }
}

// What moves the current step on, checked every frame.
void checkProgress() {
    const PlayerState& p = session.player;
    Step s = step();
    if (stepRow(s).opensPlace >= 0) {
        if (windowJustOpening()) moveOn(nextStep(s));
        return;
    }
    switch (s) {
        case Step::Arrival: if (!p.arrivalBeam) { takeControl(); moveOn(Step::ElderAppears); } break;
        case Step::ElderAppears:
            tutorial.elderAlpha = std::min(230.0, tutorial.elderAlpha + 2);
            if (tutorial.elderAlpha >= 230 && nowMs() - tutorial.stepStartTime > 750) {
                tutorial.elderAlpha = 255;
                moveOn(Step::Welcome);
            }
            break;
        case Step::WalkRight:
            if (!touchMode && p.playerX >= 301) moveOn(Step::WalkLeft);
            if (touchMode && tutorial.touchWalkStarted && p.touchTargetX == 0) { takeControl(); moveOn(Step::Timer); }
            break;
        case Step::WalkLeft: if (p.playerX < 200) { takeControl(); moveOn(Step::Timer); } break;
        case Step::OpenBag: if (inventoryPanel.open) moveOn(Step::BagSize); break;
        case Step::Chop: case Step::Mine: if (interaction.ActivityProgress > 0) moveOn(nextStep(s)); break;
        case Step::Chopping: case Step::Mining: case Step::Fish:
            if (interaction.ActivityProgress >= activityDone) moveOn(nextStep(s));
            break;
        case Step::ChooseFish: if (firePit.FireState >= 2) moveOn(Step::LightFire); break;
        case Step::LightFire: if (firePit.FireState == 2 && interaction.ActivityProgress > 20) moveOn(Step::FireCatching); break;
        case Step::FireCatching: if (firePit.FireState >= 3) moveOn(Step::Cook); break;
        case Step::Cook: if (firePit.fishHeld) moveOn(Step::Cooking); break;
        case Step::Cooking: case Step::CookingAgain:
            if (interaction.itemGranted) moveOn(Step::WalkToAnvil);
            else if (firePit.burnt) moveOn(Step::OpenFirePitAgain);
            break;
        case Step::ChooseTool: if (interactionActive() && !smithing.menuShowing) moveOn(Step::PlacePieces); break;
        case Step::PlacePieces: if (anyPiecePlaced()) moveOn(Step::Smithing); break;
        case Step::Smithing: if (interaction.itemGranted) moveOn(Step::WellDone); break;
        case Step::OpenChecklist:
            if (checklistPage.open) moveOn(inventoryPanel.open ? Step::ResearchBass : Step::OpenBagToo);
            break;
        case Step::OpenBagToo: if (checklistPage.open && inventoryPanel.open) moveOn(Step::ResearchBass); break;
        case Step::ResearchBass:
            if (session.ResearchLevel[CookedBass] > tutorial.researchAtLessonStart) moveOn(Step::ResearchResult);
            break;
        default: break;
    }
}

void placeFixedArea() {
    const FixedArea& area = stepRow(step()).area;
    for (int place = 0; place < 3; place++) session.world.AreaContents[place] = area.places[place];
}
