// hud_test.cpp -- the top bar: time and pause, its buttons, tooltips and the help page
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/cheats.h"
#include "engine/input.h"
#include "engine/sound.h"
#include "frontend/save_game.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "support/play.h"
#include "world/game_session.h"

#include <gtest/gtest.h>

namespace {
// A game as a load leaves it: the wisp standing, in control, no beam.
void standInAGame(Harness& h) {
    h.boot();
    h.standInGame(5);
    h.step();
}
}  // namespace

TEST(Hud, HelpPausesTheClockAndTheWisp) {
    Harness h({.saves = {settingsFile()}});
    standInAGame(h);
    h.step(35);
    EXPECT_EQ(hudTimeText(), "00:01");
    h.click(820, 35);  // help
    EXPECT_TRUE(helpOpen());
    EXPECT_EQ(hudTimeText(), "Paused");
    int seconds = session.player.PlayTimer;
    h.holdKey(sf::Keyboard::D);
    int x = session.player.playerX;
    h.step(60);
    EXPECT_EQ(session.player.PlayTimer, seconds) << "the timer stands still while the page is open";
    EXPECT_EQ(session.player.playerX, x) << "the wisp cannot move";
    EXPECT_EQ(helpPage.slide, 335) << "twelve steps to open";
    h.saveScreenshot("help_page");
    h.click(890, 35);  // the inventory button does nothing while help is open
    EXPECT_FALSE(inventoryPanel.open);
    h.typeCode('e');
    h.typeCode('q');
    h.step();
    EXPECT_FALSE(inventoryPanel.open) << "e does nothing while help is open";
    EXPECT_FALSE(checklistPage.open) << "q does nothing while help is open";
    h.typeCode(27);    // Esc closes only the help page
    EXPECT_FALSE(helpOpen());
    h.typeCode('e');
    h.typeCode('q');
    EXPECT_TRUE(inventoryPanel.open) << "with help closed, e opens the bag";
    EXPECT_TRUE(checklistPage.open) << "and q the checklist";
    h.releaseKey(sf::Keyboard::D);
}

TEST(Hud, LosingFocusShowsPausedAndTheTimerCheatHidesIt) {
    Harness h({.saves = {settingsFile()}});
    standInAGame(h);
    h.setFocus(false);
    h.pass();
    EXPECT_EQ(hudTimeText(), "Paused");
    h.setFocus(true);
    h.pass();
    h.step();
    sf::Image shown = h.screenshot();
    cheats.hideTimer = true;
    h.step();
    sf::Image hidden = h.screenshot();
    EXPECT_GT(pixelsDiffering(shown, hidden, 450, 15, 100, 30), 50) << "the time is drawn, and the cheat removes it";
}

TEST(Hud, TooltipsOpenAfter751MsTowardsTheMiddle) {
    Harness h({.saves = {settingsFile()}});
    standInAGame(h);
    auto darkBoxAt = [&](int x, int y) {
        sf::Color c = h.pixel(x, y);
        return c.r < 90 && c.r > 40 && c.g < 90 && c.b < 90;
    };
    h.moveTo(35, 40);  // checklist, near the left edge: the tooltip opens to the right
    h.step();
    EXPECT_FALSE(darkBoxAt(120, 50));
    h.step(22);        // 748 ms: not yet
    EXPECT_FALSE(darkBoxAt(120, 50));
    h.step();
    EXPECT_TRUE(darkBoxAt(120, 50));
    h.moveTo(960, 40);  // exit: the tooltip opens to the left
    h.step();
    h.pressRight();     // the right button shows it at once
    h.step();
    EXPECT_TRUE(darkBoxAt(900, 50));
    EXPECT_FALSE(darkBoxAt(985, 50));
    h.saveScreenshot("hud_tooltip");
    h.releaseRight();
}

TEST(Hud, ExitSavesAndLeavesForTheMainMenuWithTheWeatherCleared) {
    Harness h(returningPlayer());
    standInAGame(h);
    session.player.playerX = 321;
    session.clocks.rainClock = 20;
    colourSprite("cloud 3", sf::Color(0, 0, 0, 200));
    playSound("pond ripple", false);
    h.step();
    ASSERT_TRUE(soundPlaying("rain"));
    h.click(960, 35);
    EXPECT_FALSE(showing(GameScreen::Game));
    EXPECT_TRUE(showing(GameScreen::MainMenu));
    EXPECT_FALSE(session.player.controlEnabled);
    EXPECT_EQ(session.clocks.rainClock, 0);
    EXPECT_FALSE(soundPlaying("rain"));
    EXPECT_FALSE(soundPlaying("pond ripple"));
    EXPECT_TRUE(soundPlaying("exit"));
    EXPECT_EQ(spriteEntry("cloud 3").colour, sf::Color(255, 255, 255, 255));
    std::vector<std::string> lines = splitLines(h.readFile("saves/1.kv"));
    ASSERT_EQ(lines.size(), 53u);
    EXPECT_EQ(lines[4], "321");
    EXPECT_EQ(lines[52], "20") << "the saved game keeps its shower";
    h.step(7);
    h.menuPress(500, 275);  // Load Game lists it
    h.menuPress(510, 180);
    EXPECT_TRUE(showing(GameScreen::Game));
    EXPECT_EQ(session.player.playerX, 321);
}

TEST(Hud, TouchTapsOnTheBarNeverWalkAndATapOutsideClosesHelp) {
    Harness h({.saves = {settingsFile({.inputChoice = 1})}});
    standInAGame(h);
    ASSERT_TRUE(touchMode);
    session.player.playerX = 300;
    h.tap(925, 40);   // on the bar between two buttons, right of 920: not a walk out
    EXPECT_EQ(session.player.touchTargetX, 0);
    h.tap(820, 35);   // help
    EXPECT_TRUE(helpOpen());
    h.step(12);
    h.tap(500, 300);  // inside the page: it stays
    EXPECT_TRUE(helpOpen());
    h.tap(900, 300);  // outside: it closes, and the tap is used up
    EXPECT_FALSE(helpOpen());
    EXPECT_EQ(session.player.touchTargetX, 0);
}
