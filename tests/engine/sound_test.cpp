// sound_test.cpp -- playing, refusing, restarting, fading and going quiet without focus
#include "engine/app_state.h"
#include "engine/settings.h"
#include "engine/sound.h"
#include "support/play.h"
#include "world/game_session.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {
// Fades run on their own threads in real time; wait (bounded) for one to end.
void waitForFade(const std::string& name) {
    for (int i = 0; i < 400 && fadeRunning(name); i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_FALSE(fadeRunning(name));
}

void waitUntilStopped(const std::string& name) {
    for (int i = 0; i < 400 && soundPlaying(name); i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_FALSE(soundPlaying(name));
}
}  // namespace

TEST(Sound, SwitchedOffCategoriesRefuseNewSoundsButLeavePlayingOnesAlone) {
    Harness h({.saves = {settingsFile()}});
    h.boot();
    EXPECT_TRUE(playSound("fire sizzle", false));
    settings.sfxOn = 0;
    EXPECT_FALSE(playSound("tree chop", false));
    EXPECT_FALSE(soundPlaying("tree chop"));
    EXPECT_TRUE(soundPlaying("fire sizzle")) << "a looping effect goes on until stopped";
    settings.musicOn = 0;
    EXPECT_FALSE(playSound("win", false));
}

TEST(Sound, RestartRulesAndASoundThatEndedPlaysAgain) {
    Harness h({.saves = {settingsFile()}});
    h.boot();
    EXPECT_TRUE(playSound("tree chop", false));
    EXPECT_FALSE(playSound("tree chop", false)) << "already playing and no restart";
    EXPECT_TRUE(playSound("tree chop", true));
    waitUntilStopped("tree chop");
    EXPECT_TRUE(playSound("tree chop", false)) << "a stream that ended by itself plays again";
    EXPECT_TRUE(soundPlaying("tree chop"));
}

TEST(Sound, MusicPausesAndResumesWhereItWas) {
    Harness h({.saves = {settingsFile()}});
    h.boot();
    ASSERT_TRUE(soundPlaying("music"));
    pauseSound("music");
    EXPECT_FALSE(soundPlaying("music"));
    EXPECT_TRUE(playSound("music", false));
    EXPECT_TRUE(soundPlaying("music"));
}

TEST(Sound, FadesMoveInWholeUnitsToTheExactTargetAndAreNotQueued) {
    Harness h({.saves = {settingsFile()}});
    h.boot();
    setSoundVolume("rain", 80);
    fadeTo("rain", 30, 100);
    fadeTo("rain", 90, 100);  // dropped: a fade of rain is running
    waitForFade("rain");
    EXPECT_NEAR(soundVolume("rain"), 30, 0.01);
    fadeTo("rain", 30, 100);  // already there: set and done at once
    waitForFade("rain");
    EXPECT_NEAR(soundVolume("rain"), 30, 0.01);
}

TEST(Sound, LosingFocusQuietsEverythingAndStopsTheWisp) {
    Harness h({.saves = {settingsFile({.musicVolume = 60})}});
    h.boot();
    ASSERT_TRUE(app.windowFocused);
    session.player.moveRightHeld = true;
    h.setFocus(false);
    h.pass();
    EXPECT_FALSE(app.windowFocused);
    EXPECT_FALSE(session.player.moveRightHeld);
    h.waitForFades();
    EXPECT_NEAR(soundVolume("music"), 0, 0.01);
    EXPECT_NEAR(soundVolume("click"), 0, 0.01);
    h.setFocus(true);
    h.pass();
    h.pass();  // a second look at the focus starts nothing new
    h.waitForFades();
    EXPECT_NEAR(soundVolume("music"), 60, 0.01);
    EXPECT_NEAR(soundVolume("click"), 100, 0.01);
}

// A switch away and straight back: the fade-outs still run when the focus returns.
TEST(Sound, AQuickSwitchAwayAndBackEndsAtThePlayersVolumes) {
    Harness h({.saves = {settingsFile({.musicVolume = 60, .sfxVolume = 80})}});
    h.boot();
    h.setFocus(false);
    h.pass();
    ASSERT_TRUE(fadeRunning("music"));
    h.setFocus(true);
    h.pass();
    h.waitForFades();
    EXPECT_NEAR(soundVolume("music"), 60, 0.01);
    EXPECT_NEAR(soundVolume("click"), 80, 0.01);
    EXPECT_NEAR(soundVolume("rain"), 80, 0.01);
    // And back again: away and straight back the other way ends in silence.
    h.setFocus(false);
    h.pass();
    h.setFocus(true);
    h.pass();
    h.setFocus(false);
    h.pass();
    h.waitForFades();
    EXPECT_NEAR(soundVolume("music"), 0, 0.01);
    EXPECT_NEAR(soundVolume("click"), 0, 0.01);
}

TEST(Sound, FocusIsNotFollowedDuringTheLoadingScreen) {
    Harness h;
    app.audioReady = false;
    h.setFocus(false);
    h.pass();
    EXPECT_FALSE(app.windowFocused);
    h.setFocus(true);
    h.pass();
    EXPECT_FALSE(app.windowFocused) << "before the sounds are ready, focus is not looked at";
}
