// input_test.cpp -- clicks are edges in both input modes; hit tests and their edges
#include "engine/app_state.h"
#include "engine/hover.h"
#include "engine/input.h"
#include "frontend/load_screen.h"
#include "game/dispatch.h"
#include "support/play.h"
#include "world/area_objects.h"
#include "world/game_session.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

TEST(Input, MouseClickIsTheMomentTheButtonGoesDownInsideTheWindow) {
    Harness h;
    h.boot();
    h.moveTo(500, 300);
    h.pressLeft();
    EXPECT_EQ(runQueuedClicks(), 1);
    h.moveTo(520, 310);  // dragging with the button held
    h.moveTo(540, 320);
    EXPECT_EQ(runQueuedClicks(), 0);
    h.releaseLeft();
    h.pressLeft();
    EXPECT_EQ(runQueuedClicks(), 1);
}

TEST(Input, PressingOutsideTheWindowNeverClicks) {
    Harness h;
    h.boot();
    h.leaveWindow();
    h.pressLeft();
    EXPECT_EQ(runQueuedClicks(), 0);
    h.releaseLeft();
    // Press inside, leave with the button held, come back, release, press again: two clicks.
    h.moveTo(500, 300);
    h.pressLeft();
    h.leaveWindow();
    h.moveTo(500, 300);
    h.releaseLeft();
    h.pressLeft();
    EXPECT_EQ(runQueuedClicks(), 2);
}

TEST(Input, TouchClickIsThePointerLandingOnANewSpot) {
    Harness h;
    h.boot();
    touchMode = true;
    h.moveTo(400, 300);  // the finger lands
    EXPECT_EQ(runQueuedClicks(), 1);
    h.pressLeft();
    h.moveTo(420, 300);  // dragging with the finger down
    EXPECT_EQ(runQueuedClicks(), 0);
    h.releaseLeft();
    h.moveTo(420, 300);  // the same spot again: nothing moved, no click
    EXPECT_EQ(runQueuedClicks(), 0);
    h.moveTo(600, 200);  // another spot
    EXPECT_EQ(runQueuedClicks(), 1);
}

// A press on the title's play button does nothing while a loading screen covers it,
// and opens the main menu once the screen has gone.
TEST(Input, ClicksWaitForTheLoadingScreen) {
    Harness h(returningPlayer());
    h.boot();
    ASSERT_TRUE(showing(GameScreen::Title));
    raiseLoadingScreen(74);
    h.menuPress(500, 500);
    EXPECT_TRUE(app.loadingScreenOn);
    EXPECT_TRUE(showing(GameScreen::Title));
    EXPECT_FALSE(showing(GameScreen::MainMenu)) << "the press went through the loading screen";
    app.loadProgress = 74;
    for (int i = 0; i < 20 && app.loadingScreenOn; i++) h.step();
    ASSERT_FALSE(app.loadingScreenOn);
    h.menuPress(500, 500);
    EXPECT_TRUE(showing(GameScreen::MainMenu)) << "the same press once the loading screen has gone";
}

TEST(Input, PointerInRectIncludesLeftAndTopEdgesOnly) {
    Harness h;
    h.boot();
    auto inBox = [&](int x, int y) {  // the 100 x 40 box centred on (500, 300)
        h.moveTo(x, y);
        refreshPointerSnapshot();
        return pointerInRectInt(500, 300, 100, 40);
    };
    EXPECT_TRUE(inBox(450, 280) && inBox(549, 319));
    EXPECT_FALSE(inBox(550, 300) || inBox(500, 320));
    // Float halves are truncated: a 295 wide box at 145 starts at x -2 and ends before 293.
    h.moveTo(292, 215);
    refreshPointerSnapshot();
    EXPECT_TRUE(pointerInRect(145, 215, 295, 290));
    h.moveTo(293, 215);
    refreshPointerSnapshot();
    EXPECT_FALSE(pointerInRect(145, 215, 295, 290));
    h.leaveWindow();
    refreshPointerSnapshot();
    EXPECT_FALSE(pointerInRect(500, 300, 2000, 2000)) << "nothing is hit while the pointer is outside";
}

