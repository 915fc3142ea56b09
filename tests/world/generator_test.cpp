// generator_test.cpp -- the seeded world: known seeds, balancing areas, seed arithmetic
#include "app/random.h"
#include "world/game_session.h"
#include "world/generator.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

namespace {

using Area = std::array<int, 3>;

Area contents() {
    const int32_t* c = session.world.AreaContents;
    return {c[0], c[1], c[2]};
}

std::vector<Area> firstAreas(long long seed, int count) {
    session = GameSession{};
    startWorld(seed);
    std::vector<Area> areas{contents()};
    while (static_cast<int>(areas.size()) < count) {
        chooseNextArea();
        areas.push_back(contents());
    }
    return areas;
}

// The generator's primitive: the first bounded draw of 116 from an engine seeded with s.
uint32_t firstDraw(uint32_t s) {
    std::mt19937 engine(s);
    return boundedDraw(engine, 116);
}

void setCounts(std::array<int, 11> counts) {
    for (int k = 1; k <= 11; k++) session.world.KindCounts[k] = counts[k - 1];
}

}  // namespace

TEST(Generator, KnownSeedsGiveTheirFirstThreeAreas) {
    EXPECT_EQ(firstAreas(0, 3), (std::vector<Area>{{3, 5, 1}, {7, 1, 4}, {0, 0, 5}}));
    EXPECT_EQ(firstAreas(1, 3), (std::vector<Area>{{4, 5, 1}, {7, 4, 3}, {6, 10, 9}}));
}

TEST(Generator, CountsPlacedObjectsButNotEmptyPlaces) {
    firstAreas(0, 3);  // [3,5,1] [7,1,4] [0,0,5]
    const WorldState& w = session.world;
    EXPECT_EQ(w.AreaCounter, 3);
    int expected[12] = {0, 2, 0, 1, 1, 2, 0, 1, 0, 0, 0, 0};
    for (int k = 0; k <= 11; k++) EXPECT_EQ(w.KindCounts[k], expected[k]) << "kind " << k;
    EXPECT_EQ(w.WorldSeed, 0u) << "the world seed never changes";
}

TEST(Generator, RunningSeedWrapsBelowZero) {
    session = GameSession{};
    startWorld(0);
    // Seed 0 goes below zero with its very first draw; each draw takes 10..125 off.
    uint32_t wrapped = session.world.RunningSeed;
    EXPECT_GE(wrapped, 0xFFFFFFFFu - 3 * 125 + 1);
    uint32_t r0 = firstDraw(0);
    EXPECT_EQ(r0 / 10, 3u) << "slot 0 of seed 0 holds an oak tree";
    uint32_t afterFirst = 0u - 10u - r0;
    uint32_t r1 = firstDraw(afterFirst), r2 = firstDraw(afterFirst - 10u - r1);
    EXPECT_EQ(wrapped, afterFirst - 10u - r1 - 10u - r2);
}

TEST(Generator, SecondFirePitIsDrawnAgainAndStillAdvancesTheSeed) {
    // A running seed whose first two draws are both fire pits and whose next two are
    // neither fire pit nor anvil, traced draw by draw.
    uint32_t s = 0, r[4] = {};
    for (;; s++) {
        uint32_t seed = s;
        for (uint32_t& draw : r) {
            draw = firstDraw(seed);
            seed = seed - 10u - draw;
        }
        if (r[0] / 10 == 10 && r[1] / 10 == 10 && r[2] / 10 < 10 && r[3] / 10 < 10) break;
    }
    session = GameSession{};
    session.world.RunningSeed = s;
    chooseNextArea();
    EXPECT_EQ(contents(), (Area{10, static_cast<int>(r[2] / 10), static_cast<int>(r[3] / 10)}));
    EXPECT_EQ(session.world.KindCounts[10], 1) << "the void draw placed nothing";
    EXPECT_EQ(session.world.RunningSeed, s - 40u - r[0] - r[1] - r[2] - r[3])
        << "the void draw advanced the seed too";
}

TEST(Generator, EveryAreaOfManySeedsKeepsTheRules) {
    for (long long seed = 0; seed < 150; seed++) {
        session = GameSession{};
        startWorld(seed);
        int placed = 0;  // every non-empty place, counted here
        auto tally = [&] {
            Area a = contents();
            int firePits = 0, anvils = 0;
            for (int kind : a) {
                ASSERT_GE(kind, 0);
                ASSERT_LE(kind, 11);
                firePits += kind == 10;
                anvils += kind == 11;
                placed += kind != 0;
            }
            EXPECT_LE(firePits, 1) << "seed " << seed << " area " << session.world.AreaCounter;
            EXPECT_LE(anvils, 1) << "seed " << seed << " area " << session.world.AreaCounter;
        };
        tally();
        for (int n = 1; n < 60; n++) {
            chooseNextArea();
            tally();
        }
        int counted = 0;
        for (int k = 1; k <= 11; k++) counted += session.world.KindCounts[k];
        EXPECT_EQ(counted, placed) << "seed " << seed;
        EXPECT_EQ(session.world.AreaCounter, 60);
    }
}

TEST(Generator, SameSeedSameWorldWhateverIsGathered) {
    std::vector<Area> plain = firstAreas(424242, 40);
    session = GameSession{};
    startWorld(424242);
    for (int n = 1; n < 40; n++) {
        session.world.AreaContents[n % 3] = 0;  // the player gathered something
        chooseNextArea();
        EXPECT_EQ(contents(), plain[n]) << "area " << n;
    }
}

