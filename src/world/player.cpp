// player.cpp -- the wisp: walking, floating, spinning, the area transition and the arrival beam
#include "world/player.h"

#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/cheats.h"
#include "engine/clock.h"
#include "engine/hooks.h"
#include "engine/input.h"
#include "engine/pause.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "world/area_objects.h"
#include "world/game_session.h"
#include "world/generator.h"
#include "world/mission_end.h"
#include "world/tutorial_rules.h"

#include <algorithm>
#include <cmath>

WispMotion wisp;

namespace {

constexpr int walkSpeed = 7;          // px per step, both directions
constexpr int arriveRange = 7;        // touch: within this of the target counts as arrived
constexpr int driftOutSpeed = 5;      // px per step while the screen darkens
constexpr int driftInSpeed = 7;       // px per step while the screen lightens
constexpr int blackMomentX = 1100;    // the wisp is gone and the screen fully black
constexpr int spinChangeMs = 3000;    // the spin speed changes this often
constexpr int beamX = 100;            // the arrival beam comes down at this x
constexpr int timerLagCatchUpMs = 30000;  // lag beyond this is counted at once

// ---------------------------------------------------------------------------
// Walking

// Touch: walk towards the target; arriving opens the object there. Both flags stay
// set in the arrival step and cancel each other out.
void followTouchTarget(PlayerState& p) {
    p.moveLeftHeld = p.moveRightHeld = false;
    if (p.touchTargetX == 0) return;
    p.moveLeftHeld = p.touchTargetX - arriveRange < p.playerX;
    p.moveRightHeld = p.touchTargetX + arriveRange > p.playerX;
    if (p.playerX > p.touchTargetX - arriveRange && p.playerX < p.touchTargetX + arriveRange) {
        if (tutorialMayOpenObject()) openInteractionNow();
        p.touchTargetX = 0;
    }
}

void startTransition(PlayerState& p) {
    p.inTransition = true;
    p.nextAreaChosen = false;
    p.controlEnabled = false;
    if (touchMode) p.touchTargetX = 0;
}

// ---------------------------------------------------------------------------
// Transition and arrival beam

void shadeTruncated(double alpha) { shadeView(static_cast<int>(alpha)); }

// The black moment: the next area is chosen and saved once, while nothing shows.
void reachBlackMoment(PlayerState& p) {
    shadeView(255);
    p.playerX = 0;
    if (p.nextAreaChosen) return;
    p.nextAreaChosen = true;
    if (tutorialTakesBlackMoment()) return;
    chooseNextArea();
    saveGameNow();
}

void runTransition(PlayerState& p) {
    if (!p.controlEnabled) {
        if (p.playerX > 950) p.playerX += driftOutSpeed;
        else if (p.playerX < 100) p.playerX += driftInSpeed;
    }
    if (p.playerX > 950) {
        if (p.playerX < 1050) shadeTruncated((p.playerX - 950) * 2.55);
        else if (p.playerX < blackMomentX) shadeView(255);
        else reachBlackMoment(p);
    } else if (p.playerX < 100) {
        shadeTruncated(255 - p.playerX * 2.55);
    } else {
        p.controlEnabled = true;
        p.inTransition = false;
    }
}

// Down in 110 steps, the wisp sinks inside it in 110, the beam withdraws in 55.
void runArrivalBeam(PlayerState& p) {
    if (p.beamY < 250 && p.playerY < 0) {
        playSound("beam", false);
        drawSprite("wisp beam", beamX, p.beamY);
        if (p.beamY < -100) shadeTruncated(255 - (p.beamY + 300) * 1.275);
        p.beamY += 5;
    } else if (p.playerY < standingY) {
        drawSprite("wisp beam", beamX, 250);
        p.playerY += 5;
        p.beamY = 250;
    } else if (p.beamY > -300) {
        drawSprite("wisp beam", beamX, p.beamY);
        p.beamY -= 10;
    } else {
        p.arrivalBeam = false;
        p.inTransition = false;
        p.controlEnabled = true;
        resetPlayTimerReference();
    }
}

// ---------------------------------------------------------------------------
// The wisp's float and spin

void spinWisp() {
    bool dizzy = cheats.dizzySpin && !showing(GameScreen::Tutorial);  // the tutorial's wisp has no cheats
    double speed = dizzy ? wisp.spinSpeed * 5 : wisp.spinSpeed;
    wisp.spinAngle += speed;
    if (nowMs() - wisp.lastSpinChange > spinChangeMs) {
        int range = dizzy ? 150 : 50;
        wisp.spinSpeed = randomBetween(-range, range) / 100.0;
        wisp.lastSpinChange = nowMs();
    }
    rotateSprite("wisp", wisp.spinAngle);
}

// The velocity grows only towards its limit, and may always be pulled back.
void accelerate(double& velocity, double accel, double limit) {
    if (std::abs(velocity) < limit || (velocity > limit && accel < 0) || (velocity < limit && accel > 0))
        velocity += accel;
}

// Low gravity: k widens the speeds, m the height of the swing.
void floatWisp(double k, double m) {
    wisp.offsetX += wisp.velocityX;
    wisp.offsetY += wisp.velocityY;
    accelerate(wisp.velocityX, wisp.accelX, k);
    accelerate(wisp.velocityY, wisp.accelY, 2 * k);
    if (std::abs(wisp.offsetY) > 5 * m) wisp.accelY = wisp.offsetY > 0 ? -0.07 * k : 0.07 * k;
    if (std::abs(wisp.offsetX) > 2.0) wisp.accelX = wisp.offsetX > 0 ? -0.04 * k : 0.04 * k;
}

// Moves an offset towards 0 by step; inside the dead band it snaps to 0.
void settleOffset(double& offset, double step, double band) {
    offset += offset > 0 ? -step : step;
    if (offset > -band && offset < band) offset = 0;
}

}  // namespace

