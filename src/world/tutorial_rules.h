// tutorial_rules.h -- the questions the game rules ask while the tutorial runs. The
// tutorial answers them (installTutorialRules); outside it the plain rules hold.
#pragma once
#include <string>

// How often a rock's hit circle jumps: from a number of hits on, with a chance per hit.
struct CircleMoves {
    int chancePercent;
    int hitsBefore;
};

struct TutorialRules {
    bool (*lessonReached)(int step) = nullptr;  // the script has come to this step
    bool (*mayOpenObject)() = nullptr;          // the lesson opens the object the wisp reached
    bool (*mayWalkOut)() = nullptr;             // the lesson asks the player to move on
    void (*nextAreaReached)() = nullptr;        // the walk between areas is at its black moment
    bool (*mayResearch)(int slot) = nullptr;    // the item in this slot may go in the beaker
    bool (*mayCastLine)() = nullptr;            // the lesson lets the line be cast
    bool (*mayThrowAway)() = nullptr;           // the bin takes items
    void (*leave)() = nullptr;                  // the exit button
    double (*fixedGain)(int kind) = nullptr;    // progress per chop, hit or catch step, whatever the tool
    int (*lessonRock)() = nullptr;              // the rock whose spots the hit circle uses
    CircleMoves (*circleMoves)() = nullptr;     // the lesson rock's calmer circle
    bool (*mayChoose)(int kind, int choice) = nullptr;  // a fire pit row or an anvil box, bag or not
    std::string (*lentToolName)(int kind) = nullptr;    // the tool the lesson lends
    bool (*holdsWindow)() = nullptr;            // the lesson's window stays until it is done
};

extern TutorialRules tutorialRules;

// Each question as the rules ask it: true (or nothing done) outside the tutorial.
bool lessonReached(int step);
bool tutorialMayOpenObject();
bool tutorialMayWalkOut();
bool tutorialTakesBlackMoment();  // the tutorial placed the wisp itself: no area is chosen
bool tutorialMayResearch(int slot);
bool tutorialMayCastLine();
bool tutorialMayThrowAway();
bool tutorialTakesExit();         // the exit button left the tutorial
double gainInLesson(int kind, double usual);
int rockForCircle(int rock);
CircleMoves circleMovesInLesson(CircleMoves usual);
bool choiceAllowed(int kind, int choice, bool usual);
std::string lentToolName(int kind);  // empty outside the tutorial: the wisp's own tools
bool lessonHoldsWindow();            // false outside the tutorial
