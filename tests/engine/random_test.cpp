// random_test.cpp -- the bounded draw: equal chances, the same result on every machine
#include "engine/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// An engine that returns the outputs it is given, in order.
struct ScriptedEngine {
    std::vector<uint32_t> outputs;
    size_t next = 0;
    uint32_t operator()() { return outputs[next++]; }
};
}  // namespace

TEST(Random, OutputsInTheIncompleteTopBucketAreDrawnAgain) {
    // For 116 every output below 4,294,967,280 is accepted.
    ScriptedEngine engine{{4294967279u, 7}};
    EXPECT_EQ(boundedDraw(engine, 116), 4294967279u % 116);
    EXPECT_EQ(engine.next, 1u);
    ScriptedEngine rejected{{4294967280u, 4294967295u, 233}};
    EXPECT_EQ(boundedDraw(rejected, 116), 233u % 116);
    EXPECT_EQ(rejected.next, 3u) << "both top outputs were thrown away";
}

TEST(Random, WhenTheRangeDividesEvenlyNothingIsThrownAway) {
    // 2^32 - 1 = 4294967295 is 1 less than a multiple of 2, 4, 8 ... and of 5 and 3:
    // (2^32 - 1) mod n = n - 1 keeps every output.
    ScriptedEngine engine{{4294967295u}};
    EXPECT_EQ(boundedDraw(engine, 2), 1u);
    ScriptedEngine one{{4294967295u}};
    EXPECT_EQ(boundedDraw(one, 1), 0u);
}

TEST(Random, SharedRandomIsReproducibleWhenReseeded) {
    reseedSharedRandom(99);
    std::vector<int> first;
    for (int i = 0; i < 20; i++) first.push_back(randomBelow(1751));
    reseedSharedRandom(99);
    for (int i = 0; i < 20; i++) EXPECT_EQ(randomBelow(1751), first[i]);
    for (int i = 0; i < 1000; i++) {
        int v = randomBetween(-50, 50);
        ASSERT_GE(v, -50);
        ASSERT_LE(v, 50);
    }
}
