// frame_loop_test.cpp -- the step scheduler: 34 ms steps, catch-up, dropped backlogs
#include "engine/app_state.h"
#include "engine/clock.h"
#include "engine/platform.h"
#include "game/frame_loop.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace {
// Runs passes every millisecond for the given time, counting the steps and the
// passes that would show a picture.
struct Counts {
    int steps = 0, shows = 0;
};
Counts runFor(Harness& h, int ms) {
    Counts c;
    for (int t = 0; t < ms; t++) {
        h.advance(1);
        int s = runDueSteps();
        c.steps += s;
        if (s > 0) c.shows++;
    }
    return c;
}

// Steps that take longer than their 34 ms slot, as a list of very long names once made
// them, while costlySteps lasts; then steps take no time at all.
int costlySteps = 0;
int32_t stepCostMs = 0;
void costlyStep() {
    if (costlySteps == 0) return;
    costlySteps--;
    advanceManualClock(stepCostMs);
}
}  // namespace

TEST(FrameLoop, SteadyRateIsOneStepPer34Ms) {
    Harness h;
    h.boot();
    runFor(h, 100);
    Counts c = runFor(h, 3400);
    EXPECT_EQ(c.steps, 100);
    EXPECT_EQ(c.shows, 100);
}

TEST(FrameLoop, HalfSecondStallRunsAboutFourteenStepsAndShowsOnce) {
    Harness h;
    h.boot();
    runFor(h, 100);
    h.advance(500);
    int steps = runDueSteps();
    EXPECT_GE(steps, 14);
    EXPECT_LE(steps, 15);
    EXPECT_EQ(runDueSteps(), 0) << "the backlog was worked off in one pass";
}

TEST(FrameLoop, StallOverASecondDropsTheBacklog) {
    Harness h;
    h.boot();
    runFor(h, 100);
    h.advance(1500);
    EXPECT_EQ(runDueSteps(), 0) << "the pass after a long stall only drops the backlog";
    EXPECT_EQ(app.lastTickMs, nowMs());
    Counts c = runFor(h, 34 * 10);
    EXPECT_EQ(c.steps, 10) << "steps resume at the normal rate, no burst";
}

TEST(FrameLoop, FirstPassAfterLongStartupShowsNothing) {
    Harness h;
    h.boot();
    app.lastTickMs = 0;  // the clock stands past 100 s: the whole start-up is one backlog
    EXPECT_EQ(runDueSteps(), 0);
    h.advance(32);
    EXPECT_EQ(runDueSteps(), 0);
    h.advance(1);
    EXPECT_EQ(runDueSteps(), 1);
}

TEST(FrameLoop, StepsSlowerThanTheirSlotEndThePassAfterASecondAndDropWhatIsStillDue) {
    Harness h;
    h.boot();
    runFor(h, 100);
    costlySteps = 300;
    stepCostMs = 50;
    h.advance(34);
    EXPECT_EQ(runDueSteps(costlyStep), 20) << "twenty steps of 50 ms fill the second";
    EXPECT_EQ(app.lastTickMs, nowMs()) << "the backlog is dropped, not raced through later";
    EXPECT_EQ(runDueSteps(costlyStep), 0) << "the window's events are read before the next step";
    costlySteps = 3;
    stepCostMs = 2500;
    h.advance(34);
    EXPECT_EQ(runDueSteps(costlyStep), 1) << "a step longer than a second ends its pass alone";
    EXPECT_EQ(app.lastTickMs, nowMs());
    costlySteps = 0;
}

// Only the last picture of a catch-up pass is shown; every one before it is finished by
// the renderer before the next is drawn, so a software renderer never holds them all.
TEST(FrameLoop, ACatchUpPassFinishesEachHiddenPictureBeforeTheNextAndAStepAloneFinishesNone) {
    Harness h;
    h.boot();
    runFor(h, 100);
    scriptedInput().picturesFinished = 0;
    h.advance(34);
    EXPECT_EQ(runDueSteps(), 1);
    EXPECT_EQ(scriptedInput().picturesFinished, 0) << "a pass of one step leaves its picture to be shown";
    h.advance(500);
    int steps = runDueSteps();
    EXPECT_EQ(scriptedInput().picturesFinished, steps - 1);
}
