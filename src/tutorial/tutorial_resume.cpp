// tutorial_resume.cpp -- starting the tutorial: fresh, or where a new player left it
#include "tutorial/tutorial_resume.h"

#include "activities/fire_pit.h"
#include "activities/interaction.h"
#include "activities/smithing.h"
#include "engine/app_state.h"
#include "engine/clock.h"
#include "frontend/save_list.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/inventory.h"
#include "tutorial/lesson_steps.h"
#include "tutorial/tutorial_file.h"
#include "tutorial/tutorial_state.h"
#include "world/game_session.h"
#include "world/kinds.h"
#include "world/player.h"

#include <algorithm>

namespace {

constexpr int loadingUnits = 10;  // the tutorial is ready at once behind the loading bar

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

}  // namespace

void startTutorial() {
    bool resumed = saveList.NewPlayer && resumeTutorial();
    if (!resumed) {
        startFresh();
        if (saveList.NewPlayer) saveTutorial();
    }
    tutorial.wasInTransition = session.player.inTransition && !session.player.arrivalBeam;
    raiseLoadingScreen(loadingUnits);
    app.loadProgress = loadingUnits;
    changeScreen(Screen::Tutorial);
}
