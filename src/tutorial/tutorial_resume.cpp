// tutorial_resume.cpp -- starting the tutorial: fresh, or where a new player left it
#include "tutorial/tutorial_resume.h"

#include "activities/fire_pit.h"
#include "activities/interaction.h"
#include "engine/app_state.h"
#include "engine/clock.h"
#include "frontend/game_reset.h"
#include "frontend/save_list.h"
#include "inventory/checklist.h"
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
    resetGameState();
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
    goToStep(Step::Arrival);
}

// Opens the lesson's object (the first in its area) as if the wisp had just arrived in front of it.
void openAtResume(const FixedArea& area) {
    bool middle = area.places[0] == EmptyPlace;
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

void openFireAtResume(const FixedArea& area, int fireState) {
    openAtResume(area);
    firePit.FireState = fireState;
    firePit.logKind = BirchLogs;
    firePit.fishKind = RawBass;
}

void reopenLesson(const StepRow& row) {
    switch (row.reopen) {
        case Reopen::Nothing: break;
        case Reopen::Window: openAtResume(row.area); break;
        case Reopen::FireMenu: openFireAtResume(row.area, 1); break;
        case Reopen::FireLighting: openFireAtResume(row.area, 2); break;
        case Reopen::FireDropping: openFireAtResume(row.area, 3); break;
        case Reopen::Checklist: toggleChecklist(false); break;
        case Reopen::ChecklistAndBag:
            toggleChecklist(false);
            toggleInventory(false);
            break;
    }
}

void topUpForLesson(const StepRow& row) {
    for (int item : row.topUp)
        if (item != 0) putIfMissing(item);
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
    if (p.playerX >= wispRightLimit) {
        p.inTransition = true;
        p.nextAreaChosen = false;
        p.controlEnabled = false;
    }
    if (p.playerX < wispLeftLimit) p.playerX = wispLeftLimit;
    // A resumed tutorial goes back to the start of the lesson's hands-on part.
    Step saved = stepNumbered(v[0]);
    const StepRow& row = stepRow(stepRow(saved).resumeAt.value_or(saved));
    goToStep(row.step);
    if (row.step == Step::Arrival) {
        prepareNewGamePlayer();
        p.PlayTimer = v[2];
    }
    reopenLesson(row);
    topUpForLesson(row);
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
    changeScreen(GameScreen::Tutorial);
}
