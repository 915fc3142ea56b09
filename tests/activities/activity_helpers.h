// activity_helpers.h -- a wisp standing in front of a chosen object, windows opened and played
#pragma once
#include "activities/fire_pit.h"
#include "activities/interaction.h"
#include "engine/input.h"
#include "support/play.h"
#include "world/game_session.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

constexpr int middlePlace = 1;  // the objects under test stand in the middle place
constexpr int middleX = 500;    // playerX in front of it

// A new game (bronze tools in slots 0-2), the wisp standing in control as a loaded
// game leaves it, in front of `kind` in the middle place.
inline void standBefore(Harness& h, int kind, long long seed = 7) {
    standInNewGame(h, seed);
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

inline void openBefore(Harness& h, int kind) {
    standBefore(h, kind);
    openWindow(h);
}

// standBefore with `tool` in `slot` instead of the family's bronze one (NoItem: the
// wooden tool the wisp always has), and the window opened.
inline void openWithTool(Harness& h, int kind, int slot, int tool) {
    standBefore(h, kind);
    session.Inventory[slot] = tool;
    openWindow(h);
}

// The object in the middle place stands through presses - 1 of `act` and goes with the last.
inline void expectGatheredByTheLast(int presses, const std::function<void()>& act) {
    int kind = session.world.AreaContents[middlePlace];
    for (int i = 1; i < presses; i++) act();
    EXPECT_EQ(session.world.AreaContents[middlePlace], kind) << "still there after " << presses - 1;
    act();
    EXPECT_EQ(session.world.AreaContents[middlePlace], EmptyPlace) << "gone with press " << presses;
}

// Five more of `act` while the finished window still shows take nothing; then it closes.
inline void expectOneItemOnly(Harness& h, const std::function<void()>& act, const char* what) {
    for (int i = 0; i < 5; i++) act();
    EXPECT_EQ(session.Inventory[4], NoItem) << what;
    h.step(15);
    EXPECT_FALSE(windowIs(WindowPhase::Open));
}

inline int inventorySaveLine(int slot) { return 10 + slot; }
inline int placeSaveLine(int place) { return 7 + place; }

// Before `kind` with `tool` in `slot`, the six other slots holding `filler`, the window open.
inline void openWithAFullBag(Harness& h, int kind, int slot, int tool, int filler) {
    standBefore(h, kind);
    for (int other = 3; other < 9; other++) session.Inventory[other] = filler;
    session.Inventory[slot] = tool;
    openWindow(h);
}

// A full bag lost the item, and yet the object was taken and the game saved without it.
inline void expectTakenWithoutTheItem(Harness& h, int item) {
    EXPECT_EQ(session.world.AreaContents[middlePlace], EmptyPlace);
    EXPECT_EQ(savedLine(h, placeSaveLine(middlePlace)), "0");
    EXPECT_EQ(std::count(session.Inventory, session.Inventory + 9, item), 0);
    EXPECT_FALSE(interaction.flyActive);
}

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

// Presses (or steps on the ripples) from 0 to done by ToolAdvantage -3..+2 are fewer
// with every better tool: `worst` with a wooden tool three tiers short, `best` with a
// titanium tool two tiers over.
inline void expectFewerWithBetterTools(double (*gain)(int toolAdvantage), int worst, int best) {
    std::vector<int> counts;
    for (int advantage = -3; advantage <= 2; advantage++) {
        int presses = 0;
        for (double progress = 0; progress < 200; presses++) progress += gain(advantage);
        counts.push_back(presses);
    }
    EXPECT_TRUE(std::adjacent_find(counts.begin(), counts.end(), std::less_equal<int>()) == counts.end());
    EXPECT_EQ(counts.front(), worst);
    EXPECT_EQ(counts.back(), best);
}

// Woodcutting: a level stroke from (fromX, y) to (toX, y).
inline void stroke(Harness& h, int fromX, int y, int toX) { drag(h, fromX, y, toX, y); }

// One chop: a stroke from left of the trunk to right of it.
inline void chop(Harness& h) { stroke(h, 470, 300, 520); }
