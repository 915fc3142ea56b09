// pad_play_test.cpp -- the whole game with a game controller alone: play, menus, unplugging
#include "activities/activity_helpers.h"
#include "frontend/new_game_form.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/inventory.h"
#include "support/scripted_pad.h"
#include "tutorial/tutorial_play.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

// A stroke with A held, the right stick swinging the pointer a step's worth one way.
static void padStroke(Harness& h, ScriptedPad& pad, double towards, const char* picture) {
    pad.press(PadA);
    h.step();
    pad.tilt(true, towards, 0);
    h.step();
    if (picture) h.saveScreenshot(picture);
    pad.tilt(true, 0, 0);
    pad.release(PadA);
    h.step();
}

TEST(PadPlay, WalkToABirchChopItAndResearchTheLogsWithThePadAlone) {
    Harness h;
    standBefore(h, BirchTree);
    session.player.playerX = 100;
    ScriptedPad pad(h);
    pad.press(PadRight);
    for (int i = 0; i < 100 && session.player.playerX < 450; i++) h.step();
    pad.release(PadRight);
    pad.tap(PadA);  // nothing open: the object in front of the wisp opens
    for (int i = 0; i < 30 && !windowIs(WindowPhase::Open); i++) h.step();
    ASSERT_TRUE(windowIs(WindowPhase::Open));
    pad.pointAt(470, 300);
    for (int i = 0; i < 20; i++) padStroke(h, pad, i % 2 ? -1 : 1, i == 10 ? "pad_activity" : nullptr);
    EXPECT_EQ(session.Inventory[3], BirchLogs);
    EXPECT_GT(pad.rumbles(), 0);
    for (int i = 0; i < 100 && (interaction.flyActive || !windowIs(WindowPhase::Closed)); i++) h.step();
    pad.tap(PadX, 8);  // the bag
    pad.pointAt(840, 170);  // slot 3
    pad.press(PadA);
    pad.pointAt(840, 290);  // the beaker
    pad.release(PadA);
    h.step();
    EXPECT_EQ(session.Inventory[3], NoItem);
    EXPECT_GE(session.ResearchLevel[BirchLogs], 50);
    EXPECT_EQ(savedLine(h, 19), std::to_string(session.ResearchLevel[BirchLogs]));
    pad.tap(PadX);
    EXPECT_FALSE(inventoryPanel.open);
}

// The D-pad jumps between buttons, A presses, and name and seed go in on the on-screen keys.
TEST(PadPlay, MenusAndASeedTypedOnTheOnScreenNumberPad) {
    Harness h(returningPlayer());
    h.boot();
    ScriptedPad pad(h);
    for (PadButton b : {PadDown, PadA, PadUp, PadUp, PadUp, PadUp, PadA}) pad.tap(b, 7);  // play; New Game
    ASSERT_TRUE(showing(GameScreen::NameEntry));
    for (auto [x, y] : {std::pair{263, 400}, {363, 400}, {743, 400}}) {  // a, d, Enter
        pad.pointAt(x, y);
        pad.tap(PadA, 7);
    }
    ASSERT_TRUE(showing(GameScreen::SeedChoice)) << "name typed: " << newGameForm.name;
    for (PadButton b : {PadLeft, PadA, PadDown, PadLeft, PadA, PadDown, PadRight, PadA}) pad.tap(b, 7);
    EXPECT_EQ(newGameForm.seedText, "42") << "Custom Seed; from 8 to 5, 4; 1, 2";
    for (PadButton b : {PadUp, PadUp, PadUp, PadA}) pad.tap(b, 7);  // 5, 8, Start
    for (int i = 0; i < 60 && !showing(GameScreen::Game); i++) h.step();
    EXPECT_EQ(session.SaveName, "ad");
    EXPECT_EQ(savedLine(h, 3), "42");
}

// Pulled out mid-drag, mid-walk and with the left trigger held: nothing stays held, and
// a second pad plugged in before takes over.
TEST(PadPlay, UnpluggingMidDragLeavesNothingHeld) {
    Harness h;
    standBefore(h, EmptyPlace);
    toggleInventory(false);
    h.step(8);
    ScriptedPad pad(h), second(h);
    pad.pointAt(840, 110);  // slot 0
    pad.press(PadA);
    pad.press(PadRight);
    pad.pull(false, 1);
    second.press(PadA);
    EXPECT_EQ(runQueuedClicks(), 1) << "the second pad is not listened to";
    second.release(PadA);
    pad.tilt(true, -1, 1);  // carrying the hatchet away
    h.step(3);
    ASSERT_TRUE(inventoryPanel.dragging && session.player.moveRightHeld && pointer.rightDown);
    pad.unplug();
    h.step();
    int x = session.player.playerX;
    h.step(3);
    EXPECT_FALSE(pointer.leftDown || pointer.rightDown || pointer.pressLatch || inventoryPanel.dragging);
    EXPECT_EQ(session.Inventory[0], BronzeHatchet) << "back in its slot";
    EXPECT_EQ(session.player.playerX, x) << "the wisp stops";
    second.press(PadA);
    EXPECT_EQ(runQueuedClicks(), 1) << "the pad left takes over";
}

// B, X, Y and Start are Esc, E, Q and the help button; A opens nothing from the bar; the
// left stick walks until a page opens, then points; the help page names the buttons.
TEST(PadPlay, ButtonsStandForTheirKeysAndTheHelpPageNamesThem) {
    Harness h;
    standBefore(h, BirchTree);
    ScriptedPad pad(h);
    pad.pointAt(890, 35);
    pad.tap(PadA);
    EXPECT_TRUE(inventoryPanel.open && windowIs(WindowPhase::Closed));
    pad.tap(PadX);
    pad.tap(PadY);
    EXPECT_TRUE(!inventoryPanel.open && checklistPage.open);
    int x = session.player.playerX;
    pad.tilt(false, 1, 0);
    h.step(3);
    EXPECT_EQ(session.player.playerX, x);
    pad.tap(PadY, 3);
    EXPECT_GT(session.player.playerX, x);
    pad.tilt(false, 0, 0);
    pad.pointAt(640, 480);  // where the picture shows it, on the page
    pad.tap(PadStart, 12);
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
