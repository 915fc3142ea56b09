// fishing_test.cpp -- fishing ponds through the harness: ripples, the catch box, drain, bobber
#include "activities/fishing.h"
#include "activity_helpers.h"
#include "engine/platform.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Keep the pointer on the ripples' centre for one step.
void followRipples(Harness& h) {
    h.moveTo(static_cast<int>(ripples.rippleX), static_cast<int>(ripples.rippleY));
    h.step();
}

// Sets a path by hand: from (x, y) to the target, as a retarget would.
void setPath(double x, double y, int targetX, int targetY) {
    ripples.rippleX = x;
    ripples.rippleY = y;
    ripples.rippleTargetX = targetX;
    ripples.rippleTargetY = targetY;
    ripples.rippleStepX = (targetX - x) / 1000;
    ripples.rippleStepY = (targetY - y) / 1000;
}

// Steps until the ripples choose a new target.
int stepsToCoverPath(Harness& h) {
    double stepX = ripples.rippleStepX;
    int steps = 0;
    while (ripples.rippleStepX == stepX && steps < 200) {
        h.step();
        steps++;
    }
    return steps;
}

}  // namespace

TEST(Fishing, RipplesStartAndAimInsideThePondsArea) {
    for (int pond : {BassPond, SalmonPond, TroutPond}) {
        const RippleArea& area = rippleArea(pond);
        for (uint32_t seed = 0; seed < 50; seed++) {
            reseedSharedRandom(seed);
            startRipples(pond);
            ASSERT_GE(ripples.rippleX, area.xFrom);
            ASSERT_LE(ripples.rippleX, area.xTo);
            ASSERT_GE(ripples.rippleY, area.yFrom);
            ASSERT_LE(ripples.rippleY, area.yTo);
            ASSERT_GE(ripples.rippleTargetX, area.xFrom);
            ASSERT_LE(ripples.rippleTargetX, area.xTo);
            ASSERT_GE(ripples.rippleTargetY, area.yFrom);
            ASSERT_LE(ripples.rippleTargetY, area.yTo);
            EXPECT_DOUBLE_EQ(ripples.rippleStepX, (ripples.rippleTargetX - ripples.rippleX) / 1000);
        }
    }
    EXPECT_EQ(rippleArea(BassPond).speed, 17);
    EXPECT_EQ(rippleArea(SalmonPond).speed, 25);
    EXPECT_EQ(rippleArea(TroutPond).speed, 40);
}

TEST(Fishing, TroutRipplesCrossTheirPathIn25StepsAndBassIn59) {
    {
        Harness h;
        openBefore(h, TroutPond);
        setPath(350, 230, 630, 390);
        EXPECT_EQ(stepsToCoverPath(h), 25);
        EXPECT_NEAR(ripples.rippleX, 630, 2);
        EXPECT_NEAR(ripples.rippleY, 390, 2);
    }
    {
        Harness h;
        openBefore(h, BassPond);
        setPath(370, 225, 560, 370);
        EXPECT_EQ(stepsToCoverPath(h), 59);
        EXPECT_NEAR(ripples.rippleX, 560, 2) << "the ripples stay where they arrived";
    }
}

TEST(Fishing, EachAxisStopsByItself) {
    Harness h;
    openBefore(h, SalmonPond);
    setPath(400, 300, 401, 400);  // x is there already, y has 100 px to go
    h.step(10);
    EXPECT_DOUBLE_EQ(ripples.rippleX, 400);
    EXPECT_NEAR(ripples.rippleY, 300 + 250 * 0.1, 1e-6);
}

TEST(Fishing, CatchBoxIs95By40AroundTheTruncatedCentre) {
    Harness h;
    openBefore(h, BassPond);
    ripples.rippleX = 400.7;  // left edge (int)(400 - 47.5) = 352
    ripples.rippleY = 300.9;  // top edge 300 - 20 = 280
    const struct {
        int x, y;
        bool on;
    } points[] = {{352, 280, true},  {446, 319, true},  {351, 300, false}, {447, 300, false},
                  {400, 279, false}, {400, 320, false}, {400, 300, true}};
    for (auto p : points) {
        h.moveTo(p.x, p.y);
        h.pass();
        EXPECT_EQ(pointerOnRipples(), p.on) << p.x << ", " << p.y;
    }
    h.leaveWindow();
    h.pass();
    EXPECT_FALSE(pointerOnRipples()) << "a pointer outside the window catches nothing";
}

TEST(Fishing, ProgressDrainsOffTheRipplesToAbout60AfterAHundredSteps) {
    Harness h;
    openBefore(h, BassPond);
    h.moveTo(900, 580);  // far from every ripple path
    interaction.ActivityProgress = 100;
    h.step(100);
    EXPECT_NEAR(interaction.ActivityProgress, 60.58, 0.005);

    interaction.ActivityProgress = 0;
    h.step(10);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 0);
}

