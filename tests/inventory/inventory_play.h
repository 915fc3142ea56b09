// inventory_play.h -- playing the bag and the checklist: a standing wisp, drags, saves, tooltips
#pragma once
#include "activities/interaction.h"
#include "inventory/checklist.h"
#include "inventory/inventory.h"
#include "support/harness.h"
#include "world/game_session.h"

#include <cstdlib>
#include <string>

// Centre of inventory target k on the open panel: slots 0..8, beaker 9, blank 10, trash 11.
inline int targetX(int k) { return 840 + 60 * (k % 3); }
inline int targetY(int k) { return 110 + 60 * (k / 3); }

// A new game with the wisp standing in control, as a loaded game leaves it.
inline void startStandingGame(Harness& h, bool openBag = true) {
    h.boot();
    h.startGame(7);
    PlayerState& p = session.player;
    p.playerY = 400;
    p.controlEnabled = true;
    p.arrivalBeam = p.inTransition = false;
    if (!openBag) return;
    toggleInventory(false);
    h.step(8);
}

// Press on one point, carry the item to another and let go, as a player does.
inline void drag(Harness& h, int fromX, int fromY, int toX, int toY) {
    h.moveTo(fromX, fromY);
    h.pressLeft();
    h.step();
    h.moveTo(toX, toY);
    h.step();
    h.releaseLeft();
    h.step();
}

inline void dragTarget(Harness& h, int from, int to) {
    drag(h, targetX(from), targetY(from), targetX(to), targetY(to));
}

inline std::string saveFile() { return "saves/" + std::to_string(session.SaveNumber) + ".kv"; }

inline std::string savedLine(Harness& h, int n) {  // 1-based
    auto lines = splitLines(h.readFile(saveFile()));
    return n <= static_cast<int>(lines.size()) ? lines[n - 1] : "<missing>";
}

// A tooltip box is (50, 50, 50) at alpha 200 over what was there before.
inline bool tooltipShade(sf::Color before, sf::Color now) {
    auto near = [](int under, int seen) { return std::abs((under * 55 + 50 * 200) / 255 - seen) <= 3; };
    return near(before.r, now.r) && near(before.g, now.g) && near(before.b, now.b);
}
