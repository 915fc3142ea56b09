// pacing_test.cpp -- what keeps the game cheap to run must not change what happens or shows:
// clicks still come before the step that follows them, a sleeping loop wakes for a
// click, sprites drawn with the cheaper filter keep every pixel, and so does leaving
// out what an open panel hides
#include "activities/interaction.h"
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/cover.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "engine/toolkit.h"
#include "game/frame_loop.h"
#include "support/play.h"
#include "world/game_session.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(Pacing, AClickIsHandledBeforeTheStepThatFollowsIt) {
    Harness h(returningPlayer());
    h.boot();
    h.step(10);
    ASSERT_TRUE(showing(GameScreen::Title));
    sf::Image title = h.screenshot();

    h.advance(34);          // a step is due...
    h.moveTo(500, 500);     // ...and the play letters are pressed before the pass runs it
    h.pressLeft();
    EXPECT_EQ(runLoopPass(), 1);
    EXPECT_TRUE(showing(GameScreen::MainMenu));
    sf::Image shown = h.screenshot();
    h.releaseLeft();
    h.step();
    sf::Image menu = h.screenshot();
    // The picture of that very pass is the main menu, not the title once more.
    for (auto [x, y] : {std::pair{500, 205}, {500, 275}, {759, 522}, {300, 450}}) {
        EXPECT_NE(shown.getPixel(x, y), title.getPixel(x, y)) << x << "," << y;
        EXPECT_EQ(shown.getPixel(x, y), menu.getPixel(x, y)) << x << "," << y;
    }
}

TEST(Pacing, TheLoopSleepsOnlyUntilTheNextStepIsDue) {
    Harness h(returningPlayer());
    h.boot();
    h.step();
    EXPECT_EQ(msUntilStepDue(), 33 - (h.now() - app.lastTickMs));
    h.advance(40);
    EXPECT_EQ(msUntilStepDue(), 0) << "an overdue step is never slept past";
}

TEST(Pacing, ASleepingLoopWakesForAClick) {
    Harness h(returningPlayer());
    h.boot();
    h.step(10);
    std::thread presser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        h.moveTo(500, 500);
        h.pressLeft();
    });
    auto start = std::chrono::steady_clock::now();
    waitForClick(60000);
    auto slept = std::chrono::steady_clock::now() - start;
    presser.join();
    // Not a measure of speed: without the wake-up the wait would last its whole minute.
    EXPECT_LT(slept, std::chrono::seconds(30));
    EXPECT_EQ(runQueuedClicks(), 1);
}

TEST(Pacing, SpritesKeepEveryPixelWhicheverFilterTheyAreDrawnWith) {
    Harness h;
    h.boot();
    struct Draw {
        const char* name;
        double x, y, scale;
        bool onGrid;  // texels land one to one on pixels, so the nearest texel is taken
    };
    const Draw draws[] = {
        {"background", 500, 300, 1.0, true},  {"title", 550, 150, 1.0, true},
        {"p", 400, 495, 1.0, true},           {"cloud 1", 100.5, 150, 1.0, false},
        {"wisp", 333.25, 400, 1.0, false},    {"play shadow", 550, 500, 1.5, false},
    };
    for (const Draw& d : draws) {
        SpriteEntry& entry = loadedSprite(d.name);
        scaleSprite(d.name, d.scale);
        shadeView(255);
        entry.texture->setSmooth(true);
        entry.sprite.setPosition(d.x, d.y);
        drawTarget().draw(entry.sprite);
        sf::Image smooth = h.screenshot();

        shadeView(255);
        drawSprite(d.name, d.x, d.y);
        EXPECT_EQ(entry.texture->isSmooth(), !d.onGrid) << d.name;
        sf::Image drawn = h.screenshot();
        scaleSprite(d.name, 1.0);
        int differing = pixelsDiffering(smooth, drawn, 0, 0, 1000, 600);
        EXPECT_EQ(differing, 0) << d.name;
    }
}

namespace {
// Everything drawn before the panel, then the panel: with or without the cover.
sf::Image drawUnderThePanel(Harness& h, bool covered) {
    if (covered) coverRect(panelInterior);
    drawSprite("background", 500, 300);
    drawSprite("cloud 2", 410.5, 150);           // smooth, partly in sight
    drawSprite("tree oak", 500, 300);            // its crown shows above the panel
    setFill(0, 0, 0, 140);
    fillRectCentred(500, 170, 1000, 345);        // the night sky
    drawSprite("night water", 500, 367);         // large, on the grid, split around the panel
    shadeView(75);
    uncover();
    drawSprite("interaction", 500, 335);
    return h.screenshot();
}
}  // namespace

