// player_test.cpp -- the wisp played through the harness: beam, walking, transitions, timer
#include "app/app_state.h"
#include "app/cheats.h"
#include "app/clock.h"
#include "app/game_end.h"
#include "app/input.h"
#include "app/sound.h"
#include "play_helpers.h"
#include "world/game_session.h"
#include "world/player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
PlayerState& player() { return session.player; }

bool black(sf::Color c) { return c.r == 0 && c.g == 0 && c.b == 0; }
}  // namespace

// ---------------------------------------------------------------------------
// Arrival beam

TEST(Player, ArrivalBeamComesDownLowersTheWispAndWithdraws) {
    Harness h;
    startPlaying(h, 0);
    h.step();
    EXPECT_TRUE(black(h.pixel(700, 300))) << "the first beam step is still fully dark";
    EXPECT_TRUE(soundPlaying("beam"));
    h.step(109);
    EXPECT_EQ(player().beamY, 250);
    EXPECT_EQ(player().playerY, -150) << "the wisp waits above until the beam is down";
    h.step(110);
    EXPECT_EQ(player().playerY, 400);
    EXPECT_EQ(player().beamY, 250);
    h.step(54);
    EXPECT_EQ(player().beamY, -290);
    h.step();
    EXPECT_EQ(player().beamY, -300);
    EXPECT_TRUE(player().arrivalBeam) << "the beam ends one step after it is gone";
    EXPECT_FALSE(player().controlEnabled);
    h.step();
    EXPECT_FALSE(player().arrivalBeam);
    EXPECT_FALSE(player().inTransition);
    EXPECT_TRUE(player().controlEnabled);
    EXPECT_EQ(player().playerX, 100);
}

TEST(Player, ArrivalBeamDarknessLiftsAsTheBeamComesDown) {
    Harness h;
    startPlaying(h, 0);
    h.step(20);  // beamY -205 when drawn: alpha 255 - 95 * 1.275 = 133
    sf::Color dim = h.pixel(700, 580);
    h.step(21);  // beamY -100: no darkness any more
    sf::Color clear = h.pixel(700, 580);
    EXPECT_GT(clear.g, 40) << "the ground shows in daylight";
    EXPECT_NEAR(dim.g, clear.g * (255 - 133) / 255.0, 3);
}

TEST(Player, WispHoldsStillInTheBeamAndFloatsAfterIt) {
    Harness h;
    startPlaying(h, 0);
    h.step(200);
    EXPECT_EQ(wisp.offsetX, 0);
    EXPECT_EQ(wisp.offsetY, 0);
    h.step(arrivalBeamSteps + 1 - 200 + 5);
    EXPECT_NE(wisp.offsetY, 0) << "free of the beam the wisp floats";
}

TEST(Player, PreparingANewGameLiftsTheWispBackUp) {
    Harness h;
    startStanding(h, 0);
    player().playerX = 700;
    prepareNewGamePlayer();
    EXPECT_EQ(player().playerX, 100);
    EXPECT_EQ(player().playerY, -150);
    EXPECT_TRUE(player().arrivalBeam && player().inTransition && player().nextAreaChosen);
    EXPECT_FALSE(player().controlEnabled);
    EXPECT_EQ(player().PlayTimer, 0);
    EXPECT_EQ(session.clocks.clockReference, nowMs());
}

// ---------------------------------------------------------------------------
// Walking with the keyboard

TEST(Player, KeysWalkSevenPixelsAStepAndStopAtTheLeftLimit) {
    Harness h;
    startStanding(h, 0);
    h.holdKey(sf::Keyboard::D);
    h.step(10);
    EXPECT_EQ(player().playerX, 170);
    h.releaseKey(sf::Keyboard::D);
    h.step(3);
    EXPECT_EQ(player().playerX, 170);
    player().playerX = 51;
    h.holdKey(sf::Keyboard::A);
    h.step();
    EXPECT_EQ(player().playerX, 44);
    h.step(5);
    EXPECT_EQ(player().playerX, 44) << "no further left than 44";
    player().playerX = 57;
    h.step(2);
    EXPECT_EQ(player().playerX, 50) << "from 57 the wisp stops at 50";
    h.releaseKey(sf::Keyboard::A);
}

TEST(Player, NoWalkingWithoutControl) {
    Harness h;
    startPlaying(h, 0);
    h.holdKey(sf::Keyboard::D);
    h.step(30);
    EXPECT_EQ(player().playerX, 100) << "the beam holds the wisp";
    h.step(arrivalBeamSteps);
    EXPECT_GT(player().playerX, 100) << "once in control, the held key walks";
    h.releaseKey(sf::Keyboard::D);
}