// ---------------------------------------------------------------------------

void updatePlayerMovement() {
    PlayerState& p = session.player;
    if (!p.controlEnabled || app.loadingScreenOn || gamePaused()) return;
    if (touchMode) followTouchTarget(p);
    if (p.playerX > wispLeftLimit && p.moveLeftHeld) p.playerX -= walkSpeed;
    if (p.playerX < wispRightLimit && p.moveRightHeld) p.playerX += walkSpeed;
    if (p.playerX >= wispRightLimit && tutorialMayWalkOut()) startTransition(p);
}

void runTransitionOrBeam() {
    PlayerState& p = session.player;
    if (p.arrivalBeam) runArrivalBeam(p);
    else if (p.inTransition) runTransition(p);
}

void drawWisp() {
    PlayerState& p = session.player;
    spinWisp();
    if (p.arrivalBeam) {
        wisp.offsetX = wisp.offsetY = 0;
        drawSprite("wisp", p.playerX, p.playerY);
        return;
    }
    bool lowGravity = cheats.lowGravity && !showing(GameScreen::Tutorial);
    double k = lowGravity ? 4 : 1, m = lowGravity ? 2 : 1;
    if (gameEnd.endStage < 25 || showing(GameScreen::Tutorial)) {
        floatWisp(k, m);
    } else {
        settleOffset(wisp.offsetX, 0.25 * k, 0.5 * k);
        settleOffset(wisp.offsetY, 0.45 * k, 0.75 * k);
    }
    drawSprite("wisp", p.playerX + wisp.offsetX, p.playerY + wisp.offsetY);
}

// Whole seconds are counted as the reference falls 1000 ms behind; a long lag (a
// stalled program) is counted at once. Paused or finished time is dropped.
void tickPlayTimer() {
    PlayerState& p = session.player;
    int32_t now = nowMs();
    bool playing = !session.MissionComplete && !gamePaused();
    if (!playing) {
        p.playTimerReference = now;
        return;
    }
    if (now - p.playTimerReference < 1000) return;
    p.PlayTimer++;
    p.playTimerReference += 1000;
    if (now - p.playTimerReference >= timerLagCatchUpMs) {
        int32_t seconds = (now - p.playTimerReference) / 1000;
        p.PlayTimer += seconds;
        p.playTimerReference += seconds * 1000;
    }
}

// A tap right of the walk-out line walks out of the area; elsewhere the wisp walks to
// the tapped object (never past its left limit), and a tap on nothing stops it.
void onTap(int x) {
    PlayerState& p = session.player;
    if (x > walkOutTapX) {
        if (tutorialMayWalkOut()) p.touchTargetX = 1000;
        return;
    }
    p.touchTargetX = tapWalksInLesson(pointerOverObject(-1, -1)) ? std::max(wispLeftLimit, x) : 0;
}

// The ending glides the wisp to the middle of the area it is in and keeps it to the
// end, so a walk out of the area stops where it is: no next area is chosen or saved,
// the screen lightens again, and nothing hands control back.
void giveWispToEnding() {
    PlayerState& p = session.player;
    p.controlEnabled = false;
    p.inTransition = false;
    p.nextAreaChosen = true;
    p.touchTargetX = 0;
    p.moveLeftHeld = p.moveRightHeld = false;
}

void resetPlayTimerReference() { session.player.playTimerReference = nowMs(); }

void resetWispMotion() { wisp = WispMotion{}; }

void prepareNewGamePlayer() {
    PlayerState& p = session.player;
    p.playerX = beamX;
    p.playerY = -150;
    p.beamY = -300;
    p.arrivalBeam = true;
    p.inTransition = true;
    p.nextAreaChosen = true;
    p.controlEnabled = false;
    p.moveLeftHeld = p.moveRightHeld = false;
    p.touchTargetX = 0;
    p.PlayTimer = 0;
    p.playTimerReference = nowMs();
    session.clocks = WorldClocks{};
    session.clocks.clockReference = nowMs();
}
