// pacing_test.cpp -- what keeps the game cheap to run must not change what happens or shows:
// clicks still come before the step that follows them, a sleeping loop wakes for a
// click, and sprites drawn with the cheaper filter keep every pixel
#include "app/app_state.h"
#include "app/catalogue.h"
#include "app/frame_loop.h"
#include "app/input.h"
#include "app/platform.h"
#include "app/toolkit.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {
HarnessOptions pastTheChooser() {
    return {.saves = {{"sF.kv", "0\n1\n100\n1\n100\n0\n"}, {"sL.kv", "1\n"}}};
}
}  // namespace

TEST(Pacing, AClickIsHandledBeforeTheStepThatFollowsIt) {
    Harness h(pastTheChooser());
    h.boot();
    h.step(10);
    ASSERT_TRUE(app.showTitle);
    sf::Image title = h.screenshot();

    h.advance(34);          // a step is due...
    h.moveTo(500, 500);     // ...and the play letters are pressed before the pass runs it
    h.pressLeft();
    EXPECT_EQ(runLoopPass(), 1);
    EXPECT_TRUE(app.showMainMenu);
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
    Harness h(pastTheChooser());
    h.boot();
    h.step();
    EXPECT_EQ(msUntilStepDue(), 33 - (h.now() - app.lastTickMs));
    h.advance(40);
    EXPECT_EQ(msUntilStepDue(), 0) << "an overdue step is never slept past";
}

TEST(Pacing, ASleepingLoopWakesForAClick) {
    Harness h(pastTheChooser());
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
        SpriteEntry& entry = spriteEntry(d.name);
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
        int differing = 0;
        for (unsigned y = 0; y < 600; y++)
            for (unsigned x = 0; x < 1000; x++) differing += smooth.getPixel(x, y) != drawn.getPixel(x, y);
        EXPECT_EQ(differing, 0) << d.name;
    }
}
