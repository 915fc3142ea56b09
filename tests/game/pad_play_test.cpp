// pad_play_test.cpp -- the whole game with a game controller alone: play, menus, unplugging
#include "activities/activity_helpers.h"
#include "engine/app_state.h"
#include "engine/gamepad.h"
#include "frontend/new_game_form.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/inventory.h"
#include "support/scripted_pad.h"
#include "tutorial/tutorial_play.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

namespace {

// A stroke with A held, the right stick swinging the pointer a step's worth one way.
void padStroke(Harness& h, ScriptedPad& pad, double towards, const char* picture = nullptr) {
    pad.press(PadA);
    h.step();
    pad.tilt(true, towards, 0);
    h.step();
    if (picture) h.saveScreenshot(picture);
    pad.tilt(true, 0, 0);
    pad.release(PadA);
    h.step();
}

}  // namespace

TEST(PadPlay, WalkToABirchChopItAndResearchTheLogsWithThePadAlone) {
    Harness h;
    standBefore(h, BirchTree);
    session.player.playerX = 100;
    ScriptedPad pad(h);
    pad.press(PadRight);
    for (int i = 0; i < 100 && session.player.playerX < 450; i++) h.step();
    pad.release(PadRight);
    h.step(2);
    EXPECT_GE(session.player.playerX, 450) << "the D-pad walks";
    pad.tap(PadA);  // nothing open: the object in front of the wisp opens
    for (int i = 0; i < 30 && !windowIs(WindowPhase::Open); i++) h.step();
    ASSERT_TRUE(windowIs(WindowPhase::Open));
    pad.pointAt(470, 300);
    for (int i = 0; i < 20; i++)  // across the trunk and back
        padStroke(h, pad, i % 2 == 0 ? 1 : -1, i == 10 ? "pad_activity" : nullptr);
    EXPECT_EQ(session.Inventory[3], BirchLogs);
    EXPECT_GT(pad.rumbles(), 0) << "chops rumble";
    for (int i = 0; i < 100 && (interaction.flyActive || !windowIs(WindowPhase::Closed)); i++) h.step();

    pad.tap(PadX);  // the bag
    h.step(8);
    pad.pointAt(840, 170);  // slot 3
    pad.press(PadA);
    h.step();
    pad.pointAt(840, 290);  // the beaker
    pad.release(PadA);
    h.step();
    EXPECT_EQ(session.Inventory[3], NoItem);
    EXPECT_GE(session.ResearchLevel[BirchLogs], 50);
    EXPECT_EQ(saveLine(h, 19), std::to_string(session.ResearchLevel[BirchLogs]));
    pad.tap(PadX);
    EXPECT_FALSE(inventoryPanel.open);
    h.saveScreenshot("pad_play");
}

// From the title to a new game on seed 42: the D-pad jumps between buttons, A presses,
// and the name and the seed are typed on the on-screen keys.
TEST(PadPlay, MenusAndASeedTypedOnTheOnScreenNumberPad) {
    Harness h({.saves = {{"sF.kv", "0\n1\n100\n1\n100\n0\n"}, {"sL.kv", "1\n"}}});
    h.boot();
    ScriptedPad pad(h);
    pad.menuTap(PadDown);  // the pointer comes in on the play button
    pad.menuTap(PadA);
    ASSERT_TRUE(app.showMainMenu);
    for (int i = 0; i < 4; i++) pad.menuTap(PadUp);  // Settings, Tutorial, Load Game, New Game
    pad.menuTap(PadA);
    ASSERT_TRUE(app.showNameEntry);
    h.step();
    h.saveScreenshot("pad_name_entry");
    for (auto [x, y] : {std::pair{263, 400}, {363, 400}, {743, 400}}) {  // a, d, Enter
        pad.pointAt(x, y);
        pad.menuTap(PadA);
    }
    ASSERT_TRUE(app.showSeedChoice) << "name typed: " << newGameForm.name;
    pad.menuTap(PadLeft);  // from Enter's place the nearest button leftwards: Custom Seed
    pad.menuTap(PadA);
    ASSERT_TRUE(app.showSeedEntry);
    for (PadButton b : {PadDown, PadLeft, PadA, PadDown, PadRight, PadA}) pad.menuTap(b);  // 8, 5, 4; 1, 2
    EXPECT_EQ(newGameForm.seedText, "42");
    for (PadButton b : {PadUp, PadUp, PadUp, PadA}) pad.menuTap(b);  // 5, 8, Start
    for (int i = 0; i < 60 && !app.inGame; i++) h.step();
    ASSERT_TRUE(app.inGame);
    EXPECT_EQ(session.SaveName, "ad");
    EXPECT_EQ(saveLine(h, 3), "42");
}

