// step_table.h -- the elder's script as one table: each step by name, what it waits for,
// what it gives and shows, the area it stands in and where a resumed tutorial starts again
#pragma once
#include "world/tutorial_rules.h"

#include <cstdint>
#include <optional>
#include <span>

// Every step of the script in order; the number of each is what saves/tS.kv holds.
enum class Step : int32_t {
    Arrival, ElderAppears, Welcome, Mission, WalkRight, WalkLeft, Timer, ExitButton,
    OpenBag, BagSize, HoverItems, RearrangeBag, ResearchHint, NoGoingBack, HelpMenu,
    WalkToTrees, TreeKinds, TreeDifficulty, OpenBirch, InteractWindow, WindowInfo, Unused21,
    Chop, Chopping, WalkToRocks, Unused25, RockKinds, OpenBronzeRock, Mine, Mining,
    WalkToPonds, PondKinds, OpenBassPond, FishingHint, Fish, WalkToFirePit, OpenFirePit,
    ChooseFish, LightFire, FireCatching, Cook, Cooking, OpenFirePitAgain, CookingAgain,
    WalkToAnvil, OpenAnvil, ChooseTool, PlacePieces, Smithing, WellDone, ResearchIntro,
    Checklist, OpenChecklist, OpenBagToo, ResearchBass, ResearchResult, TrashCan,
    MissionGoal, Unused58, Farewell, Complete,
};

// The bobbing arrow that points at what a step is about.
struct ArrowPlace {
    int x = 0, y = 0;        // where it stands before the bob, px
    int dx = 0, dy = 0;      // bob direction: the offset is added times these
    double rotation = 0;     // degrees
    double speed = 0;        // px per step of the bob; 0: no arrow
    double maximum = 0;      // px the bob reaches
};

// The objects of the left, middle and right place while a lesson stands in its area.
struct FixedArea {
    int32_t places[3] = {};  // ObjectKind; 0 empty
};

// What a resumed tutorial opens again so the lesson's hands-on part can go on.
enum class Reopen { Nothing, Window, FireMenu, FireLighting, FireDropping, Checklist, ChecklistAndBag };

constexpr unsigned revealBit(Reveal part) { return 1u << static_cast<int>(part); }

struct StepRow {
    Step step;
    bool waitsForEnter = false;    // the elder speaks; Enter (touch: the elder) moves on
    bool givesControl = false;     // the wisp may move once the step is entered
    bool walksOut = false;         // the player is asked to move on to the next area
    bool beginsArea = false;       // the first step after the walk into a lesson's area
    bool neverEntered = false;     // a gap in the numbering: moving on to it goes past it
    int opensPlace = -1;           // the place (0 left, 1 middle) of the object the lesson opens; -1 none
    FixedArea area = {};           // the lesson's area
    ArrowPlace arrow = {};         // where the arrow points
    std::optional<Step> resumeAt = std::nullopt;  // where a resumed tutorial starts; none: here
    Reopen reopen = Reopen::Nothing;  // opened again when the tutorial resumes here
    int32_t topUp[3] = {};         // items put back in the bag when resuming here, if missing
    unsigned reveals = 0;          // revealBit of each part of the screen shown from here on
};

std::span<const StepRow> stepTable();  // every step, in order of number
const StepRow& stepRow(Step step);
constexpr int stepNumber(Step step) { return static_cast<int>(step); }
bool isStepNumber(int number);         // a step of the script (saves/tS.kv's first line)
Step stepNumbered(int number);         // a number that isStepNumber
Step nextStep(Step step);              // the following step; the last has none after it