TEST(Generator, BalancingTargetRoundsTheEvenShare) {
    const int n[] = {10, 15, 20, 25, 30, 35, 40, 45, 50, 100};
    const int target[] = {3, 4, 5, 7, 8, 9, 10, 12, 13, 26};
    for (int i = 0; i < 10; i++) EXPECT_EQ(balancingTarget(n[i]), target[i]) << "n = " << n[i];
}

TEST(Generator, OnlyEveryFifthAreaFromTheTenthBalances) {
    for (int n = 0; n <= 9; n++) EXPECT_FALSE(isBalancingArea(n)) << n;
    EXPECT_TRUE(isBalancingArea(10));
    EXPECT_FALSE(isBalancingArea(11));
    EXPECT_TRUE(isBalancingArea(15));
    EXPECT_TRUE(isBalancingArea(100));
}

TEST(Generator, BalancingAreaSuppliesTheThreeKindsFurthestBehind) {
    session = GameSession{};
    session.world.AreaCounter = 10;  // target 3
    session.world.RunningSeed = 777;
    //            kind: 1  2  3  4  5  6  7  8  9 10 11
    setCounts({3, 1, 0, 2, 1, 3, 0, 2, 1, 2, 0});
    // Deficits 0 2 3 1 2 0 3 1 2 1 3: kinds 3, 7 and 11 are three behind.
    chooseNextArea();
    EXPECT_EQ(contents(), (Area{3, 7, 11}));
    EXPECT_EQ(session.world.KindCounts[3], 1);
    EXPECT_EQ(session.world.KindCounts[7], 1);
    EXPECT_EQ(session.world.KindCounts[11], 1);
    EXPECT_EQ(session.world.KindCounts[2], 1) << "kinds not chosen keep their counts";
    EXPECT_EQ(session.world.RunningSeed, 777u) << "a balancing area draws nothing";
    EXPECT_EQ(session.world.AreaCounter, 11);
}

TEST(Generator, BalancingTiesKeepTheLowerKindFirst) {
    session = GameSession{};
    session.world.AreaCounter = 25;  // target 7
    //            kind: 1  2  3  4  5  6  7  8  9 10 11
    setCounts({9, 5, 8, 7, 5, 9, 9, 6, 5, 8, 6});
    // Deficits -2 2 -1 0 2 -2 -2 1 2 -1 1: kinds 2, 5 and 9 tie at 2, ahead of 8 and 11.
    chooseNextArea();
    EXPECT_EQ(contents(), (Area{2, 5, 9}));

    session = GameSession{};
    session.world.AreaCounter = 15;
    setCounts({4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    chooseNextArea();
    EXPECT_EQ(contents(), (Area{1, 2, 3})) << "all equal: the first three kinds in order";

    session = GameSession{};
    session.world.AreaCounter = 20;  // target 5, every kind ahead of it
    setCounts({9, 8, 7, 12, 6, 9, 9, 11, 10, 6, 30});
    chooseNextArea();
    EXPECT_EQ(contents(), (Area{5, 10, 3})) << "smallest surplus first when every deficit is negative";
}

TEST(Generator, TenthAreaOfAGameBalancesWhatTheSeedLeftBehind) {
    session = GameSession{};
    startWorld(31337);
    while (session.world.AreaCounter < 10) chooseNextArea();
    int before[12];
    for (int k = 0; k <= 11; k++) before[k] = session.world.KindCounts[k];
    uint32_t running = session.world.RunningSeed;
    chooseNextArea();
    Area chosen = contents();
    EXPECT_EQ(session.world.RunningSeed, running);
    EXPECT_TRUE(chosen[0] != chosen[1] && chosen[1] != chosen[2] && chosen[0] != chosen[2]);
    // With one target for all, the kinds furthest behind are the least placed ones.
    for (int kind : chosen) {
        ASSERT_GE(kind, 1);
        for (int other = 1; other <= 11; other++)
            if (other != chosen[0] && other != chosen[1] && other != chosen[2])
                EXPECT_LE(before[kind], before[other]) << "chose " << kind << " over " << other;
    }
}

TEST(Generator, RandomSeedComesFromSharedRandomBelowOneBillion) {
    for (uint32_t s = 1; s <= 20; s++) {
        reseedSharedRandom(s);
        int expected = randomBelow(1000000000);
        reseedSharedRandom(s);
        session = GameSession{};
        startWorld(-1);
        EXPECT_EQ(session.world.WorldSeed, static_cast<uint32_t>(expected));
        EXPECT_LT(session.world.WorldSeed, 1000000000u);
        EXPECT_EQ(session.world.AreaCounter, 1);
    }
    session = GameSession{};
    startWorld(999999999);
    EXPECT_EQ(session.world.WorldSeed, 999999999u);
}

TEST(Generator, StartingAgainForgetsTheLastGame) {
    firstAreas(5, 12);
    startWorld(0);
    EXPECT_EQ(contents(), (Area{3, 5, 1}));
    EXPECT_EQ(session.world.AreaCounter, 1);
    int total = 0;
    for (int k = 1; k <= 11; k++) total += session.world.KindCounts[k];
    EXPECT_EQ(total, 3);
}
