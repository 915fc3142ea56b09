// tutorial_rules.cpp -- asking the tutorial's rules only while it runs
#include "world/tutorial_rules.h"

#include "engine/app_state.h"

TutorialRules tutorialRules;

namespace {
bool tutorialAnswers() { return showing(GameScreen::Tutorial); }
}  // namespace

bool revealed(Reveal part) {
    return !tutorialAnswers() || !tutorialRules.revealed || tutorialRules.revealed(part);
}

bool tutorialMayOpenObject() {
    return !tutorialAnswers() || (tutorialRules.mayOpenObject && tutorialRules.mayOpenObject());
}

bool tutorialMayWalkOut() {
    return !tutorialAnswers() || (tutorialRules.mayWalkOut && tutorialRules.mayWalkOut());
}

bool tutorialTakesBlackMoment() {
    if (!tutorialAnswers()) return false;
    if (tutorialRules.nextAreaReached) tutorialRules.nextAreaReached();
    return true;
}

bool tutorialMayResearch(int slot) {
    return !tutorialAnswers() || (tutorialRules.mayResearch && tutorialRules.mayResearch(slot));
}

bool tutorialMayCastLine() {
    return !tutorialAnswers() || (tutorialRules.mayCastLine && tutorialRules.mayCastLine());
}

bool tutorialTakesExit() {
    if (!tutorialAnswers()) return false;
    if (tutorialRules.leave) tutorialRules.leave();
    return true;
}

bool tutorialMayThrowAway() {
    return !tutorialAnswers() || (tutorialRules.mayThrowAway && tutorialRules.mayThrowAway());
}

double gainInLesson(int kind, double usual) {
    return tutorialAnswers() && tutorialRules.fixedGain ? tutorialRules.fixedGain(kind) : usual;
}

int rockForCircle(int rock) {
    return tutorialAnswers() && tutorialRules.lessonRock ? tutorialRules.lessonRock() : rock;
}

CircleMoves circleMovesInLesson(CircleMoves usual) {
    return tutorialAnswers() && tutorialRules.circleMoves ? tutorialRules.circleMoves() : usual;
}

bool choiceAllowed(int kind, int choice, bool usual) {
    if (!tutorialAnswers()) return usual;
    return tutorialRules.mayChoose && tutorialRules.mayChoose(kind, choice);
}

std::string lentToolName(int kind) {
    return tutorialAnswers() && tutorialRules.lentToolName ? tutorialRules.lentToolName(kind) : "";
}

bool tutorialTakesTap() { return tutorialAnswers() && tutorialRules.takesTap && tutorialRules.takesTap(); }

bool tutorialTakesEnter() { return tutorialAnswers() && tutorialRules.takesEnter && tutorialRules.takesEnter(); }

bool tapWalksInLesson(bool usual) {
    if (!tutorialAnswers()) return usual;
    return tutorialRules.tapWalks && tutorialRules.tapWalks(usual);
}

bool lessonHoldsWindow() { return tutorialAnswers() && (!tutorialRules.holdsWindow || tutorialRules.holdsWindow()); }
