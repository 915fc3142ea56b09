// game_screen_test.cpp -- the layers of the game screen and their order
#include "app/clock.h"
#include "app/game_end.h"
#include "play_helpers.h"
#include "world/game_screen.h"
#include "world/game_session.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

namespace {

// Holds the wisp still: no spin, and the float settled to rest as at the end of a game.
void stillWisp(Harness& h) {
    gameEnd.endStage = 25;
    h.step(120);
    wisp.spinSpeed = 0;
    wisp.lastSpinChange = nowMs() + 1000000;
}

bool sameColour(sf::Color a, sf::Color b) { return a == b; }

}  // namespace

TEST(GameScreen, ObjectsStandAtTheirPlacesAndHeights) {
    EXPECT_EQ(objectPlaceX(0), 170);
    EXPECT_EQ(objectPlaceX(1), 500);
    EXPECT_EQ(objectPlaceX(2), 830);
    Harness h;
    startStanding(h, 0);  // oak tree, iron rock, birch tree
    h.step();
    sf::Image full = h.screenshot();
    for (int32_t& kind : session.world.AreaContents) kind = 0;
    h.step();
    sf::Image empty = h.screenshot();
    // The middle of each object's picture differs from the bare ground and sky behind it.
    EXPECT_FALSE(sameColour(full.getPixel(170, 300), empty.getPixel(170, 300))) << "oak trunk";
    EXPECT_FALSE(sameColour(full.getPixel(500, 450), empty.getPixel(500, 450))) << "iron rock";
    EXPECT_FALSE(sameColour(full.getPixel(830, 400), empty.getPixel(830, 400))) << "birch trunk";
    // Nothing is drawn outside the pictures' boxes.
    EXPECT_TRUE(sameColour(full.getPixel(500, 560), empty.getPixel(500, 560)));
    EXPECT_TRUE(sameColour(full.getPixel(500, 300), empty.getPixel(500, 300)));
}

TEST(GameScreen, AGatheredObjectLeavesItsPlaceEmpty) {
    Harness h;
    startStanding(h, 1);  // bronze rock, iron rock, birch tree
    h.step();
    sf::Color rock = h.pixel(500, 450);
    session.world.AreaContents[1] = 0;
    h.step();
    EXPECT_NE(h.pixel(500, 450), rock);
    session.world.AreaContents[1] = IronRock;
    h.step();
    EXPECT_EQ(h.pixel(500, 450), rock);
}

TEST(GameScreen, NightCoversTheObjectsButNotTheWisp) {
    Harness h;
    startStanding(h, 0);
    stillWisp(h);
    ASSERT_EQ(session.player.playerX, 100);
    h.step();
    sf::Image day = h.screenshot();
    session.clocks.dayClock = 700;  // overlay 150
    h.step();
    sf::Image night = h.screenshot();
    sf::Color rockDay = day.getPixel(500, 450), rockNight = night.getPixel(500, 450);
    EXPECT_NEAR(rockNight.r, rockDay.r * 105 / 255.0, 2.5) << "the overlay lies over the rock";
    EXPECT_EQ(night.getPixel(100, 400), day.getPixel(100, 400)) << "the wisp is drawn over the night";
    gameEnd.endStage = 0;
}

TEST(GameScreen, PlayTimerDoesNotTickInTheBeamButTheWorldClocksDo) {
    Harness h;
    startPlaying(h, 0);
    h.advance(5000);
    h.step(100);
    EXPECT_EQ(session.player.PlayTimer, 0);
    EXPECT_GT(session.clocks.dayClock, 3.3) << "the day runs on during the beam";
}

TEST(GameScreen, PictureOfAnAreaWithThreeObjectsAndTheWisp) {
    Harness h;
    startStanding(h, 0);
    h.holdKey(sf::Keyboard::D);
    h.step(30);
    h.releaseKey(sf::Keyboard::D);
    h.step(3);
    EXPECT_EQ(session.player.playerX, 310);
    h.saveScreenshot("game_screen");
    sf::Image shot = h.screenshot();
    // The wisp sits near (310, 400), somewhere in its float; take it out of view.
    session.player.controlEnabled = false;
    session.player.playerX = 2000;
    h.step();
    sf::Image bare = h.screenshot();
    int wispPixels = 0;
    for (int y = 340; y < 460; y++)
        for (int x = 270; x < 350; x++) wispPixels += shot.getPixel(x, y) != bare.getPixel(x, y);
    EXPECT_GT(wispPixels, 600) << "a 40 px orb and its halo";
}