TEST(PadPlay, UnpluggingMidDragLeavesNothingHeld) {
    Harness h;
    standBefore(h, EmptyPlace);
    toggleInventory(false);
    h.step(8);
    ScriptedPad pad(h);
    pad.pointAt(840, 110); // slot 0
    pad.press(PadA);
    pad.press(PadRight);   // walking
    pad.pull(false, 1);    // a tooltip held open
    h.step();
    pad.tilt(true, -1, 1); // carrying the hatchet away
    h.step(3);
    ASSERT_TRUE(inventoryPanel.dragging && session.player.moveRightHeld && pointer.rightDown);
    pad.unplug();
    h.step();
    int x = session.player.playerX;
    h.step(3);
    EXPECT_FALSE(pointer.leftDown || pointer.rightDown || pointer.pressLatch);
    EXPECT_FALSE(inventoryPanel.dragging);
    EXPECT_EQ(session.Inventory[0], BronzeHatchet) << "the hatchet falls back into its slot";
    EXPECT_FALSE(session.player.moveRightHeld);
    EXPECT_EQ(session.player.playerX, x) << "the wisp stops";
    EXPECT_FALSE(padInUse);
}

// B, X, Y and Start are Esc, E, Q and the help button; A opens the object only where its
// press is not meant for the bar; the left stick walks until a page opens, then points.
TEST(PadPlay, ButtonsStandForTheirKeysAndTheHelpPageNamesThem) {
    Harness h;
    standBefore(h, BirchTree);
    ScriptedPad pad(h);
    pad.pointAt(890, 35);
    pad.tap(PadA);
    EXPECT_TRUE(inventoryPanel.open);
    EXPECT_TRUE(windowIs(WindowPhase::Closed)) << "a press on the bag's button opens nothing else";
    pad.tap(PadX);
    pad.tap(PadY);
    EXPECT_FALSE(inventoryPanel.open);
    EXPECT_TRUE(checklistPage.open);
    int x = session.player.playerX;
    pad.tilt(false, 1, 0);
    h.step(3);
    EXPECT_EQ(session.player.playerX, x) << "the left stick points while a page is open";
    pad.tap(PadY);
    h.step(3);
    EXPECT_GT(session.player.playerX, x) << "and walks once it has closed";
    pad.tilt(false, 0, 0);

    pad.tap(PadStart);
    h.step(12);
    ASSERT_TRUE(helpOpen());
    sf::Image withPad = h.screenshot();
    h.saveScreenshot("pad_help");
    h.moveTo(10, 590);  // the mouse moves: the keys are named again
    h.step();
    sf::Image withMouse = h.screenshot();
    int changed = 0;
    for (int y = 150; y < 190; y++)
        for (int x = 175; x < 825; x++) changed += withPad.getPixel(x, y) != withMouse.getPixel(x, y);
    EXPECT_GT(changed, 500) << "the two lines of controls";
    pad.tap(PadB);
    EXPECT_FALSE(helpOpen());
}

TEST(PadPlay, InTheTutorialAMovesTheEldersSpeechOn) {
    Harness h(newPlayer(tutorialFile(2, 100)));
    pressPlay(h);
    ScriptedPad pad(h);
    for (int i = 0; i < 400 && !promptReady(); i++) h.step();
    pad.tap(PadA);
    EXPECT_EQ(tutorialStepNow(), 3);
}
