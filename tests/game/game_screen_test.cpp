// game_screen_test.cpp -- the layers of the game screen and their order
#include "engine/clock.h"
#include "game/game_end.h"
#include "game/game_screen.h"
#include "world/play_helpers.h"

#include <gtest/gtest.h>

TEST(GameScreen, ObjectsStandAtTheirPlacesAndAGatheredOneIsGone) {
    Harness h;
    startStanding(h, 0);  // oak tree, iron rock, birch tree
    h.step();
    sf::Image full = h.screenshot();
    session.world.AreaContents[1] = 0;
    h.step();
    sf::Image gathered = h.screenshot();
    for (int32_t& kind : session.world.AreaContents) kind = 0;
    h.step();
    sf::Image empty = h.screenshot();
    EXPECT_NE(full.getPixel(170, 300), empty.getPixel(170, 300)) << "oak trunk at x 170";
    EXPECT_NE(full.getPixel(500, 450), empty.getPixel(500, 450)) << "iron rock at (500, 450)";
    EXPECT_NE(full.getPixel(830, 400), empty.getPixel(830, 400)) << "birch trunk at x 830";
    EXPECT_EQ(gathered.getPixel(500, 450), empty.getPixel(500, 450)) << "the gathered rock";
    EXPECT_EQ(gathered.getPixel(830, 400), full.getPixel(830, 400));
    EXPECT_EQ(full.getPixel(500, 560), empty.getPixel(500, 560)) << "nothing below the rock";
}

TEST(GameScreen, NightCoversTheObjectsButNotTheWisp) {
    Harness h;
    startStanding(h, 0);
    gameEnd.endStage = 25;  // the float settles: the wisp rests at (100, 400)
    h.step(120);
    wisp.spinSpeed = 0;
    wisp.lastSpinChange = nowMs() + 1000000;
    sf::Image day = h.screenshot();
    session.clocks.dayClock = 700;  // overlay 150
    h.step();
    sf::Image night = h.screenshot();
    EXPECT_NEAR(night.getPixel(500, 450).r, day.getPixel(500, 450).r * 105 / 255.0, 2.5)
        << "the overlay lies over the rock";
    // The wisp is drawn at alpha 200, so a little night shows through it; under the
    // overlay it would fall to 105/255 of its daylight brightness.
    EXPECT_GT(night.getPixel(100, 400).r, day.getPixel(100, 400).r * 0.8);
    EXPECT_GT(night.getPixel(100, 400).g, day.getPixel(100, 400).g * 0.8);
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
    session.player.controlEnabled = false;
    session.player.playerX = 2000;  // the wisp out of view
    h.step();
    sf::Image bare = h.screenshot();
    EXPECT_GT(pixelsDiffering(shot, bare, 270, 340, 80, 120), 600) << "a 40 px orb and its halo near (310, 400)";
}