TEST(Player, LosingTheFocusStopsTheWisp) {
    Harness h;
    startStanding(h, 0);
    h.holdKey(sf::Keyboard::D);
    h.step(2);
    h.setFocus(false);
    h.step(5);
    EXPECT_EQ(player().playerX, 114);
    h.setFocus(true);
    h.releaseKey(sf::Keyboard::D);
}

// ---------------------------------------------------------------------------
// The area transition

TEST(Player, WalkingOffTheRightEdgeChoosesTheNextAreaOnceAtTheBlackMoment) {
    Harness h;
    startStanding(h, 0);  // area [3,5,1]; the next is [7,1,4]
    player().playerX = 973;
    h.holdKey(sf::Keyboard::D);
    h.step();
    h.releaseKey(sf::Keyboard::D);  // released in the very step that reached 980
    EXPECT_TRUE(player().inTransition);
    EXPECT_FALSE(player().controlEnabled);
    EXPECT_FALSE(player().nextAreaChosen);
    EXPECT_EQ(player().playerX, 985) << "the same step drifts on by 5";

    int chosenAtStep = -1, xAtThatStep = -1;
    bool blackAtThatStep = false;
    for (int i = 1; i <= 60 && player().inTransition; i++) {
        int before = session.world.AreaCounter;
        h.step();
        if (session.world.AreaCounter != before) {
            EXPECT_EQ(chosenAtStep, -1) << "a second area was chosen at step " << i;
            chosenAtStep = i;
            xAtThatStep = player().playerX;
            blackAtThatStep = black(h.pixel(500, 300)) && black(h.pixel(100, 550));
        }
    }
    EXPECT_EQ(chosenAtStep, 23) << "985 + 23 * 5 = 1100";
    EXPECT_EQ(xAtThatStep, 0);
    EXPECT_TRUE(blackAtThatStep);
    EXPECT_EQ(session.world.AreaCounter, 2);
    EXPECT_EQ(session.world.AreaContents[0], 7);
    EXPECT_EQ(session.world.AreaContents[1], 1);
    EXPECT_EQ(session.world.AreaContents[2], 4);
    EXPECT_TRUE(player().controlEnabled);
    EXPECT_EQ(player().playerX, 105) << "control returns at the first x from 100";
}

TEST(Player, TransitionFadesOutAndBackIn) {
    Harness h;
    startStanding(h, 0);
    h.step();
    sf::Color day = h.pixel(300, 580);
    player().playerX = 980;
    h.step(4);  // drifted to 1000: alpha (1000 - 950) * 2.55 = 127
    sf::Color dusk = h.pixel(300, 580);
    EXPECT_NEAR(dusk.g, day.g * (255 - 127) / 255.0, 3);
    h.step(30);  // through the black moment; x 0 then +7 per step
    EXPECT_EQ(player().playerX, 7 * 10);
    sf::Color dawn = h.pixel(300, 580);  // alpha 255 - 70 * 2.55 = 76
    EXPECT_GT(dawn.g, dusk.g);
}

// ---------------------------------------------------------------------------
// Touch

TEST(Player, TouchTapOnAnObjectWalksThereAndArrives) {
    Harness h;
    startStanding(h, 0);  // [oak, iron rock, birch]
    touchMode = true;
    h.click(500, 450);    // the iron rock
    EXPECT_EQ(player().touchTargetX, 500);
    h.step(80);
    EXPECT_EQ(player().playerX, 499) << "within 7 of 500: arrived and stopped";
    EXPECT_EQ(player().touchTargetX, 0);
    EXPECT_FALSE(player().moveLeftHeld || player().moveRightHeld);
}

TEST(Player, TouchTapOnEmptyGroundStopsTheWisp) {
    Harness h;
    startStanding(h, 0);
    touchMode = true;
    h.click(830, 250);    // the birch tree
    h.step(10);
    int walked = player().playerX;
    EXPECT_GT(walked, 100);
    h.click(500, 200);    // sky above the iron rock: no object
    EXPECT_EQ(player().touchTargetX, 0);
    h.step(10);
    EXPECT_EQ(player().playerX, walked) << "the wisp stops where it is";
}