TEST(Pacing, LayersUnderAnOpenPanelLeaveItOutAndThePictureStaysTheSame) {
    Harness h;
    h.boot();
    sf::Image plain = drawUnderThePanel(h, false);
    sf::Image covered = drawUnderThePanel(h, true);
    int differing = pixelsDiffering(plain, covered, 0, 0, 1000, 600);
    EXPECT_EQ(differing, 0);
    EXPECT_FALSE(coverActive());
}

TEST(Pacing, TheRectangleLeftOutIsOpaqueInThePanelPicture) {
    sf::Image panel;
    ASSERT_TRUE(panel.loadFromFile(std::string(THORNVALE_ASSETS_DIR) + "/1X.dk5"));
    ASSERT_EQ(panel.getSize(), sf::Vector2u(700, 500));
    // The panel is drawn centred at (500, 335): its top-left pixel is (150, 85).
    int seeThrough = 0;
    for (int y = panelInterior.top; y < panelInterior.top + panelInterior.height; y++)
        for (int x = panelInterior.left; x < panelInterior.left + panelInterior.width; x++)
            seeThrough += panel.getPixel(x - 150, y - 85).a != 255;
    EXPECT_EQ(seeThrough, 0);
}

TEST(Pacing, UncoveredPartsSurroundTheCoverAndNothingElse) {
    sf::FloatRect parts[4];
    coverRect(sf::IntRect(100, 100, 200, 100));
    EXPECT_EQ(uncoveredParts(sf::FloatRect(0, 0, 1000, 600), parts), 4);
    float area = 0;
    for (const sf::FloatRect& p : parts) {
        area += p.width * p.height;
        EXPECT_FALSE(p.intersects(sf::FloatRect(100, 100, 200, 100)));
    }
    EXPECT_EQ(area, 1000 * 600 - 200 * 100);
    EXPECT_EQ(uncoveredParts(sf::FloatRect(120, 120, 50, 50), parts), 0) << "wholly hidden";
    EXPECT_EQ(uncoveredParts(sf::FloatRect(500, 0, 50, 50), parts), 1) << "beside the cover";
    uncover();
    EXPECT_EQ(uncoveredParts(sf::FloatRect(120, 120, 50, 50), parts), 1) << "nothing covered";
}

TEST(Pacing, APictureBecomesATextureOnlyWhenItIsFirstShown) {
    Harness h({.reuseLoadedAssets = false});
    h.boot();
    h.startGame(42);
    h.step(20);
    // A closed help page slides out of the view: it is drawn, but never in sight.
    EXPECT_EQ(spriteEntry("help menu").texture->getSize(), sf::Vector2u(0, 0));
    EXPECT_EQ(spriteEntry("interact anvil").texture->getSize(), sf::Vector2u(0, 0));
    EXPECT_EQ(spriteEntry("background").texture->getSize(), sf::Vector2u(1000, 600));
    // Its size is known before it is made, so it is placed by its centre all the same.
    EXPECT_EQ(spriteEntry("interact anvil").sprite.getGlobalBounds().width, 700);
    drawSprite("interact anvil", 500, 335);
    EXPECT_EQ(spriteEntry("interact anvil").texture->getSize(), sf::Vector2u(700, 500));
    EXPECT_EQ(h.pixel(500, 335), loadedSprite("interact anvil").texture->copyToImage().getPixel(350, 250));
}

TEST(Pacing, TheCloseUpOfAnObjectInSightIsMadeWhileTheLoopWaits) {
    Harness h({.reuseLoadedAssets = false});
    h.boot();
    h.startGame(42);
    h.step(3);
    session.world.AreaContents[1] = SalmonPond;
    h.step();
    sf::Texture& closeUp = *spriteEntry("interact pond salmon").texture;
    EXPECT_EQ(closeUp.getSize().x, 0u) << "not made in a step";
    while (makePreparedPicture()) {}
    EXPECT_EQ(closeUp.getSize(), sf::Vector2u(560, 320));
    EXPECT_EQ(spriteEntry("interaction").texture->getSize(), sf::Vector2u(700, 500));
    EXPECT_FALSE(makePreparedPicture()) << "each is made once";
}
