// gamepad_test.cpp -- the pad as a second pointer: its speed, its presses, its rumble, SIGTERM
#include "activities/activity_helpers.h"
#include "activities/mining.h"
#include "engine/app_state.h"
#include "support/game_process.h"
#include "support/scripted_pad.h"
#include "world/kinds.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>

TEST(Gamepad, APushCreepsAPixelAtATimeAndAFlickCrossesTheViewInHalfASecond) {
    Harness h;
    h.boot();
    ScriptedPad pad(h);
    pad.tilt(true, 0.19, 0);  // inside the dead zone: at rest, and no use of the pad
    h.step(10);
    EXPECT_FALSE(padInUse);
    pad.tilt(true, 0.22, 0);  // the pointer comes in at (500, 300) and creeps
    h.step(3);
    EXPECT_GE(pointer.pointerX, 501);
    EXPECT_LE(pointer.pointerX, 503);
    pad.tilt(false, -1, 0);   // the left stick points too while a menu shows
    h.step(8);
    ASSERT_EQ(pointer.pointerX, 1);
    pad.tilt(false, 0, 0);
    pad.tilt(true, 1, 0);
    int steps = 0;
    for (; pointer.pointerX < 999 && steps < 40; steps++) h.step();
    EXPECT_EQ(steps, 15) << "15 steps of 34 ms";
}

TEST(Gamepad, PadPressesAreTheMouseButtonsEdgesInBothModesAndTheMouseTakesOver) {
    Harness h;
    h.boot();
    ScriptedPad pad(h);
    pad.press(PadA);
    EXPECT_EQ(runQueuedClicks(), 1) << "even the press that brings the pointer in";
    pad.tilt(true, 1, 0);  // dragging with A held
    h.step(2);
    EXPECT_EQ(runQueuedClicks(), 0);
    pad.release(PadA);
    pad.pull(true, 0.6);   // the right trigger is the left button too
    EXPECT_EQ(runQueuedClicks(), 1);
    pad.pull(true, 0);
    touchMode = true;      // a stick cannot tap: moving never clicks, A does
    h.step(2);
    EXPECT_EQ(runQueuedClicks(), 0);
    pad.press(PadA);
    EXPECT_EQ(runQueuedClicks(), 1);
    pad.release(PadA);
    pad.tilt(true, 0, 0);
    h.moveTo(200, 200);    // the mouse moves: its pointer is the pointer again
    h.step();
    EXPECT_FALSE(padInUse);
    EXPECT_EQ(pointer.pointerX, 200);
}

// The switch is off first: SDL swallows a rumble repeated while the last one runs.
TEST(Gamepad, AHitRumblesOnlyWithTheSwitchOnAndTheSwitchKeepsItsOwnFile) {
    Harness h;
    standBefore(h, BronzeRock);
    ScriptedPad pad(h);
    openWindow(h);
    std::string sixLines = h.readFile("saves/sF.kv");
    for (int on : {0, 1}) {
        padSettings.rumbleOn = on;
        pad.pointAt(mining.hitCircleX, mining.hitCircleY);
        pad.tap(PadA);
        EXPECT_EQ(pad.rumbles(), on);
    }
    EXPECT_GT(interaction.ActivityProgress, 0);
    changeScreen(GameScreen::Settings);
    h.step();
    h.menuPress(600, 390);  // the "Gamepad rumble" box: off
    h.saveScreenshot("settings_rumble");
    EXPECT_EQ(h.readFile("saves/gP.kv"), "0\n");
    EXPECT_EQ(h.readFile("saves/sF.kv"), sixLines);
    h.restart();
    EXPECT_EQ(padSettings.rumbleOn, 0);
}

TEST(Gamepad, TheGameStillEndsOnSigterm) {
    TempFolder run, start;
    std::filesystem::create_directory_symlink(THORNVALE_ASSETS_DIR, run.path + "/assets");
    std::filesystem::copy_file(THORNVALE_GAME_BINARY, run.path + "/thornvale");
    GameProcess game(run.path + "/thornvale", start.path, {"THORNVALE_VIRTUAL_PAD=1"});
    ASSERT_TRUE(game.waitForFile(run.path + "/saves/sF.kv")) << game.errors();  // SDL started before
    game.signal(SIGTERM);
    EXPECT_EQ(game.waitForExit(10), 128 + SIGTERM);
}
