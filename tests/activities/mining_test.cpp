// mining_test.cpp -- mining rocks through the harness: the circle, hits, gains, the ore
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

float pickaxePitch() { return soundState.sounds.at("pickaxe hit")->getPitch(); }

}  // namespace

TEST(Mining, EachRockHasFourSpotsPickedByQuarterOfTheDraw) {
    const struct {
        int rock, r;
        CircleSpot spot;
    } rows[] = {
        {BronzeRock, 0, {389, 362}},    {BronzeRock, 24, {389, 362}},  {BronzeRock, 25, {551, 313}},
        {BronzeRock, 49, {551, 313}},   {BronzeRock, 50, {641, 310}},  {BronzeRock, 74, {641, 310}},
        {BronzeRock, 75, {566, 397}},   {BronzeRock, 100, {566, 397}}, {IronRock, 10, {396, 344}},
        {IronRock, 30, {585, 279}},     {IronRock, 60, {649, 339}},    {IronRock, 90, {500, 347}},
        {TitaniumRock, 10, {367, 319}}, {TitaniumRock, 30, {445, 383}}, {TitaniumRock, 60, {546, 339}},
        {TitaniumRock, 90, {657, 365}},
    };
    for (auto row : rows) {
        CircleSpot spot = hitCircleSpot(row.rock, row.r);
        EXPECT_EQ(spot.x, row.spot.x) << "rock " << row.rock << " r " << row.r;
        EXPECT_EQ(spot.y, row.spot.y) << "rock " << row.rock << " r " << row.r;
    }
}

TEST(Mining, HitMustBeCloserThan25PixelsToTheCircle) {
    Harness h;
    standBefore(h, BronzeRock);
    openWindow(h);
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
    standBefore(h, IronRock);
    session.Inventory[1] = IronPickaxe;  // 25 hits to finish: 12 leave it standing
    openWindow(h);
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
    standBefore(h, TitaniumRock);
    openWindow(h);
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
    standBefore(h, BronzeRock);
    session.Inventory[1] = NoItem;  // Wood Pickaxe: 80 hits, so 40 leave the rock standing
    openWindow(h);
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
    standBefore(h, BronzeRock);
    openWindow(h);
    for (int i = 0; i < 24; i++) hitCircle(h);
    EXPECT_NEAR(interaction.ActivityProgress, 199.2, 1e-9);
    EXPECT_EQ(session.world.AreaContents[middlePlace], BronzeRock);

    h.moveTo(mining.hitCircleX, mining.hitCircleY);
    h.pressLeft();
    h.pass();  // the press is handled, no step has run yet
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 200);
    EXPECT_EQ(session.world.AreaContents[middlePlace], EmptyPlace);
    EXPECT_EQ(saveLine(h, placeSaveLine(middlePlace)), "0") << "the rock's removal is saved at once";
    EXPECT_EQ(session.Inventory[3], BronzeOre) << "the ore comes with the last hit";
    EXPECT_TRUE(interaction.flyActive);
    EXPECT_EQ(saveLine(h, inventorySaveLine(3)), "4") << "in the same save as the removal";
    h.releaseLeft();
    h.step();
    EXPECT_EQ(session.Inventory[3], BronzeOre);

    for (int i = 0; i < 5; i++) hitCircle(h);  // during the 500 ms
    EXPECT_EQ(session.Inventory[4], NoItem) << "one rock, one ore";
    h.step(15);
    EXPECT_FALSE(windowIs(WindowPhase::Open));
}

TEST(Mining, BetterPickaxesNeedFewerHits) {
    const int hitsNeeded[6] = {1600, 800, 80, 25, 16, 4};
    for (int advantage = -3; advantage <= 2; advantage++) {
        double progress = 0;
        int hits = 0;
        while (progress < 200) {
            progress += hitGain(advantage);
            hits++;
        }
        EXPECT_EQ(hits, hitsNeeded[advantage + 3]) << "advantage " << advantage;
    }
}

TEST(Mining, FullBagLosesTheOreButStillTakesAndSavesTheRock) {
    Harness h;
    standBefore(h, BronzeRock);
    for (int slot = 3; slot < 9; slot++) session.Inventory[slot] = OakLogs;
    session.Inventory[1] = TitaniumPickaxe;  // +2: four hits
    openWindow(h);
    for (int i = 0; i < 4; i++) hitCircle(h);
    h.step();
    EXPECT_EQ(session.world.AreaContents[middlePlace], EmptyPlace);
    EXPECT_EQ(saveLine(h, placeSaveLine(middlePlace)), "0");
    EXPECT_EQ(std::count(session.Inventory, session.Inventory + 9, BronzeOre), 0);
    EXPECT_FALSE(interaction.flyActive);
    EXPECT_TRUE(interaction.itemGranted);
}

TEST(Mining, ReopeningARockStartsAFreshCircle) {
    Harness h;
    standBefore(h, BronzeRock);
    openWindow(h);
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
    standBefore(h, BronzeRock);
    session.Inventory[1] = TitaniumPickaxe;  // +2: four hits
    openWindow(h);
    for (int i = 0; i < 3; i++) hitCircle(h);
    h.moveTo(mining.hitCircleX, mining.hitCircleY);
    h.pressLeft();
    h.pass();
    h.releaseLeft();
    h.typeCode(27);
    h.step(15);
    ASSERT_TRUE(windowIs(WindowPhase::Closed));
    EXPECT_EQ(session.world.AreaContents[middlePlace], EmptyPlace);
    EXPECT_EQ(session.Inventory[3], BronzeOre);
    EXPECT_EQ(saveLine(h, inventorySaveLine(3)), "4");
    // Opening the empty place again takes nothing away.
    h.typeCode(32);
    h.step(30);
    EXPECT_EQ(session.Inventory[3], BronzeOre);
}

// The exit button saves and leaves at once: the save must already hold the ore.
TEST(Mining, LeavingTheGameRightAfterTheLastHitKeepsTheOreInTheSave) {
    Harness h;
    standBefore(h, BronzeRock);
    session.Inventory[1] = TitaniumPickaxe;
    openWindow(h);
    for (int i = 0; i < 3; i++) hitCircle(h);
    h.moveTo(mining.hitCircleX, mining.hitCircleY);
    h.pressLeft();
    h.pass();
    h.releaseLeft();
    h.click(960, 35);  // the HUD's exit button, before another step of the game
    ASSERT_FALSE(app.inGame);
    EXPECT_EQ(saveLine(h, placeSaveLine(middlePlace)), "0");
    EXPECT_EQ(saveLine(h, inventorySaveLine(3)), "4") << "the rock is gone and its ore is saved";
}

TEST(Mining, BehindTheHelpPageTheCircleStopsPulsing) {
    Harness h;
    standBefore(h, BronzeRock);
    openWindow(h);
    h.click(820, 35);  // help
    int alpha = mining.hitCircleAlpha;
    h.step(10);
    EXPECT_EQ(mining.hitCircleAlpha, alpha);
}
