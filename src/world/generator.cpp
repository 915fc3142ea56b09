// generator.cpp -- the seeded world: every area's three objects follow from the seed
#include "world/generator.h"

#include "engine/random.h"
#include "world/game_session.h"
#include "world/kinds.h"

#include <cmath>
#include <random>

namespace {

constexpr uint32_t randomSeedRange = 1000000000;  // a random seed is 0..999,999,999
constexpr uint32_t drawRange = 116;                // r = 0..115, kind = r div 10
constexpr double evenShare = 0.087;                // share of all places each kind should hold

// Every draw seeds a fresh engine with the running seed and takes its first bounded
// draw, so the world depends only on the seed, never on how far an engine has run.
int drawKind(WorldState& world) {
    std::mt19937 engine(world.RunningSeed);
    uint32_t r = boundedDraw(engine, drawRange);
    world.RunningSeed = world.RunningSeed - 10u - r;  // unsigned: wraps mod 2^32
    return static_cast<int>(r / 10);
}

void placeObject(WorldState& world, int slot, int kind) {
    world.AreaContents[slot] = kind;
    if (kind >= 1) world.KindCounts[kind]++;
}

// At most one fire pit and one anvil per area; a second one is drawn again.
void chooseRandomArea(WorldState& world) {
    bool firePitPlaced = false, anvilPlaced = false;
    for (int slot = 0; slot < 3; slot++) {
        int kind = drawKind(world);
        while ((kind == FirePit && firePitPlaced) || (kind == Anvil && anvilPlaced)) kind = drawKind(world);
        firePitPlaced = firePitPlaced || kind == FirePit;
        anvilPlaced = anvilPlaced || kind == Anvil;
        placeObject(world, slot, kind);
    }
}

struct Deficit {
    int deficit;  // target minus objects placed so far
    int kind;
};

// Adjacent swaps only when the later deficit is strictly greater: a stable sort, so
// equal deficits keep the lower kind first.
void sortLargestFirst(Deficit (&list)[11]) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 0; i + 1 < 11; i++) {
            if (list[i + 1].deficit > list[i].deficit) {
                std::swap(list[i], list[i + 1]);
                swapped = true;
            }
        }
    }
}

// Supplies the three kinds furthest behind an even share; the running seed is untouched.
void chooseBalancingArea(WorldState& world, int n) {
    int target = balancingTarget(n);
    Deficit list[11];
    for (int kind = 1; kind <= 11; kind++) list[kind - 1] = {target - world.KindCounts[kind], kind};
    sortLargestFirst(list);
    for (int slot = 0; slot < 3; slot++) placeObject(world, slot, list[slot].kind);
}

}  // namespace

bool isBalancingArea(int n) { return n > 5 && n % 5 == 0; }

// std::round rounds halves away from zero.
int balancingTarget(int n) { return static_cast<int>(std::round(3.0 * n * evenShare)); }

void startWorld(int64_t seed) {
    WorldState& world = session.world;
    uint32_t chosen = seed == -1 ? static_cast<uint32_t>(randomBelow(randomSeedRange))
                                 : static_cast<uint32_t>(seed);
    world.WorldSeed = chosen;
    world.RunningSeed = chosen;
    world.AreaCounter = 0;
    for (int32_t& count : world.KindCounts) count = 0;
    chooseNextArea();
}

void chooseNextArea() {
    WorldState& world = session.world;
    int n = world.AreaCounter;
    if (isBalancingArea(n)) chooseBalancingArea(world, n);
    else chooseRandomArea(world);
    world.AreaCounter++;
}
