// step_table.cpp -- the elder's script as one table: each step by name, what it waits for,
// what it gives and shows, the area it stands in and where a resumed tutorial starts again
#include "tutorial/step_table.h"

#include "frontend/save_values.h"
#include "world/kinds.h"

namespace {

using enum Step;

// The arrows: over the bar's timer and buttons, beside the lessons' objects, at the checklist.
constexpr ArrowPlace atTimer{500, 125, 0, 1, 0, 2, 30};
constexpr ArrowPlace atExitButton{875, 125, -1, 1, 45, 1, 20};
constexpr ArrowPlace atBagButton{890, 125, 0, 1, 0, 2, 30};
constexpr ArrowPlace atHelpButton{820, 125, 0, 1, 0, 2, 30};
constexpr ArrowPlace atBirch{260, 300, -1, 0, -90, 2, 30};
constexpr ArrowPlace atLeftObject{360, 450, -1, 0, -90, 2, 30};
constexpr ArrowPlace atMiddleObject{750, 420, -1, 0, -90, 2, 30};
constexpr ArrowPlace atChecklistButton{130, 130, -1, -1, -45, 1, 20};

// The lessons' areas, and each once its left object is gathered.
constexpr FixedArea trees{{BirchTree, PineTree, OakTree}};
constexpr FixedArea treesCut{{EmptyPlace, PineTree, OakTree}};
constexpr FixedArea rocks{{BronzeRock, IronRock, TitaniumRock}};
constexpr FixedArea rocksMined{{EmptyPlace, IronRock, TitaniumRock}};
constexpr FixedArea ponds{{BassPond, SalmonPond, TroutPond}};
constexpr FixedArea pondsFished{{EmptyPlace, SalmonPond, TroutPond}};
constexpr FixedArea fire{{EmptyPlace, FirePit, EmptyPlace}};
constexpr FixedArea anvil{{EmptyPlace, Anvil, EmptyPlace}};

constexpr int left = 0, middle = 1;  // the places a lesson's object stands in

constexpr unsigned shows(Reveal part) { return revealBit(part); }

constexpr StepRow steps[] = {
    {.step = Arrival},
    {.step = ElderAppears},
    {.step = Welcome, .waitsForEnter = true},
    {.step = Mission, .waitsForEnter = true, .reveals = shows(Reveal::ObjectiveRow)},
    {.step = WalkRight, .givesControl = true},
    {.step = WalkLeft, .givesControl = true, .resumeAt = WalkRight},
    {.step = Timer, .waitsForEnter = true, .arrow = atTimer, .reveals = shows(Reveal::Timer)},
    {.step = ExitButton, .waitsForEnter = true, .arrow = atExitButton,
     .reveals = shows(Reveal::ExitButton) | shows(Reveal::SavingRow)},
    {.step = OpenBag, .arrow = atBagButton, .reveals = shows(Reveal::Bag)},
    {.step = BagSize, .waitsForEnter = true},
    {.step = HoverItems, .waitsForEnter = true},
    {.step = RearrangeBag, .waitsForEnter = true},
    {.step = ResearchHint, .waitsForEnter = true, .reveals = shows(Reveal::ResearchRow)},
    {.step = NoGoingBack, .waitsForEnter = true},
    {.step = HelpMenu, .waitsForEnter = true, .arrow = atHelpButton, .reveals = shows(Reveal::Help)},
    {.step = WalkToTrees, .givesControl = true, .walksOut = true},
    {.step = TreeKinds, .waitsForEnter = true, .givesControl = true, .beginsArea = true, .area = trees},
    {.step = TreeDifficulty, .waitsForEnter = true, .givesControl = true, .area = trees, .reveals = shows(Reveal::ToolRows)},
    {.step = OpenBirch, .givesControl = true, .opensPlace = left, .area = trees, .arrow = atBirch},
    {.step = InteractWindow, .waitsForEnter = true, .area = trees, .reopen = Reopen::Window},
    {.step = WindowInfo, .waitsForEnter = true, .area = trees, .reopen = Reopen::Window},
    {.step = Unused21, .neverEntered = true, .area = trees, .reopen = Reopen::Window},
    {.step = Chop, .area = trees, .reopen = Reopen::Window, .reveals = shows(Reveal::WoodcuttingRow)},
    {.step = Chopping, .area = trees, .resumeAt = Chop},
    {.step = WalkToRocks, .givesControl = true, .walksOut = true, .area = treesCut, .topUp = {BirchLogs}},
    {.step = Unused25, .neverEntered = true, .area = rocks, .topUp = {BirchLogs}},
    {.step = RockKinds, .waitsForEnter = true, .givesControl = true, .beginsArea = true, .area = rocks, .topUp = {BirchLogs}},
    {.step = OpenBronzeRock, .givesControl = true, .opensPlace = left, .area = rocks, .arrow = atLeftObject,
     .topUp = {BirchLogs}},
    {.step = Mine, .area = rocks, .reopen = Reopen::Window, .topUp = {BirchLogs}, .reveals = shows(Reveal::MiningRow)},
    {.step = Mining, .area = rocks, .resumeAt = Mine, .topUp = {BirchLogs}},
    {.step = WalkToPonds, .givesControl = true, .walksOut = true, .area = rocksMined, .topUp = {BirchLogs, BronzeOre}},
    {.step = PondKinds, .waitsForEnter = true, .givesControl = true, .beginsArea = true, .area = ponds,
     .topUp = {BirchLogs, BronzeOre}},
    {.step = OpenBassPond, .givesControl = true, .opensPlace = left, .area = ponds, .arrow = atLeftObject,
     .topUp = {BirchLogs, BronzeOre}},
    {.step = FishingHint, .waitsForEnter = true, .area = ponds, .reopen = Reopen::Window, .topUp = {BirchLogs, BronzeOre},
     .reveals = shows(Reveal::FishingRow)},
    {.step = Fish, .area = ponds, .resumeAt = FishingHint, .topUp = {BirchLogs, BronzeOre}},
    {.step = WalkToFirePit, .givesControl = true, .walksOut = true, .area = pondsFished,
     .topUp = {BirchLogs, BronzeOre, RawBass}},
    {.step = OpenFirePit, .givesControl = true, .beginsArea = true, .opensPlace = middle, .area = fire,
     .arrow = atMiddleObject, .topUp = {BirchLogs, BronzeOre, RawBass}},
    {.step = ChooseFish, .area = fire, .reopen = Reopen::FireMenu, .topUp = {BirchLogs, BronzeOre, RawBass}},
    {.step = LightFire, .area = fire, .reopen = Reopen::FireLighting, .topUp = {BronzeOre},
     .reveals = shows(Reveal::CookingRow)},
    {.step = FireCatching, .area = fire, .resumeAt = LightFire, .topUp = {BronzeOre}},
    {.step = Cook, .area = fire, .reopen = Reopen::FireDropping, .topUp = {BronzeOre}, .reveals = shows(Reveal::FireRows)},
    {.step = Cooking, .area = fire, .resumeAt = Cook, .topUp = {BronzeOre}},
    {.step = OpenFirePitAgain, .givesControl = true, .opensPlace = middle, .area = fire, .topUp = {BronzeOre}},
    {.step = CookingAgain, .area = fire, .resumeAt = OpenFirePitAgain, .topUp = {BronzeOre}},
    {.step = WalkToAnvil, .givesControl = true, .walksOut = true, .area = fire, .topUp = {BronzeOre}},
    {.step = OpenAnvil, .givesControl = true, .beginsArea = true, .opensPlace = middle, .area = anvil,
     .arrow = atMiddleObject, .topUp = {BronzeOre}},
    {.step = ChooseTool, .area = anvil, .resumeAt = OpenAnvil, .topUp = {BronzeOre}},
    {.step = PlacePieces, .area = anvil, .resumeAt = OpenAnvil, .reveals = shows(Reveal::SmithingRow)},
    {.step = Smithing, .area = anvil, .resumeAt = OpenAnvil},
    {.step = WellDone, .waitsForEnter = true, .area = anvil},
    {.step = ResearchIntro, .waitsForEnter = true, .area = anvil},
    {.step = Checklist, .waitsForEnter = true, .area = anvil, .arrow = atChecklistButton,
     .reveals = shows(Reveal::ChecklistButton)},
    {.step = OpenChecklist, .area = anvil, .arrow = atChecklistButton, .resumeAt = Checklist,
     .reveals = shows(Reveal::ChecklistPage)},
    {.step = OpenBagToo, .area = anvil, .reopen = Reopen::Checklist},
    {.step = ResearchBass, .area = anvil, .reopen = Reopen::ChecklistAndBag},
    {.step = ResearchResult, .waitsForEnter = true, .area = anvil},
    {.step = TrashCan, .waitsForEnter = true, .area = anvil},
    {.step = MissionGoal, .waitsForEnter = true, .area = anvil},
    {.step = Unused58, .neverEntered = true, .area = anvil},
    {.step = Farewell, .waitsForEnter = true, .area = anvil},
    {.step = Complete, .area = anvil},
};

constexpr int stepCount = static_cast<int>(std::size(steps));
static_assert(stepCount == stepNumber(Complete) + 1, "one row for every step");
static_assert(stepCount == tutorialStepRange.high + 1, "saves/tS.kv holds every step and no other");

}  // namespace

std::span<const StepRow> stepTable() { return steps; }

const StepRow& stepRow(Step step) { return steps[stepNumber(step)]; }

bool isStepNumber(int number) { return number >= 0 && number < stepCount; }

Step stepNumbered(int number) { return static_cast<Step>(number); }

Step nextStep(Step step) { return step == Complete ? Complete : stepNumbered(stepNumber(step) + 1); }
