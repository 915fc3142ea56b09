// woodcutting.cpp -- chopping a tree: every stroke across the trunk is one chop
#include "activities/woodcutting.h"

#include "activities/gathering.h"
#include "engine/app_state.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "world/interaction_state.h"
#include "world/kinds.h"
#include "world/tutorial_rules.h"

SwipeState swipe;

namespace {

constexpr int trunkLeft = 476, trunkRight = 510;     // the trunk in the window, px
constexpr int strokeTop = 201, strokeBottom = 549;   // a stroke begins between these y, inclusive

// Progress per chop by ToolAdvantage -3..+2: 1600, 800, 80, 20, 13 and 4 chops.
constexpr double chopGains[6] = {0.125, 0.25, 2.5, 10, 16.6, 50};

bool treeOpen() {
    return isTree(interaction.selectedKind);
}

// The stroke is shown only while both of its ends are inside the panel's frame.
void drawStroke() {
    if (!insidePanelArea(swipe.swipeStartX, swipe.swipeStartY)) return;
    if (!insidePanelArea(pointer.pointerX, pointer.pointerY)) return;
    drawThickLine(swipe.swipeStartX, swipe.swipeStartY, pointer.pointerX, pointer.pointerY, 3,
                  sf::Color(255, 0, 0));
}

// Only where the stroke began and where it was let go count, not the path between.
bool strokeIsChop() {
    return (swipe.swipeFromLeft && pointer.pointerX > trunkRight) ||
           (swipe.swipeFromRight && pointer.pointerX < trunkLeft);
}

void chop() {
    setSoundPitch("tree chop", randomBetween(1, 2));
    playSound("tree chop", true);
    rumblePad(Rumble::Chop);
    // In the tutorial every chop counts the same, whatever the tool.
    interaction.ActivityProgress += gainInLesson(interaction.selectedKind, chopGain(interaction.ToolAdvantage));
    if (interaction.ActivityProgress >= activityDone) finishGathering();
}

}  // namespace

void clearSwipe() { swipe = SwipeState{}; }

double chopGain(int toolAdvantage) { return progressGain(chopGains, toolAdvantage); }

void onTreePress() {
    if (!treeOpen()) return;
    clearSwipe();
    int x = pointer.pointerX, y = pointer.pointerY;
    if (y < strokeTop || y > strokeBottom) return;
    swipe.swipeFromLeft = x < trunkLeft;
    swipe.swipeFromRight = x > trunkRight;
    if (swipe.swipeFromLeft || swipe.swipeFromRight) {
        swipe.swipeStartX = x;
        swipe.swipeStartY = y;
    }
}

void updateWoodcutting() {
    if (!treeOpen()) return;
    if (pointer.leftDown || pointer.rightDown) {
        drawStroke();
        return;
    }
    if (strokeIsChop()) chop();
    swipe.swipeFromLeft = swipe.swipeFromRight = false;
}
