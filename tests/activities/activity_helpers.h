// activity_helpers.h -- a wisp standing in front of a chosen object, windows opened and played
#pragma once
#include "activities/fire_pit.h"
#include "activities/interaction.h"
#include "engine/input.h"
#include "support/harness.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

#include <string>

constexpr int middlePlace = 1;  // the objects under test stand in the middle place
constexpr int middleX = 500;    // playerX in front of it

// A new game (bronze tools in slots 0-2), the wisp standing in control as a loaded
// game leaves it, in front of `kind` in the middle place.
inline void standBefore(Harness& h, int kind, long long seed = 7) {
    h.boot();
    h.standInGame(seed);
    session.player.playerX = middleX;
    session.world.AreaContents[middlePlace] = kind;
}

inline bool windowIs(WindowPhase phase) { return interaction.windowPhase == phase; }

// Space, then steps until the window has finished zooming open.
inline void openWindow(Harness& h) {
    h.typeCode(32);
    for (int i = 0; i < 30 && !windowIs(WindowPhase::Open); i++) h.step();
    ASSERT_TRUE(windowIs(WindowPhase::Open));
}

// Line n (1-based) of the game's save file.
inline std::string saveLine(Harness& h, int line) {
    std::vector<std::string> lines = splitLines(h.readFile("saves/" + std::to_string(session.SaveNumber) + ".kv"));
    return line >= 1 && line <= static_cast<int>(lines.size()) ? lines[line - 1] : "<missing>";
}

inline int inventorySaveLine(int slot) { return 10 + slot; }
inline int placeSaveLine(int place) { return 7 + place; }

inline bool sameColour(sf::Color a, sf::Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// Fire pit: rubs hard inside the logs until they catch, then waits while they drop in
// and cooking begins.
inline void lightTheFire(Harness& h) {
    h.moveTo(500, 300);
    h.pressLeft();
    h.step();
    for (int i = 0; i < 300 && firePit.FireState == 2; i++) {
        h.moveTo(i % 2 == 0 ? 560 : 500, 300);
        h.step();
    }
    h.releaseLeft();
    for (int i = 0; i < 30 && firePit.FireState != 4; i++) h.step();
    ASSERT_EQ(firePit.FireState, 4);
}

// Woodcutting: press at (fromX, y), drag to (toX, releaseY) over a step, let go and run a step.
inline void stroke(Harness& h, int fromX, int y, int toX, int releaseY) {
    h.moveTo(fromX, y);
    h.pressLeft();
    h.step();
    h.moveTo(toX, releaseY);
    h.step();
    h.releaseLeft();
    h.step();
}

inline void stroke(Harness& h, int fromX, int y, int toX) { stroke(h, fromX, y, toX, y); }

// One chop: a stroke from left of the trunk to right of it.
inline void chop(Harness& h) { stroke(h, 470, 300, 520); }
