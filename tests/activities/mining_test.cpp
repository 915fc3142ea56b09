// mining_test.cpp -- mining rocks through the harness: the circle, hits, gains, the ore
#include "activities/gathering.h"
#include "activities/mining.h"
#include "activity_helpers.h"
#include "engine/app_state.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

void hitCircle(Harness& h) { h.click(mining.hitCircleX, mining.hitCircleY); }

// A titanium pickaxe on a bronze rock: three hits, then the fourth and last handled in a
// pass that runs no step.
void hitTheLastTimeBeforeAStep(Harness& h) {
    openWithTool(h, BronzeRock, 1, TitaniumPickaxe);  // +2: four hits
    for (int i = 0; i < 3; i++) hitCircle(h);
    h.moveTo(mining.hitCircleX, mining.hitCircleY);
    h.pressLeft();
    h.pass();
    h.releaseLeft();
}

float pickaxePitch() { return soundState.sounds.at("pickaxe hit")->getPitch(); }

}  // namespace

// The draw 0..100 picks a spot by its quarter (0-24, 25-49, 50-74, 75-100): four
// different spots a rock, each inside the open panel.
TEST(Mining, EachRockHasFourSpotsPickedByQuarterOfTheDraw) {
    for (int rock : {BronzeRock, IronRock, TitaniumRock}) {
        std::set<std::pair<int, int>> spots;
        for (int r = 0; r <= 100; r++) {
            CircleSpot spot = hitCircleSpot(rock, r), first = hitCircleSpot(rock, std::min(75, r / 25 * 25));
            EXPECT_TRUE(spot.x == first.x && spot.y == first.y) << "rock " << rock << " r " << r;
            EXPECT_TRUE(insidePanelArea(spot.x, spot.y)) << "rock " << rock << " r " << r;
            spots.insert({spot.x, spot.y});
        }
        EXPECT_EQ(spots.size(), 4u) << "rock " << rock;
    }
}

TEST(Mining, HitMustBeCloserThan25PixelsToTheCircle) {
    Harness h;
    openBefore(h, BronzeRock);
    int x = mining.hitCircleX, y = mining.hitCircleY;
    const struct {
        int dx, dy;
        bool hits;
    } clicks[] = {{16, 19, true},  {-19, -16, true}, {0, 24, true},  {15, 20, false},
                  {-24, 7, false}, {25, 0, false},   {0, -25, false}, {60, 0, false}};
    double expected = 0;
    for (auto c : clicks) {
        // Keep the circle still: the hit counter stays below four.
        mining.hitsSinceOpen = 0;
        h.click(x + c.dx, y + c.dy);
        if (c.hits) expected += 8.3;
        EXPECT_NEAR(interaction.ActivityProgress, expected, 1e-9) << "offset " << c.dx << ", " << c.dy;
        EXPECT_EQ(mining.hitCircleX, x);
    }
}

TEST(Mining, TheFirstThreeHitsNeverMoveTheCircleAndLaterOnesSometimesDo) {
    Harness h;
    openWithTool(h, IronRock, 1, IronPickaxe);  // 25 hits to finish: 12 leave it standing
    int moves = 0;
    for (uint32_t seed = 1; seed <= 30; seed++) {
        reseedSharedRandom(seed);
        startMining(IronRock);  // as every opening does
        interaction.ActivityProgress = 0;
        for (int hit = 1; hit <= 12; hit++) {
            int x = mining.hitCircleX, y = mining.hitCircleY;
            h.moveTo(x, y);
            h.pressLeft();
            h.pass();  // the press alone, no step
            h.releaseLeft();
            EXPECT_EQ(mining.hitsSinceOpen, hit);
            bool moved = mining.hitCircleX != x || mining.hitCircleY != y;
            if (hit <= 3) {
                EXPECT_FALSE(moved) << "seed " << seed << " hit " << hit;
            }
            if (moved) moves++;
        }
    }
    // 270 later hits, each moving with 15 % x 3/4: about 30 moves.
    EXPECT_GT(moves, 10);
    EXPECT_LT(moves, 60);
}

TEST(Mining, CirclePulsesBetween45And255) {
    Harness h;
    openBefore(h, TitaniumRock);
    h.step();
    EXPECT_EQ(mining.hitCircleAlpha, 250);
    int faintestAt = 0, fullAgainAt = 0;
    for (int i = 2; i <= 200; i++) {
        h.step();
        ASSERT_GE(mining.hitCircleAlpha, 45);
        ASSERT_LE(mining.hitCircleAlpha, 255);
        if (mining.hitCircleAlpha == 45 && faintestAt == 0) faintestAt = i;
        if (mining.hitCircleAlpha == 255 && fullAgainAt == 0) fullAgainAt = i;
    }
    EXPECT_EQ(faintestAt, 42);
    EXPECT_EQ(fullAgainAt, 63);
}

