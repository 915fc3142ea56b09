// woodcutting_test.cpp -- chopping trees through the harness: strokes, gains, the logs
#include "activities/woodcutting.h"
#include "activity_helpers.h"
#include "engine/sound.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Woodcutting, TwentyChopsWithABronzeHatchetFellTheBirchIntoTheFirstEmptySlot) {
    Harness h;
    openBefore(h, BirchTree);
    for (int i = 0; i < 19; i++) chop(h);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 190);
    EXPECT_EQ(session.world.AreaContents[middlePlace], BirchTree);
    EXPECT_EQ(session.Inventory[3], NoItem);
    EXPECT_TRUE(soundPlaying("tree chop"));

    chop(h);  // the twentieth chop lands in its last step
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 200);
    EXPECT_EQ(session.world.AreaContents[middlePlace], EmptyPlace) << "the tree goes at once";
    EXPECT_EQ(session.Inventory[3], BirchLogs);
    EXPECT_TRUE(interaction.newItemMarks[3]);
    EXPECT_EQ(savedLine(h, placeSaveLine(middlePlace)), "0");
    EXPECT_EQ(savedLine(h, inventorySaveLine(3)), "1");

    h.step(14);  // 476 ms later
    EXPECT_TRUE(windowIs(WindowPhase::Open)) << "the felled tree stays 500 ms";
    h.step(2);
    EXPECT_TRUE(windowIs(WindowPhase::Closing));
    h.step(12);
    ASSERT_TRUE(windowIs(WindowPhase::Closed));
    h.typeCode(32);
    EXPECT_TRUE(windowIs(WindowPhase::Closed)) << "the now empty place cannot be opened";
}

TEST(Woodcutting, AStrokeMustBeginBetweenY201And549) {
    const struct {
        int y;
        bool chops;
    } starts[] = {{300, true}, {201, true}, {549, true}, {200, false}, {550, false}, {560, false}};
    for (auto start : starts) {
        Harness h;
        openBefore(h, BirchTree);
        drag(h, 470, start.y, 520, 300);
        EXPECT_DOUBLE_EQ(interaction.ActivityProgress, start.chops ? 10 : 0) << "begun at y " << start.y;
    }
}

TEST(Woodcutting, OnlyWhereTheStrokeBeganAndWasLetGoCount) {
    Harness h;
    openBefore(h, BirchTree);
    stroke(h, 480, 300, 560);  // begun on the trunk
    stroke(h, 505, 300, 420);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 0) << "a press on the trunk starts nothing";

    stroke(h, 475, 300, 511);  // both just beside the trunk
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 10);
    stroke(h, 511, 300, 475);  // right to left
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 20);
    stroke(h, 470, 300, 510);  // let go on the trunk's last pixel
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 20);
    drag(h, 470, 300, 520, 590);  // let go far below: y at release plays no part
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 30);

    // Right across the trunk and back again before letting go.
    h.moveTo(470, 300);
    h.pressLeft();
    h.step();
    h.moveTo(560, 300);
    h.step();
    h.moveTo(440, 300);
    h.step();
    h.releaseLeft();
    h.step(3);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 30);
}

TEST(Woodcutting, OnePressGivesAtMostOneChop) {
    Harness h;
    openBefore(h, BirchTree);
    chop(h);
    h.step(10);  // the pointer rests right of the trunk with the button up
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 10);
}

namespace {
// Down at fromX and up again before the next step, which finds the pointer at toX.
void flick(Harness& h, int fromX, int toX) {
    h.moveTo(fromX, 300);
    h.pressLeft();
    h.releaseLeft();
    h.moveTo(toX, 300);
    h.step(2);
}
}  // namespace

TEST(Woodcutting, AFlickFasterThanAStepStillChops) {
    Harness h;
    openBefore(h, BirchTree);
    flick(h, 470, 520);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 10) << "pressed left of the trunk, up right of it";
    flick(h, 470, 470);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 10) << "a click in place is no stroke";
}

TEST(Woodcutting, RedStrokeFollowsThePointerWhileHeld) {
    Harness h;
    openBefore(h, BirchTree);
    h.moveTo(200, 400);
    h.pressLeft();
    h.step();
    h.moveTo(440, 400);
    h.step();
    EXPECT_TRUE(sameColour(h.pixel(320, 400), sf::Color(255, 0, 0)));
    EXPECT_TRUE(sameColour(h.pixel(320, 401), sf::Color(255, 0, 0)));
    EXPECT_FALSE(sameColour(h.pixel(320, 404), sf::Color(255, 0, 0))) << "3 px thick";
    h.saveScreenshot("activities_tree_stroke");
    h.releaseLeft();
    h.step();
    EXPECT_FALSE(sameColour(h.pixel(320, 400), sf::Color(255, 0, 0)));

    h.moveTo(140, 400);  // begun outside the panel's frame: nothing is drawn
    h.pressLeft();
    h.step();
    h.moveTo(440, 400);
    h.step();
    EXPECT_FALSE(sameColour(h.pixel(320, 400), sf::Color(255, 0, 0)));
    h.releaseLeft();
}

TEST(Woodcutting, BetterHatchetsNeedFewerChops) { expectFewerWithBetterTools(chopGain, 1600, 4); }

TEST(Woodcutting, TitaniumHatchetFellsABirchInFourChopsAndLaterChopsAddNothing) {
    Harness h;
    openWithTool(h, BirchTree, 0, TitaniumHatchet);
    expectGatheredByTheLast(4, [&] { chop(h); });
    EXPECT_EQ(session.Inventory[3], BirchLogs);
    chop(h);  // still inside the 500 ms
    EXPECT_TRUE(windowIs(WindowPhase::Open));
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 200);
    EXPECT_EQ(session.Inventory[4], NoItem) << "one tree, one log";
}

TEST(Woodcutting, WoodHatchetOnAnOakNeedsSixteenHundredChops) {
    Harness h;
    openWithTool(h, OakTree, 0, NoItem);
    chop(h);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 0.125);
}

TEST(Woodcutting, SwipesOnATouchScreenChopToo) {
    Harness h;
    standBefore(h, PineTree);
    touchMode = true;
    openWindow(h);
    h.pressLeft();  // the finger goes down ...
    h.moveTo(530, 260);
    h.step();
    h.moveTo(450, 260);  // ... slides across ...
    h.step();
    h.releaseLeft();  // ... and lifts
    h.step();
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 2.5) << "Bronze Hatchet on a pine tree";
    EXPECT_TRUE(windowIs(WindowPhase::Open)) << "a swipe inside the panel does not close it";
}

TEST(Woodcutting, FullBagStillFellsAndSavesTheTree) {
    Harness h;
    openWithAFullBag(h, BirchTree, 0, TitaniumHatchet, PineLogs);
    for (int i = 0; i < 4; i++) chop(h);
    expectTakenWithoutTheItem(h, BirchLogs);
}