TEST(Fishing, TwoHundredStepsOnTheRipplesCatchABass) {
    Harness h;
    openBefore(h, BassPond);
    for (int i = 0; i < 199; i++) followRipples(h);
    EXPECT_NEAR(interaction.ActivityProgress, 199, 1e-6);
    EXPECT_TRUE(soundPlaying("pond ripple"));
    EXPECT_EQ(session.world.AreaContents[middlePlace], BassPond);
    followRipples(h);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 200);
    EXPECT_EQ(session.world.AreaContents[middlePlace], EmptyPlace);
    EXPECT_EQ(session.Inventory[3], RawBass);
    EXPECT_FALSE(soundPlaying("pond ripple"));
    EXPECT_EQ(savedLine(h, inventorySaveLine(3)), "7");
    EXPECT_EQ(savedLine(h, placeSaveLine(middlePlace)), "0");

    h.moveTo(900, 580);
    h.step(5);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 200) << "no drain after the catch";
    EXPECT_FALSE(soundPlaying("pond ripple")) << "the ripples fall quiet once the fish is out";
    expectOneItemOnly(h, [&] { followRipples(h); }, "one pond, one fish");
}

// 0.1 a step falls just short of 200 after 2000 steps: the catch comes in the 2001st.
TEST(Fishing, BetterPolesFillFaster) { expectFewerWithBetterTools(catchGain, 2001, 31); }

TEST(Fishing, TitaniumPoleOnABassPondCatchesIn31Steps) {
    Harness h;
    openWithTool(h, BassPond, 2, TitaniumFishingPole);
    expectGatheredByTheLast(31, [&] { followRipples(h); });
}

TEST(Fishing, MouseCursorBecomesABobberOverThePanel) {
    Harness h;
    openBefore(h, SalmonPond);
    h.moveTo(300, 300);
    h.step();
    EXPECT_FALSE(scriptedInput().cursorVisible);
    EXPECT_TRUE(interaction.cursorHidden);
    h.saveScreenshot("activities_pond_bobber");
    h.moveTo(900, 300);  // outside the panel
    h.step();
    EXPECT_TRUE(scriptedInput().cursorVisible);
    h.moveTo(849, 584);  // the frame's last pixel
    h.step();
    EXPECT_FALSE(scriptedInput().cursorVisible);
    h.leaveWindow();
    h.step();
    EXPECT_TRUE(scriptedInput().cursorVisible);
    h.moveTo(300, 300);
    h.step();
    ASSERT_FALSE(scriptedInput().cursorVisible);
    h.typeCode(27);
    EXPECT_TRUE(scriptedInput().cursorVisible) << "closing gives the cursor back at once";
    EXPECT_FALSE(interaction.cursorHidden);
}

TEST(Fishing, TouchScreenKeepsTheCursorAndDrawsNoBobber) {
    Harness h;
    standBefore(h, TroutPond);
    touchMode = true;
    openWindow(h);
    h.pressLeft();
    h.moveTo(300, 300);
    for (int i = 0; i < 20; i++) {
        h.step();
        EXPECT_TRUE(scriptedInput().cursorVisible);
    }
    EXPECT_FALSE(interaction.cursorHidden);
    h.releaseLeft();
}

TEST(Fishing, ClosingStopsTheRippleSound) {
    Harness h;
    openBefore(h, TroutPond);
    h.step(3);
    EXPECT_TRUE(soundPlaying("pond ripple"));
    h.typeCode(27);
    h.step();
    EXPECT_FALSE(soundPlaying("pond ripple"));
    h.step(9);
    EXPECT_FALSE(soundPlaying("pond ripple"));
}

TEST(Fishing, FullBagLosesTheFishButTakesThePond) {
    Harness h;
    openWithAFullBag(h, TroutPond, 2, TitaniumFishingPole, IronOre);  // even on trout: 200 steps
    for (int i = 0; i < 200; i++) followRipples(h);
    expectTakenWithoutTheItem(h, RawTrout);
}

// Behind the help page the ripples stand and the catch does not grow, and a caught
// fish's window closes after 500 ms of play, not of waiting behind the page.
TEST(Fishing, BehindTheHelpPageTheRipplesTheCatchAndItsCloseStandStill) {
    Harness h;
    openWithTool(h, BassPond, 2, TitaniumFishingPole);  // 6.6 a step on the ripples
    double rippleX = ripples.rippleX;
    h.click(820, 35);  // help
    for (int i = 0; i < 40; i++) followRipples(h);
    EXPECT_EQ(ripples.rippleX, rippleX);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 0);
    h.click(820, 35);
    for (int i = 0; i < 40 && !interaction.closeScheduled; i++) followRipples(h);
    h.click(820, 35);  // help at once after the catch
    h.step(100);
    h.click(820, 35);
    h.step(13);        // 34 ms before the page, then 476 ms after it
    EXPECT_TRUE(windowIs(WindowPhase::Open));
    h.step();
    EXPECT_TRUE(windowIs(WindowPhase::Closing));
}