TEST(Mining, PickaxeRingsAtFivePitches) {
    Harness h;
    openWithTool(h, BronzeRock, 1, NoItem);  // Wood Pickaxe: 80 hits, so 40 leave the rock standing
    std::set<int> pitches;
    for (int i = 0; i < 40; i++) {
        // Looked at as the hit lands: the short ring may be over by the end of a step
        // on a busy machine.
        h.moveTo(mining.hitCircleX, mining.hitCircleY);
        h.pressLeft();
        h.pass();
        EXPECT_TRUE(soundPlaying("pickaxe hit")) << i << " " << interaction.ActivityProgress;
        pitches.insert(static_cast<int>(pickaxePitch() * 10 + 0.5f));
        h.releaseLeft();
        h.step();
    }
    EXPECT_EQ(pitches, (std::set<int>{10, 11, 12, 13, 14}));
}

TEST(Mining, TwentyFiveHitsTakeTheRockAndHandOverItsOreAtOnce) {
    Harness h;
    openBefore(h, BronzeRock);
    for (int i = 0; i < 24; i++) hitCircle(h);
    EXPECT_NEAR(interaction.ActivityProgress, 199.2, 1e-9);
    EXPECT_EQ(session.world.AreaContents[middlePlace], BronzeRock);

    h.moveTo(mining.hitCircleX, mining.hitCircleY);
    h.pressLeft();
    h.pass();  // the press is handled, no step has run yet
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 200);
    EXPECT_EQ(session.world.AreaContents[middlePlace], EmptyPlace);
    EXPECT_EQ(savedLine(h, placeSaveLine(middlePlace)), "0") << "the rock's removal is saved at once";
    EXPECT_EQ(session.Inventory[3], BronzeOre) << "the ore comes with the last hit";
    EXPECT_TRUE(interaction.flyActive);
    EXPECT_EQ(savedLine(h, inventorySaveLine(3)), "4") << "in the same save as the removal";
    h.releaseLeft();
    h.step();
    EXPECT_EQ(session.Inventory[3], BronzeOre);

    expectOneItemOnly(h, [&] { hitCircle(h); }, "one rock, one ore");  // during the 500 ms
}

TEST(Mining, BetterPickaxesNeedFewerHits) { expectFewerWithBetterTools(hitGain, 1600, 4); }

TEST(Mining, FullBagLosesTheOreButStillTakesAndSavesTheRock) {
    Harness h;
    openWithAFullBag(h, BronzeRock, 1, TitaniumPickaxe, OakLogs);  // +2: four hits
    for (int i = 0; i < 4; i++) hitCircle(h);
    h.step();
    expectTakenWithoutTheItem(h, BronzeOre);
    EXPECT_TRUE(interaction.itemGranted);
}

TEST(Mining, ReopeningARockStartsAFreshCircle) {
    Harness h;
    openBefore(h, BronzeRock);
    for (int i = 0; i < 5; i++) hitCircle(h);
    h.step(10);
    h.typeCode(27);
    h.step(10);
    ASSERT_TRUE(windowIs(WindowPhase::Closed));
    openWindow(h);
    EXPECT_EQ(mining.hitsSinceOpen, 0);
    EXPECT_EQ(mining.hitCircleAlpha, 255);
    EXPECT_EQ(mining.hitCircleStep, -5);
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 0);
}

// The last hit's pass runs no step; an Esc read before the next one closes the window.
TEST(Mining, AnEscRightBehindTheLastHitStillLeavesTheOreInTheBag) {
    Harness h;
    hitTheLastTimeBeforeAStep(h);
    h.typeCode(27);
    h.step(15);
    ASSERT_TRUE(windowIs(WindowPhase::Closed));
    EXPECT_EQ(session.world.AreaContents[middlePlace], EmptyPlace);
    EXPECT_EQ(session.Inventory[3], BronzeOre);
    EXPECT_EQ(savedLine(h, inventorySaveLine(3)), "4");
    // Opening the empty place again takes nothing away.
    h.typeCode(32);
    h.step(30);
    EXPECT_EQ(session.Inventory[3], BronzeOre);
}

// The exit button saves and leaves at once: the save must already hold the ore.
TEST(Mining, LeavingTheGameRightAfterTheLastHitKeepsTheOreInTheSave) {
    Harness h;
    hitTheLastTimeBeforeAStep(h);
    h.click(960, 35);  // the HUD's exit button, before another step of the game
    ASSERT_FALSE(showing(GameScreen::Game));
    EXPECT_EQ(savedLine(h, placeSaveLine(middlePlace)), "0");
    EXPECT_EQ(savedLine(h, inventorySaveLine(3)), "4") << "the rock is gone and its ore is saved";
}

TEST(Mining, BehindTheHelpPageTheCircleStopsPulsing) {
    Harness h;
    openBefore(h, BronzeRock);
    h.click(820, 35);  // help
    int alpha = mining.hitCircleAlpha;
    h.step(10);
    EXPECT_EQ(mining.hitCircleAlpha, alpha);
}