TEST(Player, TouchTapNearTheLeftEdgeAimsAtFifty) {
    Harness h;
    startStanding(h, 0);  // the oak's box reaches past x 0
    touchMode = true;
    h.click(30, 270);
    EXPECT_EQ(player().touchTargetX, 50);
    h.step(10);
    EXPECT_EQ(player().playerX, 51) << "100 - 7 * 7 = 51 lies within 7 of 50";
    EXPECT_EQ(player().touchTargetX, 0);
}

TEST(Player, TouchTapAtTheRightEdgeWalksOutOfTheArea) {
    Harness h;
    startStanding(h, 1);
    touchMode = true;
    h.click(960, 100);
    EXPECT_EQ(player().touchTargetX, 1000);
    for (int i = 0; i < 200 && !player().inTransition; i++) h.step();
    EXPECT_TRUE(player().inTransition);
    EXPECT_EQ(player().touchTargetX, 0);
    h.step(60);
    EXPECT_EQ(session.world.AreaCounter, 2);
    EXPECT_EQ(session.world.AreaContents[0], 7);
    EXPECT_EQ(session.world.AreaContents[2], 3);
}

// ---------------------------------------------------------------------------
// Float and spin

namespace {
double widestSwing(Harness& h, int steps) {
    double widest = 0;
    for (int i = 0; i < steps; i++) {
        h.step();
        widest = std::max(widest, std::abs(wisp.offsetY));
    }
    return widest;
}
}  // namespace

TEST(Player, LowGravitySwingsWiderThanNormal) {
    double normal = 0, low = 0;
    {
        Harness h;
        startStanding(h, 0);
        normal = widestSwing(h, 600);
    }
    {
        Harness h;
        cheats.lowGravity = true;
        startStanding(h, 0);
        low = widestSwing(h, 600);
    }
    EXPECT_GT(normal, 5) << "the swing turns back only past 5 px";
    EXPECT_LT(normal, 45) << "and it does turn back";
    EXPECT_GT(low, normal * 2);
}

TEST(Player, FloatSettlesToRestFromEndStage25) {
    Harness h;
    startStanding(h, 0);
    h.step(7);
    gameEnd.endStage = 25;
    h.step(200);
    EXPECT_EQ(wisp.offsetX, 0);
    EXPECT_EQ(wisp.offsetY, 0);
    gameEnd.endStage = 0;
}

TEST(Player, SpinChangesEveryThreeSecondsWithinItsRange) {
    for (bool dizzy : {false, true}) {
        Harness h;
        cheats.dizzySpin = dizzy;
        startStanding(h, 0);
        double limit = dizzy ? 1.5 : 0.5, fastest = 0;
        for (int change = 0; change < 60; change++) {
            h.step(89);  // 89 * 34 ms = 3026 ms: one change each time
            double speed = wisp.spinSpeed;
            EXPECT_LE(std::abs(speed), limit + 1e-9);
            EXPECT_NEAR(speed * 100, std::round(speed * 100), 1e-6) << "hundredths only";
            fastest = std::max(fastest, std::abs(speed));
        }
        if (dizzy) EXPECT_GT(fastest, 0.5);
        wisp.spinSpeed = 0.4;
        wisp.lastSpinChange = nowMs() + 34;
        double angle = wisp.spinAngle;
        h.step();
        EXPECT_NEAR(wisp.spinAngle - angle, dizzy ? 2.0 : 0.4, 1e-9);
    }
}

// ---------------------------------------------------------------------------
// Play timer

TEST(PlayTimer, BeamIsNotCountedPlayIs) {
    Harness h;
    startStanding(h, 0);  // over nine seconds of beam
    EXPECT_EQ(player().PlayTimer, 0);
    h.step(29);           // 986 ms
    EXPECT_EQ(player().PlayTimer, 0);
    h.step();             // 1020 ms
    EXPECT_EQ(player().PlayTimer, 1);
    h.step(30 * 9);
    EXPECT_EQ(player().PlayTimer, 10) << "no drift: 300 steps of 34 ms are 10.2 s";
}

TEST(PlayTimer, UnfocusedAndFinishedTimeIsNotCounted) {
    Harness h;
    startStanding(h, 0);
    h.setFocus(false);
    h.step(200);
    EXPECT_EQ(player().PlayTimer, 0);
    h.setFocus(true);
    h.step(29);
    EXPECT_EQ(player().PlayTimer, 0) << "the unfocused time is not made up afterwards";
    h.step();
    EXPECT_EQ(player().PlayTimer, 1);
    session.MissionComplete = true;
    h.step(100);
    EXPECT_EQ(player().PlayTimer, 1);
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
