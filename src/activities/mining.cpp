// mining.cpp -- mining a rock: hits inside the pulsing circle, which now and then moves
#include "activities/mining.h"

#include "activities/gathering.h"
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/pause.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "world/interaction_state.h"
#include "world/kinds.h"
#include "world/tutorial_rules.h"

#include <cmath>

MiningState mining;

namespace {

constexpr int hitRadius = 25;        // a hit is closer than this to the circle's centre, px
constexpr int faintestAlpha = 45;    // the circle fades down to this...
constexpr int fullAlpha = 255;       // ...and brightens back to this
constexpr int moveChancePercent = 15;// from the fourth hit on, the circle may move
constexpr int hitsBeforeMoving = 4;

// The four spots of each rock, picked by a draw r from 0 to 100:
// below 25, 25 to 49, 50 to 74, 75 and above.
constexpr CircleSpot rockSpots[3][4] = {
    {{389, 362}, {551, 313}, {641, 310}, {566, 397}},  // bronze
    {{396, 344}, {585, 279}, {649, 339}, {500, 347}},  // iron
    {{367, 319}, {445, 383}, {546, 339}, {657, 365}},  // titanium
};

// Progress per hit by ToolAdvantage -3..+2: 1600, 800, 80, 25, 16 and 4 hits.
constexpr double hitGains[6] = {0.125, 0.25, 2.5, 8.3, 12.5, 50};

bool rockOpen() {
    return isRock(interaction.selectedKind);
}

// While the game is paused the circle holds its brightness.
void pulseCircle() {
    if (!gamePaused()) {
        mining.hitCircleAlpha += mining.hitCircleStep;
        if (mining.hitCircleAlpha == faintestAlpha) mining.hitCircleStep = +10;
        if (mining.hitCircleAlpha == fullAlpha) mining.hitCircleStep = -5;
    }
    colourSprite("interact rock hit circle", sf::Color(255, 255, 255, mining.hitCircleAlpha));
    drawSprite("interact rock hit circle", mining.hitCircleX, mining.hitCircleY);
}

bool pointerOnCircle() {
    double dx = pointer.pointerX - mining.hitCircleX, dy = pointer.pointerY - mining.hitCircleY;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy)) < hitRadius;
}

}  // namespace

CircleSpot hitCircleSpot(int rock, int r) {
    int column = r < 25 ? 0 : r < 50 ? 1 : r < 75 ? 2 : 3;
    int row = rock - BronzeRock;
    return rockSpots[row < 0 ? 0 : row > 2 ? 2 : row][column];
}

void placeHitCircle(int rock) {
    CircleSpot spot = hitCircleSpot(rockForCircle(rock), randomBetween(0, 100));
    mining.hitCircleX = spot.x;
    mining.hitCircleY = spot.y;
}

void startMining(int rock) {
    placeHitCircle(rock);
    mining.hitCircleAlpha = fullAlpha;
    mining.hitCircleStep = -5;
    mining.hitsSinceOpen = 0;
    interaction.itemGranted = false;
}

double hitGain(int toolAdvantage) { return progressGain(hitGains, toolAdvantage); }

void onRockPress() {
    if (!rockOpen() || !pointerOnCircle()) return;
    setSoundPitch("pickaxe hit", (randomBetween(0, 4) + 10) / 10.0);
    playSound("pickaxe hit", true);
    rumblePad(Rumble::PickaxeHit);
    int r = randomBetween(0, 100);
    mining.hitsSinceOpen += 1;
    // The tutorial's bronze rock moves its circle less often and gives a fixed amount.
    CircleMoves moves = circleMovesInLesson({moveChancePercent, hitsBeforeMoving});
    if (r < moves.chancePercent && mining.hitsSinceOpen >= moves.hitsBefore) placeHitCircle(interaction.selectedKind);
    interaction.ActivityProgress += gainInLesson(interaction.selectedKind, hitGain(interaction.ToolAdvantage));
    if (interaction.ActivityProgress >= activityDone) finishGathering();
}

void updateMining() {
    if (!rockOpen()) return;
    pulseCircle();
}
