// step_table_test.cpp -- the script's table swept for what every row must keep
#include "frontend/save_values.h"
#include "tutorial/step_table.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The entered steps next to a row, gaps in the numbering passed over.
const StepRow* enteredBefore(int number) {
    for (int n = number - 1; n >= 0; n--)
        if (!stepTable()[n].neverEntered) return &stepTable()[n];
    return nullptr;
}

const StepRow* enteredAfter(int number) {
    for (int n = number + 1; n < static_cast<int>(stepTable().size()); n++)
        if (!stepTable()[n].neverEntered) return &stepTable()[n];
    return nullptr;
}

bool sameArea(const FixedArea& a, const FixedArea& b) {
    return a.places[0] == b.places[0] && a.places[1] == b.places[1] && a.places[2] == b.places[2];
}

}  // namespace

TEST(StepTable, EveryRowKeepsTheScriptsRules) {
    ASSERT_EQ(static_cast<long long>(stepTable().size()), tutorialStepRange.high + 1) << "saves/tS.kv names every step";
    for (int n = 0; n < static_cast<int>(stepTable().size()); n++) {
        const StepRow& row = stepTable()[n];
        SCOPED_TRACE("step " + std::to_string(n));
        EXPECT_EQ(stepNumber(row.step), n) << "each row stands at its own number";
        if (row.opensPlace >= 0) {
            EXPECT_NE(row.area.places[row.opensPlace], EmptyPlace) << "the lesson's object stands in its area";
            EXPECT_TRUE(row.givesControl) << "the wisp can go to the object";
            EXPECT_FALSE(row.waitsForEnter) << "opening the object is what moves the lesson on";
        }
        const StepRow& resumed = stepRow(row.resumeAt.value_or(row.step));
        EXPECT_LE(resumed.step, row.step) << "a resume goes back to the lesson's start, never ahead";
        EXPECT_FALSE(resumed.resumeAt.has_value()) << "a resumed tutorial starts where it stays";
        EXPECT_TRUE(row.neverEntered || !resumed.neverEntered) << "a resume lands on a step that is entered";
        bool reopensWindow = row.reopen != Reopen::Nothing && row.reopen != Reopen::Checklist &&
                             row.reopen != Reopen::ChecklistAndBag;
        EXPECT_TRUE(!reopensWindow || row.area.places[0] != EmptyPlace || row.area.places[1] != EmptyPlace)
            << "a reopened window has an object to open";
        if (row.walksOut) {
            EXPECT_TRUE(row.givesControl && !row.waitsForEnter) << "the player walks on by themselves";
            ASSERT_NE(enteredAfter(n), nullptr);
            EXPECT_TRUE(enteredAfter(n)->beginsArea) << "a walk out ends in a lesson's area";
        }
        if (row.beginsArea) {
            ASSERT_NE(enteredBefore(n), nullptr);
            EXPECT_TRUE(enteredBefore(n)->walksOut) << "only a walk leads into a lesson's area";
            EXPECT_FALSE(sameArea(enteredBefore(n)->area, row.area)) << "the walk leads somewhere new";
        }
        EXPECT_TRUE(row.arrow.speed == 0 || row.arrow.maximum > 0) << "an arrow bobs";
        if (row.neverEntered) {
            EXPECT_TRUE(n > 0 && n + 1 < static_cast<int>(stepTable().size())) << "a gap lies between two steps";
            EXPECT_FALSE(row.waitsForEnter || row.givesControl || row.walksOut || row.beginsArea);
            EXPECT_EQ(row.opensPlace, -1);
            EXPECT_EQ(row.arrow.speed, 0);
            EXPECT_EQ(row.reveals, 0u) << "nothing shows from a step never entered";
        }
    }
    for (int part = 0; part < revealCount; part++) {
        int revealing = 0;
        for (const StepRow& row : stepTable()) revealing += (row.reveals & revealBit(static_cast<Reveal>(part))) != 0;
        EXPECT_EQ(revealing, 1) << "part " << part << " is revealed by exactly one step";
    }
    EXPECT_EQ(nextStep(Step::Complete), Step::Complete) << "nothing follows the last step";
}
