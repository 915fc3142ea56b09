// lessons_test.cpp -- the hands-on lessons: opening only the lesson's object, chopping,
// burning the fish, and researching only a Cooked Bass
#include "activities/activity_helpers.h"
#include "inventory/help_page.h"
#include "tutorial_play.h"

#include "activities/fire_pit.h"
#include "inventory/checklist.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "world/kinds.h"

namespace {

// Grabs the fish from the plate and holds it right by the flames until it burns.
void burnTheFish(Harness& h) {
    h.moveTo(firePit.fishX, firePit.fishY);
    h.pressLeft();
    h.step();
    h.moveTo(500, 500);
    for (int i = 0; i < 60 && !firePit.burnt; i++) h.step();
    h.releaseLeft();
    ASSERT_TRUE(firePit.burnt);
}

void waitForClosedWindow(Harness& h) {
    for (int i = 0; i < 120 && interactionActive(); i++) h.step();
    ASSERT_FALSE(interactionActive());
}

}  // namespace

TEST(TutorialLessons, SpaceBeforeThePineOpensNothingBeforeTheBirchItOpens) {
    Harness h(newPlayer(tutorialFile(18, 400)));
    pressPlay(h);
    h.step();
    h.typeCode(32);
    h.step(3);
    EXPECT_FALSE(interactionActive()) << "only the birch opens in this lesson";
    EXPECT_EQ(tutorialStepNow(), 18);
    h.holdKey(sf::Keyboard::A);
    for (int i = 0; i < 30 && session.player.playerX >= 333; i++) h.step();
    h.releaseKey(sf::Keyboard::A);
    h.typeCode(32);
    h.step();
    EXPECT_TRUE(interactionActive());
    EXPECT_EQ(interaction.selectedKind, BirchTree);
    EXPECT_EQ(tutorialStepNow(), 19);
    EXPECT_EQ(tutorialFileLines(h)[0], "19");
    h.typeCode(27);
    h.step(15);
    EXPECT_TRUE(interactionActive()) << "Esc never closes a lesson's window";
}

TEST(TutorialLessons, TwentyChopsOfTenFellTheBirchAndTheLogsGoInTheBag) {
    Harness h(newPlayer(tutorialFile(22, 170)));
    pressPlay(h);
    h.step();
    ASSERT_EQ(interaction.windowPhase, WindowPhase::Open) << "the lesson resumes with the window open";
    chop(h);
    EXPECT_EQ(tutorialStepNow(), 23);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 10);
    for (int i = 1; i < 19; i++) chop(h);
    EXPECT_EQ(tutorialStepNow(), 23);
    chop(h);
    EXPECT_EQ(tutorialStepNow(), 24);
    EXPECT_EQ(countInBag(BirchLogs), 1);
    waitForClosedWindow(h);
    EXPECT_EQ(session.world.AreaContents[0], EmptyPlace) << "the felled birch is gone";
    EXPECT_TRUE(session.player.controlEnabled);
    EXPECT_EQ(tutorialFileLines(h)[6], "1") << "the logs are in the saved bag";
    EXPECT_FALSE(h.fileExists("saves/0.kv"));
}

TEST(TutorialLessons, BurningTheFishTwiceReturnsTwiceWithFreshLogsAndFish) {
    Harness h(newPlayer(tutorialFile(40, 500, {13, 16, 19, 4})));
    pressPlay(h);
    for (int i = 0; i < 30 && firePit.FireState != 4; i++) h.step();
    ASSERT_EQ(firePit.FireState, 4);
    burnTheFish(h);
    EXPECT_EQ(tutorialStepNow(), 42);
    for (int round = 0; round < 2; round++) {
        SCOPED_TRACE(round);
        waitForClosedWindow(h);
        EXPECT_EQ(countInBag(BirchLogs), 1);
        EXPECT_EQ(countInBag(RawBass), 1);
        std::vector<std::string> saved = tutorialFileLines(h);
        EXPECT_EQ(saved[0], "42");
        h.typeCode(32);
        h.step();
        ASSERT_EQ(tutorialStepNow(), 43);
        h.step(20);
        h.click(500, 250);
        ASSERT_EQ(firePit.FireState, 2) << "the first option cooks the bass on birch";
        EXPECT_EQ(countInBag(BirchLogs) + countInBag(RawBass), 0);
        lightTheFire(h);
        burnTheFish(h);
        EXPECT_EQ(tutorialStepNow(), 42);
    }
}

TEST(TutorialLessons, AtStep54OnlyACookedBassAdvancesTheScript) {
    Harness h(newPlayer(tutorialFile(54, 500, {13, 16, 19, 4, 10})));
    pressPlay(h);
    h.step(15);
    ASSERT_TRUE(inventoryPanel.open);
    ASSERT_TRUE(checklistPage.open);
    auto dragToBeaker = [&](int slot) {
        h.moveTo(840 + 60 * (slot % 3), 110 + 60 * (slot / 3));
        h.pressLeft();
        h.step();
        h.moveTo(840, 290);
        h.step();
        h.releaseLeft();
        h.step(2);  // dropped, then seen by the script
    };
    dragToBeaker(3);  // the Bronze Ore
    EXPECT_EQ(session.Inventory[3], BronzeOre) << "only a Cooked Bass is researched here";
    EXPECT_EQ(session.ResearchLevel[BronzeOre], 0);
    EXPECT_EQ(tutorialStepNow(), 54);
    dragToBeaker(4);  // the Cooked Bass
    EXPECT_GT(session.ResearchLevel[CookedBass], 0);
    EXPECT_EQ(tutorialStepNow(), 55);
    EXPECT_EQ(tutorialFileLines(h)[12 + CookedBass - 1], std::to_string(session.ResearchLevel[CookedBass]));
}

// Touch: the finger that closes the help page, dragged on across the trunk, is the
// help page's press and no stroke of the lesson.
TEST(TutorialLessons, TheTouchThatClosesHelpIsNoChop) {
    Harness h(newPlayer(tutorialFile(22, 170)));
    pressPlay(h);
    touchMode = true;
    h.step();
    ASSERT_EQ(interaction.windowPhase, WindowPhase::Open);
    h.tap(820, 35);  // help
    h.step(12);
    ASSERT_TRUE(helpOpen());
    h.moveTo(100, 300);  // lands outside the page, left of the trunk...
    h.pressLeft();
    h.step();
    EXPECT_FALSE(helpOpen());
    h.moveTo(600, 300);  // ...and is dragged across it
    h.step();
    h.releaseLeft();
    h.step();
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 0);
    EXPECT_EQ(tutorialStepNow(), 22);
    stroke(h, 100, 300, 600);  // the next stroke chops
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 10);
}
