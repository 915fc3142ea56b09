// tutorial_rules.h -- the questions the game rules ask while the tutorial runs. The
// tutorial answers them (installTutorialRules); outside it the plain rules hold.
#pragma once

struct TutorialRules {
    bool (*lessonReached)(int step) = nullptr;  // the script has come to this step
    bool (*mayOpenObject)() = nullptr;          // the lesson opens the object the wisp reached
    bool (*mayWalkOut)() = nullptr;             // the lesson asks the player to move on
    void (*nextAreaReached)() = nullptr;        // the walk between areas is at its black moment
    bool (*mayResearch)(int slot) = nullptr;    // the item in this slot may go in the beaker
    bool (*mayCastLine)() = nullptr;            // the lesson lets the line be cast
    bool (*mayThrowAway)() = nullptr;           // the bin takes items
    void (*leave)() = nullptr;                  // the exit button
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
