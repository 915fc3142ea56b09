// fire_pit_test.cpp -- choosing a recipe, lighting the logs, cooking and burning a fish
#include "activities/activity_helpers.h"
#include "activities/fire_pit.h"
#include "activities/interaction.h"
#include "engine/hover.h"
#include "engine/sound.h"
#include "inventory/help_page.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "support/harness.h"
#include "world/game_session.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

namespace {

// A fire pit in the middle place, the wisp in front of it, and the window opened.
void openFirePitWith(Harness& h, std::initializer_list<int> items) {
    h.writeFile("saves/sL.kv", "1\n");  // a returning player: the game is saves/1.kv
    h.boot();
    h.standInGame(8);
    session.player.playerX = 500;
    session.world.AreaContents[1] = FirePit;
    int slot = 3;
    for (int item : items) session.Inventory[slot++] = item;
    h.step();
    h.typeCode(32);
    h.step(25);
    ASSERT_EQ(interaction.windowPhase, WindowPhase::Open);
}

// The first recipe chosen: a bass over birch logs, the logs waiting to be lit.
void chooseBassOverBirch(Harness& h) {
    openFirePitWith(h, {BirchLogs, RawBass});
    h.click(500, 250);
}

int countInBag(int item) {
    int n = 0;
    for (int slot = 0; slot < 9; slot++) n += session.Inventory[slot] == item;
    return n;
}

// Rubs back and forth inside the logs, `step` px per frame, for `frames` frames.
void rub(Harness& h, int step, int frames) {
    h.moveTo(500, 300);
    h.pressLeft();
    h.step();
    for (int i = 0; i < frames; i++) {
        h.moveTo(i % 2 == 0 ? 500 + step : 500, 300);
        h.step();
    }
    h.releaseLeft();
}

}  // namespace

TEST(FirePit, ARecipeNeedsItsLogsAndItsFish) {
    Harness h;
    openFirePitWith(h, {PineLogs, RawSalmon, RawBass});
    EXPECT_FALSE(firePit.logAvailable[1]);
    EXPECT_TRUE(firePit.fishAvailable[1]);
    h.saveScreenshot("fire_pit_menu");
    h.click(500, 250);  // birch logs with bass: no birch logs
    EXPECT_EQ(firePit.FireState, 1);
    EXPECT_EQ(countInBag(RawBass), 1);
    h.click(700, 480);  // outside every row
    EXPECT_EQ(firePit.FireState, 1);
    h.click(500, 315);  // pine logs with salmon
    EXPECT_EQ(firePit.FireState, 2);
    EXPECT_EQ(countInBag(PineLogs), 0);
    EXPECT_EQ(countInBag(RawSalmon), 0);
    std::vector<std::string> lines = splitLines(h.readFile("saves/1.kv"));
    ASSERT_EQ(lines.size(), 53u);
    EXPECT_EQ(lines[12], "0") << "the logs left the bag and the game was saved";
}

TEST(FirePit, SlowRubbingWarmsButMakesNoSoundAndAStillPointerCools) {
    Harness h;
    chooseBassOverBirch(h);
    ASSERT_EQ(firePit.FireState, 2);
    rub(h, 5, 30);
    EXPECT_FALSE(soundPlaying("fire starter")) << "moves of 5 px or less are too slow to rasp";
    EXPECT_GT(interaction.ActivityProgress, 1.5) << "but they still warm the logs";
    interaction.ActivityProgress = 30;
    h.step(160);
    EXPECT_LE(interaction.ActivityProgress, 1.0) << "the gauge falls back to 1 or just below";
    EXPECT_GT(interaction.ActivityProgress, 0.7);
    rub(h, 60, 10);
    EXPECT_TRUE(soundPlaying("fire starter"));
    EXPECT_GT(interaction.ActivityProgress, 20);
}

TEST(FirePit, OakNeedsFasterRubbingThanBirch) {
    Harness birch;
    openFirePitWith(birch, {BirchLogs, RawBass});
    birch.click(500, 250);
    interaction.ActivityProgress = 150;
    rub(birch, 10, 300);  // half a point a frame: birch would settle near 200
    EXPECT_GE(firePit.FireState, 3) << "steady rubbing lights birch";
}

TEST(FirePit, OakWithTheSameRubbingStaysUnlit) {
    Harness oak;
    openFirePitWith(oak, {OakLogs, RawTrout});
    oak.click(500, 380);
    ASSERT_EQ(firePit.FireState, 2);
    interaction.ActivityProgress = 150;
    rub(oak, 10, 300);  // oak settles near 125, short of 167
    EXPECT_EQ(firePit.FireState, 2) << "the same rubbing cannot beat oak's fall near the top";
    EXPECT_GT(interaction.ActivityProgress, 100);
}

TEST(FirePit, ACookedFishOnThePlateIsServedAndABurntOneIsLost) {
    Harness h;
    chooseBassOverBirch(h);
    lightTheFire(h);
    EXPECT_EQ(firePit.fishX, 500);
    EXPECT_EQ(firePit.fishY, 150);
    // Lying 100 px from the heat, the fish gains 6.4 a frame.
    interaction.ActivityProgress = 0;
    firePit.fishY = 450;
    h.step();
    EXPECT_NEAR(interaction.ActivityProgress, 6.4, 1e-9);
    // At 151.9 on the plate it only lies there; at 152 it is served.
    firePit.fishY = 150;
    interaction.ActivityProgress = 151.9;
    h.moveTo(500, 150);
    h.pressLeft();
    h.step();
    h.releaseLeft();
    h.step();
    EXPECT_FALSE(interaction.closeScheduled);
    interaction.ActivityProgress = 152;
    h.saveScreenshot("fire_pit_cooking");
    h.moveTo(505, 152);
    h.pressLeft();
    h.step();
    h.releaseLeft();
    h.step();
    EXPECT_TRUE(interaction.closeScheduled);
    EXPECT_EQ(countInBag(CookedBass), 1);
    std::vector<std::string> lines = splitLines(h.readFile("saves/1.kv"));
    bool saved = false;
    for (int i = 9; i < 18; i++) saved = saved || lines[i] == "10";
    EXPECT_TRUE(saved) << "the cooked bass is in the saved bag";
}

