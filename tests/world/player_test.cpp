// player_test.cpp -- the wisp played through the harness: beam, walking, transitions, timer
#include "activities/interaction.h"
#include "engine/cheats.h"
#include "engine/clock.h"
#include "engine/input.h"
#include "engine/sound.h"
#include "game/game_end.h"
#include "play_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
PlayerState& player() { return session.player; }

bool black(sf::Color c) { return c.r == 0 && c.g == 0 && c.b == 0; }

// The float alone, step after step, without the rest of the screen.
double widestSwing(int steps) {
    double widest = 0;
    for (int i = 0; i < steps; i++) {
        drawWisp();
        widest = std::max(widest, std::abs(wisp.offsetY));
    }
    return widest;
}
}  // namespace

TEST(Player, ArrivalBeamComesDownLowersTheWispAndWithdraws) {
    Harness h;
    startPlaying(h, 0);
    h.step();
    EXPECT_TRUE(black(h.pixel(700, 300))) << "the first beam step is fully dark";
    EXPECT_TRUE(soundPlaying("beam"));
    h.step(19);  // drawn at beamY -205: darkness 255 - 95 * 1.275 = 133
    sf::Color dim = h.pixel(700, 580);
    h.step(90);
    EXPECT_NEAR(dim.g, h.pixel(700, 580).g * (255 - 133) / 255.0, 3);
    EXPECT_EQ(player().beamY, 250);
    EXPECT_EQ(player().playerY, -150) << "the wisp waits above until the beam is down";
    h.step(110);
    EXPECT_EQ(player().playerY, 400);
    EXPECT_EQ(wisp.offsetY, 0) << "no float inside the beam";
    h.step(55);
    EXPECT_EQ(player().beamY, -300);
    EXPECT_TRUE(player().arrivalBeam && !player().controlEnabled);
    h.step();
    EXPECT_FALSE(player().arrivalBeam || player().inTransition);
    EXPECT_TRUE(player().controlEnabled);
    EXPECT_EQ(player().playerX, 100);
}

TEST(Player, KeysWalkSevenPixelsAStepOnlyWithControlAndStopAtTheLeftLimit) {
    Harness h;
    startPlaying(h, 0);
    h.holdKey(sf::Keyboard::D);
    h.step(30);
    EXPECT_EQ(player().playerX, 100) << "the beam holds the wisp";
    player().arrivalBeam = player().inTransition = false;
    player().controlEnabled = true;
    h.step(10);
    EXPECT_EQ(player().playerX, 170);
    h.releaseKey(sf::Keyboard::D);
    player().playerX = 51;
    h.holdKey(sf::Keyboard::A);
    h.step();
    EXPECT_EQ(player().playerX, 44);
    h.step(3);
    EXPECT_EQ(player().playerX, 44) << "no further left than 44";
    player().playerX = 50;
    h.step();
    EXPECT_EQ(player().playerX, 50) << "at 50 the wisp no longer steps left";
    h.releaseKey(sf::Keyboard::A);
}

TEST(Player, WalkingOffTheRightEdgeChoosesTheNextAreaOnceAtTheBlackMoment) {
    Harness h;
    startStanding(h, 0);  // area [3,5,1]; the next is [7,1,4]
    player().playerX = 973;
    h.holdKey(sf::Keyboard::D);
    h.step();
    h.releaseKey(sf::Keyboard::D);  // released in the very step that reached 980
    EXPECT_TRUE(player().inTransition && !player().controlEnabled && !player().nextAreaChosen);
    EXPECT_EQ(player().playerX, 985) << "the same step drifts on by 5";
    sf::Color dusk = h.pixel(300, 580);  // darkness (985 - 950) * 2.55 = 89

    int chosenAtStep = -1, xAtThatStep = -1;
    bool blackAtThatStep = false;
    for (int i = 1; i <= 60 && player().inTransition; i++) {
        int before = session.world.AreaCounter;
        h.step();
        if (session.world.AreaCounter == before) continue;
        EXPECT_EQ(chosenAtStep, -1) << "a second area was chosen at step " << i;
        chosenAtStep = i;
        xAtThatStep = player().playerX;
        blackAtThatStep = black(h.pixel(500, 300)) && black(h.pixel(100, 550));
        h.step(10);
        EXPECT_GT(h.pixel(300, 580).g, dusk.g / 2) << "lightening again: darkness 255 - 70 * 2.55";
    }
    EXPECT_EQ(chosenAtStep, 23) << "985 + 23 * 5 = 1100";
    EXPECT_EQ(xAtThatStep, 0);
    EXPECT_TRUE(blackAtThatStep);
    EXPECT_EQ(session.world.AreaCounter, 2);
    EXPECT_EQ(session.world.AreaContents[0], 7);
    EXPECT_EQ(session.world.AreaContents[2], 4);
    EXPECT_TRUE(player().controlEnabled);
    EXPECT_EQ(player().playerX, 105) << "control returns at the first x from 100";
}

