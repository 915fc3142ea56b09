// loading_test.cpp -- the loading screen counts 217 units, ten per step, and always ends
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/sound.h"
#include "game/frame_loop.h"
#include "support/harness.h"

#include <gtest/gtest.h>

TEST(Loading, AllAssetsMake217UnitsShownTenPerStep) {
    Harness h({.reuseLoadedAssets = false});
    startupLoad();
    raiseLoadingScreen(217);
    textureLoaderThread();
    soundLoaderThread();
    h.pass();  // the first pass only drops the start-up backlog
    int steps = 0;
    int lastShown = 0;
    while (app.loadingScreenOn && steps < 100) {
        h.step();
        steps++;
        EXPECT_LE(app.loadShown - lastShown, 10);
        lastShown = app.loadShown;
    }
    EXPECT_EQ(app.loadProgress, 217);
    EXPECT_EQ(steps, 22) << "217 units at ten per step";
    EXPECT_EQ(catalogue.sprites.size(), 197u);
    EXPECT_TRUE(catalogueHas("tool 0"));
    EXPECT_FALSE(catalogueHas("tool 3")) << "blank cells are not loaded";
    EXPECT_TRUE(catalogueHas("tool 143"));
}

TEST(Loading, BarGrowsInsideAWhiteFrameOnBlack) {
    Harness h({.reuseLoadedAssets = false});
    startupLoad();
    raiseLoadingScreen(217);
    textureLoaderThread();
    soundLoaderThread();
    h.pass();
    h.step(11);  // 110 of 217 units: the bar reaches x 300 + 202
    sf::Image shot = h.screenshot();
    EXPECT_EQ(shot.getPixel(310, 300), sf::Color(102, 174, 48));
    EXPECT_EQ(shot.getPixel(500, 300), sf::Color(102, 174, 48));
    EXPECT_EQ(shot.getPixel(520, 300), sf::Color::Black);
    EXPECT_EQ(shot.getPixel(299, 300), sf::Color::White);
    EXPECT_EQ(shot.getPixel(100, 100), sf::Color::Black);
}

TEST(Loading, MissingFilesStillCompleteTheLoadingScreen) {
    Harness h({.linkAssets = false, .reuseLoadedAssets = false});
    h.boot();
    EXPECT_FALSE(app.loadingScreenOn);
    EXPECT_EQ(app.loadProgress, 217);
    EXPECT_TRUE(catalogueHas("background"));
    EXPECT_EQ(spriteEntry("tool 0").sprite.getTexture()->getSize().x, 0u);
    h.step(5);  // empty textures draw nothing and nothing breaks
}

TEST(Loading, MainMenuAndHelpMenuAreTintedIndependently) {
    Harness h;
    h.boot();
    EXPECT_EQ(spriteEntry("main menu").colour.a, 200);
    EXPECT_EQ(spriteEntry("help menu").colour.a, 255);
    tintSprite("help menu", 10, 20, 30);
    EXPECT_EQ(spriteEntry("main menu").colour, sf::Color(255, 255, 255, 200));
    EXPECT_EQ(spriteEntry("wisp").colour.a, 200);
    EXPECT_EQ(spriteEntry("inventory").colour.a, 220);
    EXPECT_EQ(spriteEntry("checklist menu background").colour.a, 220);
}
