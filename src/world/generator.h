// generator.h -- the seeded world: every area's three objects follow from the seed
#pragma once
#include <cstdint>

void startWorld(int64_t seed);  // seed 0..999,999,999, or -1 for a random one
void chooseNextArea();          // fill AreaContents with the next area and advance the world state

bool isBalancingArea(int n);    // area number n (AreaCounter on entry) supplies lagging kinds
int balancingTarget(int n);     // objects of each kind an even share expects after n areas
