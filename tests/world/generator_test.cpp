// generator_test.cpp -- the seeded world: known seeds, balancing areas, seed arithmetic
#include "engine/random.h"
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
    for (int n = 1; n < count; n++) {
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

}  // namespace

TEST(Generator, KnownSeedsGiveTheirFirstThreeAreasAndCounts) {
    EXPECT_EQ(firstAreas(1, 3), (std::vector<Area>{{4, 5, 1}, {7, 4, 3}, {6, 10, 9}}));
    EXPECT_EQ(firstAreas(0, 3), (std::vector<Area>{{3, 5, 1}, {7, 1, 4}, {0, 0, 5}}));
    int expected[12] = {0, 2, 0, 1, 1, 2, 0, 1, 0, 0, 0, 0};  // empty places are not counted
    for (int k = 0; k <= 11; k++) EXPECT_EQ(session.world.KindCounts[k], expected[k]) << "kind " << k;
    EXPECT_EQ(session.world.AreaCounter, 3);
    EXPECT_EQ(session.world.WorldSeed, 0u);
}

TEST(Generator, RunningSeedWrapsBelowZero) {
    session = GameSession{};
    startWorld(0);  // the very first draw takes seed 0 below zero
    uint32_t s1 = 0u - 10u - firstDraw(0), s2 = s1 - 10u - firstDraw(s1);
    EXPECT_EQ(session.world.RunningSeed, s2 - 10u - firstDraw(s2));
    EXPECT_GE(session.world.RunningSeed, 0xFFFFFFFFu - 3 * 125);
}

TEST(Generator, SecondFirePitIsDrawnAgainAndStillAdvancesTheSeed) {
    // A running seed whose first two draws are fire pits and whose next two are
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
    EXPECT_EQ(session.world.KindCounts[10], 1);
    EXPECT_EQ(session.world.RunningSeed, s - 40u - r[0] - r[1] - r[2] - r[3]);
}

TEST(Generator, EveryAreaOfManySeedsKeepsTheRules) {
    for (long long seed = 0; seed < 150; seed++) {
        session = GameSession{};
        startWorld(seed);
        int placed = 0;
        for (int n = 1; n <= 60; n++) {
            int firePits = 0, anvils = 0;
            for (int kind : contents()) {
                firePits += kind == 10;
                anvils += kind == 11;
                placed += kind != 0;
            }
            EXPECT_LE(firePits, 1) << "seed " << seed << " area " << n;
            EXPECT_LE(anvils, 1) << "seed " << seed << " area " << n;
            if (n < 60) chooseNextArea();
        }
        int counted = 0;
        for (int k = 1; k <= 11; k++) counted += session.world.KindCounts[k];
        EXPECT_EQ(counted, placed) << "seed " << seed;
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

TEST(Generator, EveryFifthAreaFromTheTenthBalancesToTheRoundedTarget) {
    for (int n = 0; n <= 9; n++) EXPECT_FALSE(isBalancingArea(n)) << n;
    EXPECT_TRUE(isBalancingArea(10) && isBalancingArea(15) && !isBalancingArea(11));
    const int n[] = {10, 15, 20, 25, 30, 35, 40, 45, 50, 100};
    const int target[] = {3, 4, 5, 7, 8, 9, 10, 12, 13, 26};
    for (int i = 0; i < 10; i++) EXPECT_EQ(balancingTarget(n[i]), target[i]) << "n = " << n[i];
}

TEST(Generator, BalancingAreaSuppliesTheKindsFurthestBehindLowerKindFirst) {
    struct Case {
        int n;
        std::array<int, 11> counts;  // kinds 1..11
        Area expected;
    };
    const Case cases[] = {
        // target 3; deficits 0 2 3 1 2 0 3 1 2 1 3
        {10, {3, 1, 0, 2, 1, 3, 0, 2, 1, 2, 0}, {3, 7, 11}},
        // target 7; deficits -2 2 -1 0 2 -2 -2 1 2 -1 1: a three-way tie at 2
        {25, {9, 5, 8, 7, 5, 9, 9, 6, 5, 8, 6}, {2, 5, 9}},
        {15, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, {1, 2, 3}},
        // target 5, every kind ahead: the smallest surplus first
        {20, {9, 8, 7, 12, 6, 9, 9, 11, 10, 6, 30}, {5, 10, 3}},
    };
    for (const Case& c : cases) {
        session = GameSession{};
        session.world.AreaCounter = c.n;
        session.world.RunningSeed = 777;
        for (int k = 1; k <= 11; k++) session.world.KindCounts[k] = c.counts[k - 1];
        chooseNextArea();
        EXPECT_EQ(contents(), c.expected) << "n = " << c.n;
        for (int k = 1; k <= 11; k++) {
            bool chosen = k == c.expected[0] || k == c.expected[1] || k == c.expected[2];
            EXPECT_EQ(session.world.KindCounts[k], c.counts[k - 1] + chosen) << "kind " << k;
        }
        EXPECT_EQ(session.world.RunningSeed, 777u) << "a balancing area draws nothing";
        EXPECT_EQ(session.world.AreaCounter, c.n + 1);
    }
}

TEST(Generator, RandomSeedComesFromSharedRandomBelowOneBillion) {
    for (uint32_t s = 1; s <= 20; s++) {
        reseedSharedRandom(s);
        int expected = randomBelow(1000000000);
        reseedSharedRandom(s);
        session = GameSession{};
        startWorld(-1);
        Area first = contents();
        EXPECT_EQ(session.world.WorldSeed, static_cast<uint32_t>(expected));
        EXPECT_EQ(firstAreas(expected, 1)[0], first) << "the drawn seed made the world";
    }
}
