// scenery_test.cpp -- the day cycle, showers, rain streaks and the rain sound
#include "app/app_state.h"
#include "app/clock.h"
#include "app/sound.h"
#include "frontend/settings.h"
#include "play_helpers.h"
#include "world/game_session.h"
#include "world/scenery.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <set>
#include <thread>

namespace {

WorldClocks& clocks() { return session.clocks; }

// A standing wisp in an empty area, so sky, water and ground show plainly.
void startInEmptyArea(Harness& h) {
    startStanding(h, 0);
    for (int32_t& kind : session.world.AreaContents) kind = 0;
}

constexpr int groundX = 600, groundY = 580, skyY = 320, waterY = 367;

// Every channel of `dark` is `light` times `factor`, to within rounding.
void expectDarkened(sf::Color light, sf::Color dark, double factor, const char* where) {
    EXPECT_NEAR(dark.r, light.r * factor, 2.5) << where;
    EXPECT_NEAR(dark.g, light.g * factor, 2.5) << where;
    EXPECT_NEAR(dark.b, light.b * factor, 2.5) << where;
}

bool isStreak(sf::Color c, double shade) {
    return std::abs(c.r - 100 * shade) <= 2 && std::abs(c.g - 100 * shade) <= 2 &&
           std::abs(c.b - 255 * shade) <= 2;
}

// Columns holding rain-streak pixels (darkened by `shade`), and the longest run in any of them.
struct Streaks {
    int columns = 0;
    int shortestRun = 1000, longestRun = 0;
};
Streaks findStreaks(const sf::Image& image, double shade) {
    Streaks found;
    for (unsigned x = 0; x < 1000; x++) {
        int run = 0;
        bool touchesEdge = false, any = false;
        for (unsigned y = 0; y < 600; y++) {
            bool streak = isStreak(image.getPixel(x, y), shade);
            if (streak) {
                any = true;
                run++;
                touchesEdge = touchesEdge || y == 0 || y == 599;
            }
            if ((!streak || y == 599) && run > 0) {
                if (!touchesEdge) {
                    found.shortestRun = std::min(found.shortestRun, run);
                    found.longestRun = std::max(found.longestRun, run);
                }
                run = 0;
                touchesEdge = false;
            }
        }
        found.columns += any;
    }
    return found;
}

// A fade runs on its own thread for seconds; end it the way closing the program does.
void endRainFade() {
    app.quitRequested = true;
    for (int i = 0; i < 2000 && fadeThreadsRunning > 0; i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    app.quitRequested = false;
    *soundState.fadeBusy["rain"] = false;
}

}  // namespace

// ---------------------------------------------------------------------------
// Day cycle

TEST(Scenery, NightAlphasThroughTheDay) {
    EXPECT_EQ(nightSkyAlpha(625), 100);
    EXPECT_EQ(nightWaterAlpha(625), 50);
    EXPECT_EQ(nightOverlayAlpha(625), 75);
    for (double d : {0.0, 300.0, 600.0}) {
        EXPECT_EQ(nightSkyAlpha(d), 0) << d;
        EXPECT_EQ(nightOverlayAlpha(d), 0) << d;
    }
    EXPECT_EQ(nightSkyAlpha(600.3), 1) << "truncated, not rounded";
    EXPECT_EQ(nightSkyAlpha(650), 200);
    EXPECT_EQ(nightWaterAlpha(750), 100);
    EXPECT_EQ(nightOverlayAlpha(850), 150);
    EXPECT_EQ(nightSkyAlpha(860), 160);
    EXPECT_EQ(nightWaterAlpha(860), 80);
    EXPECT_EQ(nightOverlayAlpha(860), 120);
    EXPECT_EQ(nightSkyAlpha(898.9), 4);
    EXPECT_EQ(nightOverlayAlpha(898.9), 3);
}

TEST(Scenery, DuskAt625DarkensSkyWaterAndGroundByTheirAlphas) {
    Harness h;
    startInEmptyArea(h);
    h.step();
    sf::Image day = h.screenshot();
    clocks().dayClock = 625;
    h.step();
    sf::Image dusk = h.screenshot();
    const double overlay = (255 - 75) / 255.0;
    expectDarkened(day.getPixel(groundX, groundY), dusk.getPixel(groundX, groundY), overlay, "ground");
    expectDarkened(day.getPixel(groundX, skyY), dusk.getPixel(groundX, skyY),
                   overlay * (255 - 100) / 255.0, "sky");
    expectDarkened(day.getPixel(groundX, waterY), dusk.getPixel(groundX, waterY),
                   overlay * (255 - 50) / 255.0, "water");
}

TEST(Scenery, DayWrapsAt899WithNoNightThatStep) {
    Harness h;
    startInEmptyArea(h);
    h.step();
    sf::Color day = h.pixel(groundX, groundY), daySky = h.pixel(groundX, skyY);
    clocks().dayClock = 880;
    h.step();
    EXPECT_LT(h.pixel(groundX, groundY).g, day.g) << "dawn is still dark at 880";
    clocks().dayClock = 899;
    h.step();
    EXPECT_LT(clocks().dayClock, 0.2);
    EXPECT_EQ(h.pixel(groundX, groundY), day);
    EXPECT_EQ(h.pixel(groundX, skyY), daySky);
}

// ---------------------------------------------------------------------------
// Clocks

TEST(Scenery, ClocksTickEveryTenthOfASecondAndCatchUpOnlyBeyondTenSeconds) {
    Harness h;
    h.boot();
    session = GameSession{};
    clocks().clockReference = nowMs();
    int32_t start = nowMs();
    h.advance(99);
    tickWorldClocks();
    EXPECT_EQ(clocks().dayClock, 0);
    h.advance(1);
    tickWorldClocks();
    EXPECT_NEAR(clocks().dayClock, 0.1, 1e-9);
    EXPECT_NEAR(clocks().rainClock, -0.1, 1e-9);
    EXPECT_EQ(clocks().clockReference, start + 100);

    h.advance(9999);  // lag 9999 ms: one tick only
    tickWorldClocks();
    EXPECT_NEAR(clocks().dayClock, 0.2, 1e-9);
    EXPECT_EQ(clocks().clockReference, start + 200);

    clocks().clockReference = nowMs() - 15050;  // lag over 10 s: caught up at once
    tickWorldClocks();
    EXPECT_NEAR(clocks().dayClock, 0.2 + 15.0, 1e-6);
    EXPECT_EQ(clocks().clockReference, nowMs() - 50) << "only whole tenths are counted";
}

TEST(Scenery, NoShowerForFiveHundredSecondsThenOneComes) {
    Harness h;
    h.boot();
    reseedSharedRandom(99);
    session = GameSession{};
    clocks().clockReference = nowMs();
    double lastBeforeShower = 0;
    int ticks = 0;
    for (; ticks < 30000 && clocks().rainClock <= 0; ticks++) {
        lastBeforeShower = clocks().rainClock;
        h.advance(100);
        tickWorldClocks();
    }
    ASSERT_EQ(clocks().rainClock, 40) << "a shower starts at 40 s";
    EXPECT_GT(ticks, 5500) << "no shower in the first 550 s: the chance is 0 before then";
    EXPECT_LT(lastBeforeShower, -549.8);
}

TEST(Scenery, NoShowerOnceTheMissionIsComplete) {
    Harness h;
    h.boot();
    session = GameSession{};
    clocks().clockReference = nowMs();
    clocks().rainClock = -100000;  // a shower is due almost every other tick
    session.MissionComplete = true;
    for (int i = 0; i < 300; i++) {
        h.advance(100);
        tickWorldClocks();
    }
    EXPECT_LT(clocks().rainClock, -100000);
    session.MissionComplete = false;
    for (int i = 0; i < 300 && clocks().rainClock < 0; i++) {
        h.advance(100);
        tickWorldClocks();
    }
    EXPECT_EQ(clocks().rainClock, 40);
}

// ---------------------------------------------------------------------------
// Showers

TEST(Scenery, ShowerPlaysTheRainLoopAndDrawsFifteenStreaks) {
    Harness h;
    startInEmptyArea(h);
    h.step();
    EXPECT_EQ(findStreaks(h.screenshot(), 180 / 255.0).columns, 0) << "no rain, no streaks";
    EXPECT_FALSE(soundPlaying("rain"));
    clocks().rainClock = 20;  // 15 streaks under a 75 darkening
    h.step();
    EXPECT_TRUE(soundPlaying("rain"));
    Streaks s = findStreaks(h.screenshot(), 180 / 255.0);
    EXPECT_GE(s.columns, 12);
    EXPECT_LE(s.columns, 15);
    EXPECT_GE(s.shortestRun, 28);
    EXPECT_LE(s.longestRun, 101);
    h.saveScreenshot("world_rain");
    clocks().rainClock = 33;  // 35 - 33 = 2 streaks
    h.step();
    s = findStreaks(h.screenshot(), 180 / 255.0);
    EXPECT_GE(s.columns, 1);
    EXPECT_LE(s.columns, 2);
}

TEST(Scenery, ShowerDarkensInAndOutAndTheSoundEnds) {
    Harness h;
    startInEmptyArea(h);
    h.step();
    sf::Color day = h.pixel(groundX, groundY);
    clocks().rainClock = 37;  // |37 - 40| * 15 = 45
    h.step();
    expectDarkened(day, h.pixel(groundX, groundY), (255 - 45) / 255.0, "start of the shower");
    EXPECT_EQ(findStreaks(h.screenshot(), 210 / 255.0).columns, 0) << "no streaks yet above 35";
    clocks().rainClock = 20;
    h.step();
    expectDarkened(day, h.pixel(groundX, groundY), (255 - 75) / 255.0, "middle of the shower");
    clocks().rainClock = 3;  // 75 - 2 * 15 = 45, and the sound fades out
    h.step();
    expectDarkened(day, h.pixel(groundX, groundY), (255 - 45) / 255.0, "end of the shower");
    EXPECT_TRUE(fadeRunning("rain"));
    endRainFade();
    setSoundVolume("rain", 10);
    clocks().rainClock = -0.1;
    h.step();
    EXPECT_FALSE(soundPlaying("rain"));
    EXPECT_EQ(soundVolume("rain"), settings.sfxVolume) << "back to the effects volume";
    EXPECT_EQ(h.pixel(groundX, groundY), day);
}
