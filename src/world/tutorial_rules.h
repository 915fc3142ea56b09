// tutorial_rules.h -- the questions the game rules ask while the tutorial runs. The
// tutorial answers them (installTutorialRules); outside it the plain rules hold.
#pragma once
#include <string>

// How often a rock's hit circle jumps: from a number of hits on, with a chance per hit.
struct CircleMoves {
    int chancePercent;
    int hitsBefore;
};

// The parts of the game screen the tutorial reveals one lesson at a time; outside it
// every part shows from the start.
enum class Reveal {
    Timer,            // the play time in the bar
    ExitButton,       // the bar's exit button
    Bag,              // the bag's button, its page and the E key
    Help,             // the help button, the help page and the Esc key
    ChecklistButton,  // the bar's checklist button
    ChecklistPage,    // the checklist page and the Q key
    ObjectiveRow,     // the help page's rows, faded until the elder has given them
    ResearchRow,
    WoodcuttingRow,
    MiningRow,
    FishingRow,
    CookingRow,
    FireRows,
    SmithingRow,
    ToolRows,
    SavingRow,
};
constexpr int revealCount = static_cast<int>(Reveal::SavingRow) + 1;

struct TutorialRules {
    bool (*revealed)(Reveal part) = nullptr;    // the script has come to where this part shows
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
    bool (*takesTap)() = nullptr;               // touch: a tap on the elder moves the speech on
    bool (*takesEnter)() = nullptr;             // Enter moves the speech on
    bool (*tapWalks)(bool overObject) = nullptr;// a touch walks the wisp (the walking lesson: anywhere)
};

extern TutorialRules tutorialRules;

// Each question as the rules ask it: true (or nothing done) outside the tutorial.
bool revealed(Reveal part);
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
bool tutorialTakesTap();             // the tutorial used the touch (on the elder); false outside it
bool tutorialTakesEnter();           // the tutorial used Enter; false outside it
bool tapWalksInLesson(bool usual);   // usual: the touch is on an object, where a game's tap walks
