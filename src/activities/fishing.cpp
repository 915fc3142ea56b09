// fishing.cpp -- fishing a pond: ripples glide from point to point; keep the pointer on them
#include "activities/fishing.h"

#include "activities/gathering.h"
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/pause.h"
#include "engine/platform.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "inventory/hud.h"
#include "world/interaction_state.h"
#include "world/kinds.h"
#include "world/tutorial_rules.h"

#include <cmath>

RippleState ripples;

namespace {

constexpr RippleArea rippleAreas[3] = {
    {370, 560, 225, 370, 17, "rings bass"},
    {322, 620, 230, 410, 25, "rings salmon"},
    {350, 630, 230, 390, 40, "rings trout"},
};

// Progress per step on the ripples by ToolAdvantage -3..+2.
constexpr double catchGains[6] = {0.1, 0.267, 0.5, 1.0, 2.8, 6.6};

constexpr int catchBoxWidth = 95, catchBoxHeight = 40;  // px, around the ripples' centre
constexpr double arriveDistance = 2;  // an axis has arrived closer than this to its target, px

bool pondOpen() {
    return isPond(interaction.selectedKind);
}

bool arrived(double position, int target) { return std::abs(position - target) < arriveDistance; }

// A new target and a thousandth of the way to it; the ripples stay where they are.
void chooseRippleTarget(int pond) {
    const RippleArea& area = rippleArea(pond);
    ripples.rippleTargetX = randomBetween(area.xFrom, area.xTo);
    ripples.rippleTargetY = randomBetween(area.yFrom, area.yTo);
    ripples.rippleStepX = (ripples.rippleTargetX - ripples.rippleX) / 1000;
    ripples.rippleStepY = (ripples.rippleTargetY - ripples.rippleY) / 1000;
    ripples.rippleSpeed = area.speed;
}

// Each axis glides on by itself, so one may arrive before the other.
void glideRipples() {
    for (int i = 0; i < ripples.rippleSpeed && !arrived(ripples.rippleX, ripples.rippleTargetX); i++)
        ripples.rippleX += ripples.rippleStepX;
    for (int i = 0; i < ripples.rippleSpeed && !arrived(ripples.rippleY, ripples.rippleTargetY); i++)
        ripples.rippleY += ripples.rippleStepY;
}

// With a mouse, the cursor turns into a bobber over the panel; a finger needs neither.
// While the game is paused the player gets the ordinary cursor back.
void drawBobber() {
    if (touchMode) return;
    bool overPanel = !pointer.pointerOutside && insidePanelArea(pointer.pointerX, pointer.pointerY);
    if (overPanel && !gamePaused()) {
        if (!interaction.cursorHidden) {
            platformSetCursorVisible(false);
            interaction.cursorHidden = true;
        }
        drawSprite("bobber", pointer.pointerX, pointer.pointerY);
    } else if (interaction.cursorHidden) {
        platformSetCursorVisible(true);
        interaction.cursorHidden = false;
    }
}

// On the ripples progress grows; off them it keeps 99.5 % a step, but never once the
// catch is made and the window waits to close.
void catchOrLose() {
    double& progress = interaction.ActivityProgress;
    if (pointerOnRipples()) {
        progress += gainInLesson(interaction.selectedKind, catchGain(interaction.ToolAdvantage));
        if (progress >= activityDone && !interaction.itemGranted) rumblePad(Rumble::Catch);
        if (progress >= activityDone) finishGathering();
    } else if (progress > 0 && !interaction.closeScheduled) {
        progress -= progress / 200;
    }
}

}  // namespace

const RippleArea& rippleArea(int pond) {
    int row = pond - BassPond;
    return rippleAreas[row < 0 ? 0 : row > 2 ? 2 : row];
}

void startRipples(int pond) {
    const RippleArea& area = rippleArea(pond);
    ripples.rippleX = randomBetween(area.xFrom, area.xTo);
    ripples.rippleY = randomBetween(area.yFrom, area.yTo);
    chooseRippleTarget(pond);
}

double catchGain(int toolAdvantage) { return progressGain(catchGains, toolAdvantage); }

bool pointerOnRipples() {
    if (pointer.pointerOutside) return false;
    int left = static_cast<int>(static_cast<int>(ripples.rippleX) - catchBoxWidth / 2.0);
    int top = static_cast<int>(ripples.rippleY) - catchBoxHeight / 2;
    return pointer.pointerX >= left && pointer.pointerX < left + catchBoxWidth &&
           pointer.pointerY >= top && pointer.pointerY < top + catchBoxHeight;
}

// While the game is paused the ripples are drawn where they stand and the catch
// neither grows nor drains.
void updateFishing() {
    // The tutorial's bass waits until the elder has explained the lesson.
    if (!pondOpen() || !tutorialMayCastLine()) return;
    int pond = interaction.selectedKind;
    bool paused = gamePaused();
    if (!paused) glideRipples();
    // The ripple sound gives way to the catch: it stays quiet once the fish is out.
    if (!interaction.flyActive && !interaction.closeScheduled) playSound("pond ripple", false);
    drawSprite(rippleArea(pond).sprite, ripples.rippleX, ripples.rippleY);
    drawBobber();
    if (paused) return;
    if (arrived(ripples.rippleX, ripples.rippleTargetX) &&
        arrived(ripples.rippleY, ripples.rippleTargetY))
        chooseRippleTarget(pond);
    catchOrLose();
}