TEST(FirePit, AFishLeftByTheFireBurnsAndTheWindowClosesEmptyHanded) {
    Harness h;
    chooseBassOverBirch(h);
    lightTheFire(h);
    firePit.fishY = 539;  // dropped right by the flames: about 21 a step
    h.step(10);
    EXPECT_TRUE(firePit.burnt);
    h.saveScreenshot("fire_pit_burnt");
    h.step(30);
    EXPECT_EQ(interaction.windowPhase, WindowPhase::Open) << "the message stays 1.5 s";
    h.step(20);
    EXPECT_NE(interaction.windowPhase, WindowPhase::Open);
    EXPECT_EQ(countInBag(CookedBass), 0);
    EXPECT_FALSE(soundPlaying("fire sizzle"));
}

// The help page is the pause menu: behind it the logs neither warm nor cool.
TEST(FirePit, BehindTheHelpPageRubbingTheLogsWarmsNothing) {
    Harness h;
    chooseBassOverBirch(h);
    ASSERT_EQ(firePit.FireState, 2);
    rub(h, 60, 10);
    double warmed = interaction.ActivityProgress;
    ASSERT_GT(warmed, 20);
    h.click(820, 35);  // help
    ASSERT_TRUE(helpOpen());
    double paused = interaction.ActivityProgress;  // the help press's own step cooled it once
    rub(h, 60, 100);  // holding and moving inside the logs, under the page
    h.step(50);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, paused) << "neither rubbed nor cooled";
    EXPECT_EQ(firePit.FireState, 2);
    h.click(820, 35);
    ASSERT_FALSE(helpOpen());
    h.step(5);
    EXPECT_LT(interaction.ActivityProgress, paused) << "once closed, the gauge falls again";
}

// A fish lying by the fire neither cooks nor burns while the game is paused.
TEST(FirePit, BehindTheHelpPageTheFishStandsStill) {
    Harness h;
    chooseBassOverBirch(h);
    lightTheFire(h);
    // Take the fish off the plate and lay it 100 px from the heat: 6.4 a step.
    h.moveTo(500, 150);
    h.pressLeft();
    h.step();
    h.moveTo(500, 450);
    h.step();
    h.releaseLeft();
    h.step();
    ASSERT_FALSE(firePit.fishHeld);
    ASSERT_EQ(firePit.fishY, 450);
    h.click(820, 35);  // help
    ASSERT_TRUE(helpOpen());
    double paused = interaction.ActivityProgress;
    ASSERT_LT(paused, 152);
    h.step(100);  // long enough to burn it twice over
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, paused);
    EXPECT_FALSE(firePit.burnt);
    EXPECT_EQ(interaction.windowPhase, WindowPhase::Open);
    h.moveTo(500, 450);  // a press on the fish under the page does not pick it up
    h.pressLeft();
    h.step();
    h.moveTo(520, 300);
    h.step();
    h.releaseLeft();
    EXPECT_FALSE(firePit.fishHeld);
    EXPECT_EQ(firePit.fishY, 450);
    h.click(820, 35);  // closed: in this press's step the fish cooks on where it lies
    ASSERT_FALSE(helpOpen());
    EXPECT_NEAR(interaction.ActivityProgress, paused + 6.4, 1e-9);
}

// Without the focus the game is paused as behind the help page: a press handled after
// the focus went takes nothing, the fish neither cooks nor burns, and the burnt
// message stays 1.5 s of play, however long the player was away.
TEST(FirePit, WithoutTheFocusTheFishAndItsBurntMessageWait) {
    Harness h;
    chooseBassOverBirch(h);
    lightTheFire(h);
    firePit.fishY = 450;  // lying 100 px from the heat: 6.4 a step
    h.moveTo(500, 450);
    h.pressLeft();        // queued with the focus, handled without it
    h.setFocus(false);
    h.step(100);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 0);
    EXPECT_FALSE(firePit.fishHeld);
    h.setFocus(true);
    h.releaseLeft();
    h.step();
    EXPECT_NEAR(interaction.ActivityProgress, 6.4, 1e-9) << "cooks on from where it stood";
    firePit.fishY = 539;
    for (int i = 0; i < 10 && !firePit.burnt; i++) h.step();
    h.step(20);           // 680 ms of the message
    h.setFocus(false);
    h.step(100);
    h.setFocus(true);
    h.step(24);           // 1496 ms
    EXPECT_EQ(interaction.windowPhase, WindowPhase::Open);
    h.step();
    EXPECT_EQ(interaction.windowPhase, WindowPhase::Closing);
}

TEST(FirePit, AMenuIconsTooltipWaitsItsOwnDelayAfterTheBagsTrash) {
    Harness h;
    openFirePitWith(h, {});
    toggleInventory(false);
    h.step(8);
    h.moveTo(960, 290);  // the bag's trash can
    h.step(25);
    h.moveTo(475, 250);  // the first row's fish
    h.step();
    EXPECT_LT(h.now() - hover.since, hoverDelayMs) << "the fish's name waits its own delay";
}