TEST(Player, TouchWalksToTappedObjectsStopsOnGroundAndLeavesAtTheRightEdge) {
    Harness h;
    startStanding(h, 0);  // [oak, iron rock, birch]
    touchMode = true;
    h.click(500, 450);    // the iron rock
    EXPECT_EQ(player().touchTargetX, 500);
    h.step(60);
    EXPECT_EQ(player().playerX, 499) << "within 7 of 500: arrived and stopped";
    EXPECT_EQ(player().touchTargetX, 0);
    EXPECT_TRUE(interactionActive()) << "arriving opens the iron rock";
    resetInteraction();
    player().controlEnabled = true;

    player().playerX = 494;  // exactly 7 short is not there yet
    h.click(501, 450);
    EXPECT_EQ(player().playerX, 501);
    EXPECT_EQ(player().touchTargetX, 501);
    h.step();
    EXPECT_EQ(player().touchTargetX, 0);
    resetInteraction();
    player().controlEnabled = true;

    h.click(830, 250);    // the birch tree
    h.step(5);
    int walked = player().playerX;
    h.click(500, 200);    // sky: no object there
    EXPECT_EQ(player().touchTargetX, 0);
    h.step(5);
    EXPECT_EQ(player().playerX, walked) << "a tap on nothing stops the wisp";

    h.click(30, 270);     // the oak's box reaches past x 0
    EXPECT_EQ(player().touchTargetX, 50);

    h.click(960, 100);
    EXPECT_EQ(player().touchTargetX, 1000);
    for (int i = 0; i < 200 && !player().inTransition; i++) h.step();
    EXPECT_TRUE(player().inTransition);
    EXPECT_EQ(player().touchTargetX, 0);
    h.step(40);
    EXPECT_EQ(session.world.AreaCounter, 2);
}

// Without the focus the game is paused: a touch walk waits and then goes on.
TEST(Player, WithoutTheFocusATouchWalkWaits) {
    Harness h;
    startStanding(h, 0);
    touchMode = true;
    h.click(830, 250);  // the birch tree
    int x = player().playerX;
    h.setFocus(false);
    h.step(10);
    EXPECT_EQ(player().playerX, x);
    h.setFocus(true);
    h.step();
    EXPECT_EQ(player().playerX, x + 7);
}

TEST(Player, FloatSwingsWiderInLowGravityAndSettlesAtTheEnd) {
    Harness h;
    startStanding(h, 0);
    double normal = widestSwing(600);
    resetWispMotion();
    cheats.lowGravity = true;  // after boot: start-up reads the cheat file
    double low = widestSwing(600);
    EXPECT_GT(normal, 5) << "the swing turns back only past 5 px";
    EXPECT_LT(normal, 45) << "and it does turn back";
    EXPECT_GT(low, normal * 2);
    gameEnd.endStage = 25;
    widestSwing(300);
    EXPECT_EQ(wisp.offsetX, 0);
    EXPECT_EQ(wisp.offsetY, 0);
}

TEST(Player, SpinChangesAfterThreeSecondsWithinItsRange) {
    Harness h;
    startStanding(h, 0);
    for (bool dizzy : {false, true}) {
        cheats.dizzySpin = dizzy;
        double limit = dizzy ? 1.5 : 0.5, fastest = 0;
        for (int change = 0; change < 60; change++) {
            wisp.lastSpinChange = nowMs() - 3001;
            drawWisp();
            EXPECT_EQ(wisp.lastSpinChange, nowMs());
            EXPECT_LE(std::abs(wisp.spinSpeed), limit + 1e-9);
            EXPECT_NEAR(wisp.spinSpeed * 100, std::round(wisp.spinSpeed * 100), 1e-6);
            fastest = std::max(fastest, std::abs(wisp.spinSpeed));
        }
        EXPECT_EQ(fastest > 0.5, dizzy);
        wisp.spinSpeed = 0.4;
        wisp.lastSpinChange = nowMs() - 3000;  // exactly 3000 ms: not yet
        double angle = wisp.spinAngle;
        drawWisp();
        EXPECT_EQ(wisp.spinSpeed, 0.4);
        EXPECT_NEAR(wisp.spinAngle - angle, dizzy ? 2.0 : 0.4, 1e-9);
    }
}

TEST(PlayTimer, BeamUnfocusedAndFinishedTimeIsNotCounted) {
    Harness h;
    startPlaying(h, 0);
    h.step(arrivalBeamSteps + 1);  // over nine seconds of beam
    EXPECT_EQ(player().PlayTimer, 0);
    h.step(29);  // 986 ms
    EXPECT_EQ(player().PlayTimer, 0);
    h.step();    // 1020 ms
    EXPECT_EQ(player().PlayTimer, 1);
    h.setFocus(false);
    h.step(50);
    h.setFocus(true);
    h.step(29);
    EXPECT_EQ(player().PlayTimer, 1) << "unfocused time is not made up afterwards";
    h.step();
    EXPECT_EQ(player().PlayTimer, 2);
    session.MissionComplete = true;
    h.step(50);
    EXPECT_EQ(player().PlayTimer, 2);
}

TEST(PlayTimer, LongLagIsCaughtUpAtOnceShortLagSecondBySecond) {
    Harness h;
    startStanding(h, 0);
    h.setFocus(false);
    h.step();  // the reference is now
    h.setFocus(true);
    int32_t reference = player().playTimerReference;
    h.advance(40000);
    h.step(2);  // the first pass drops the frame backlog, the second runs a step
    EXPECT_EQ(nowMs() - reference, 40068);
    EXPECT_EQ(player().PlayTimer, 40);
    EXPECT_EQ(player().playTimerReference, reference + 40000);
    h.advance(20000);
    h.step(2);
    EXPECT_EQ(player().PlayTimer, 41) << "under 30 s of lag only one second per step";
    h.step(5);
    EXPECT_EQ(player().PlayTimer, 46);
}
