// inventory_play.h -- playing the bag and the checklist: a standing wisp, drags, saves, tooltips
#pragma once
#include "activities/interaction.h"
#include "inventory/checklist.h"
#include "inventory/inventory.h"
#include "support/play.h"
#include "world/game_session.h"

#include <cstdlib>
#include <string>

// Centre of inventory target k on the open panel: slots 0..8, beaker 9, blank 10, trash 11.
inline int targetX(int k) { return 840 + 60 * (k % 3); }
inline int targetY(int k) { return 110 + 60 * (k / 3); }

// A new game with the wisp standing in control, the bag opened unless told not to.
inline void startStandingGame(Harness& h, bool openBag = true) {
    standInNewGame(h);
    if (!openBag) return;
    toggleInventory(false);
    h.step(8);
}

inline void dragTarget(Harness& h, int from, int to) {
    drag(h, targetX(from), targetY(from), targetX(to), targetY(to));
}

// A tooltip box is (50, 50, 50) at alpha 200 over what was there before.
inline bool tooltipShade(sf::Color before, sf::Color now) {
    auto near = [](int under, int seen) { return std::abs((under * 55 + 50 * 200) / 255 - seen) <= 3; };
    return near(before.r, now.r) && near(before.g, now.g) && near(before.b, now.b);
}