TEST(Input, ObjectHitBoxesHaveInclusiveLeftTopAndExclusiveRightBottomEdges) {
    Harness h;
    h.boot();
    session.world.AreaContents[0] = BirchTree;
    session.world.AreaContents[1] = EmptyPlace;
    session.world.AreaContents[2] = Anvil;
    auto over = [&](int x, int y) {
        h.moveTo(x, y);
        refreshPointerSnapshot();
        return pointerOverObject(-1, -1);
    };
    // Birch tree at slot 0: 222 x 496 centred (170, 250).
    EXPECT_TRUE(over(59, 250));
    EXPECT_FALSE(over(58, 250));
    EXPECT_TRUE(over(280, 250));
    EXPECT_FALSE(over(281, 250));
    EXPECT_TRUE(over(170, 2));
    EXPECT_FALSE(over(170, 1));
    EXPECT_TRUE(over(170, 497));
    EXPECT_FALSE(over(170, 498));
    EXPECT_FALSE(over(500, 450)) << "an empty place has no box";
    // Anvil at slot 2: 292 x 114 centred (830, 455).
    EXPECT_TRUE(over(830, 398));
    EXPECT_FALSE(over(830, 397));
    EXPECT_TRUE(over(975, 511));
    EXPECT_FALSE(over(976, 455));
    over(700, 300);
    EXPECT_FALSE(pointerOverObject(Anvil, 2));
    EXPECT_TRUE(pointerOverObject(PineTree, 2)) << "an explicit kind uses its own box";
}

TEST(Input, HoldingTheRightButtonInAGameShowsTooltipsAtOnce) {
    Harness h;
    h.boot();
    h.startGame(3);
    h.moveTo(500, 300);
    h.step();
    EXPECT_FALSE(hoverShows(7)) << "a new element needs 751 ms of hovering";
    h.pressRight();
    h.step();
    EXPECT_TRUE(hoverShows(7));
    EXPECT_EQ(runQueuedClicks(), 0) << "the right button never clicks";
    h.releaseRight();
    h.step();
    EXPECT_FALSE(hoverShows(8));
    touchMode = true;
    h.pressRight();
    h.step();
    EXPECT_FALSE(hoverShows(8)) << "touch screens have no right button";
}

TEST(Input, TheWheelScrollsTheLoadListOneRowPerTurn) {
    std::vector<std::pair<std::string, std::string>> saves = {settingsFile()};
    std::string list = "14\n";
    for (int i = 1; i <= 13; i++) {
        list += std::to_string(i) + "\n";
        saves.push_back({std::to_string(i) + ".kv", "Game\n0\n" + std::to_string(i) + "\n"});
    }
    saves.push_back({"sL.kv", list});
    Harness h({.saves = saves});
    h.boot();
    changeScreen(GameScreen::LoadList);
    buildLoadRows();
    auto wheel = [](int delta) {
        sf::Event event;
        event.type = sf::Event::MouseWheelMoved;
        event.mouseWheel.delta = delta;
        event.mouseWheel.x = event.mouseWheel.y = 0;
        handleWindowEvent(event);
    };
    wheel(1);
    EXPECT_EQ(loadRows.scroll, 0) << "already at the top";
    wheel(-3);
    EXPECT_EQ(loadRows.scroll, 1) << "one row per turn, whatever its size";
    wheel(-1);
    wheel(-1);
    EXPECT_EQ(loadRows.scroll, 2) << "13 rows: at most two hidden above";
    wheel(2);
    EXPECT_EQ(loadRows.scroll, 1);
    changeScreen(GameScreen::MainMenu);
    wheel(1);
    EXPECT_EQ(loadRows.scroll, 1) << "only the load list listens to the wheel";
}
