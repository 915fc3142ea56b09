// lesson_rules.cpp -- the tutorial's answers to the questions the game rules ask
#include "tutorial/lesson_rules.h"

#include "tutorial/lesson_steps.h"
#include "tutorial/tutorial.h"

#include "world/game_session.h"
#include "world/kinds.h"
#include "world/tutorial_rules.h"

namespace {

constexpr double lessonChopGain = 10;    // every chop the same, whatever the tool
constexpr double lessonHitGain = 8.3;
constexpr double lessonCatchGain = 1.0;  // per step on the ripples
constexpr CircleMoves lessonCircleMoves = {10, 5};  // the bronze rock's circle moves less often

// A part shows once the script has come to the step that reveals it.
bool revealedAnswer(Reveal part) {
    for (const StepRow& row : stepTable()) {
        if (!stepReached(row.step)) break;
        if (row.reveals & revealBit(part)) return true;
    }
    return false;
}

bool mayCastLineAnswer() { return step() == Step::Fish; }
bool mayThrowAwayAnswer() { return stepReached(Step::TrashCan); }

// Research is taught with a Cooked Bass, and allowed from then on.
bool mayResearchAnswer(int slot) {
    if (!stepReached(Step::ResearchBass)) return false;
    return step() != Step::ResearchBass || session.Inventory[slot] == CookedBass;
}

double fixedGainAnswer(int kind) {
    if (isTree(kind)) return lessonChopGain;
    if (isRock(kind)) return lessonHitGain;
    return lessonCatchGain;
}

int lessonRockAnswer() { return BronzeRock; }
CircleMoves circleMovesAnswer() { return lessonCircleMoves; }

// The cook answers only the first row and trusts the bag; the anvil makes Bronze
// tools only (its first column), without asking for ore.
bool mayChooseAnswer(int kind, int choice) { return kind == FirePit ? choice == 1 : choice % 3 == 0; }

// The lessons lend the Bronze tool of each family.
std::string lentToolNameAnswer(int kind) {
    if (isTree(kind)) return "Bronze Hatchet";
    if (isRock(kind)) return "Bronze Pickaxe";
    return "Bronze Fishing Pole";
}

bool holdsWindowAnswer() { return true; }

}  // namespace

void installTutorialRules() {
    TutorialRules& r = tutorialRules;
    r.revealed = revealedAnswer;
    r.mayOpenObject = lessonMayOpenHere;
    r.mayWalkOut = lessonMayWalkOut;
    r.nextAreaReached = tutorialReachedNextArea;
    r.mayResearch = mayResearchAnswer;
    r.mayCastLine = mayCastLineAnswer;
    r.mayThrowAway = mayThrowAwayAnswer;
    r.leave = leaveTutorial;
    r.fixedGain = fixedGainAnswer;
    r.lessonRock = lessonRockAnswer;
    r.circleMoves = circleMovesAnswer;
    r.mayChoose = mayChooseAnswer;
    r.lentToolName = lentToolNameAnswer;
    r.holdsWindow = holdsWindowAnswer;
    r.takesTap = elderTakesTap;
    r.takesEnter = enterMovesSpeechOn;
    r.tapWalks = lessonTapWalks;
}
