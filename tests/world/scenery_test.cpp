// scenery_test.cpp -- the day cycle, showers, rain streaks and the rain sound
#include "engine/clock.h"
#include "engine/random.h"
#include "engine/settings.h"
#include "engine/sound.h"
#include "frontend/save_game.h"
#include "play_helpers.h"
#include "world/scenery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

WorldClocks& clocks() { return session.clocks; }

constexpr int groundX = 600, groundY = 580, skyY = 320, waterY = 367;

// A standing wisp in an empty area, so sky, water and ground show plainly.
void startInEmptyArea(Harness& h) {
    startStanding(h, 0);
    for (int32_t& kind : session.world.AreaContents) kind = 0;
}

// Every channel of `dark` is `light` times `factor`, to within rounding.
void expectDarkened(sf::Color light, sf::Color dark, double factor, const char* where) {
    EXPECT_NEAR(dark.r, light.r * factor, 2.5) << where;
    EXPECT_NEAR(dark.g, light.g * factor, 2.5) << where;
    EXPECT_NEAR(dark.b, light.b * factor, 2.5) << where;
}

// Columns holding streak pixels, (100, 100, 255) under the shower's darkening.
int streakColumns(const sf::Image& image, double shade) {
    int columns = 0;
    for (unsigned x = 0; x < 1000; x++) {
        int run = 0;
        bool any = false;
        for (unsigned y = 0; y < 600; y++) {
            sf::Color c = image.getPixel(x, y);
            bool streak = std::abs(c.r - 100 * shade) <= 2 && std::abs(c.g - 100 * shade) <= 2 &&
                          std::abs(c.b - 255 * shade) <= 2;
            run = streak ? run + 1 : 0;
            any = any || streak;
            EXPECT_LE(run, 101) << "a streak is at most 100 px long, at x " << x;
        }
        columns += any;
    }
    return columns;
}

int sampleTicksUntilShower(int limit) {
    int ticks = 0;
    for (; ticks < limit && clocks().rainClock <= 0; ticks++) {
        advanceManualClock(100);
        tickWorldClocks();
    }
    return ticks;
}

}  // namespace

TEST(Scenery, NightAlphasThroughTheDay) {
    EXPECT_EQ(nightSkyAlpha(625), 100);
    EXPECT_EQ(nightWaterAlpha(625), 50);
    EXPECT_EQ(nightOverlayAlpha(625), 75);
    EXPECT_EQ(nightSkyAlpha(600), 0);
    EXPECT_EQ(nightOverlayAlpha(300), 0);
    EXPECT_EQ(nightSkyAlpha(600.3), 1) << "truncated, not rounded";
    EXPECT_EQ(nightWaterAlpha(750), 100);
    EXPECT_EQ(nightOverlayAlpha(850), 150);
    EXPECT_EQ(nightSkyAlpha(860), 160);
    EXPECT_EQ(nightWaterAlpha(860), 80);
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
    expectDarkened(day.getPixel(groundX, skyY), dusk.getPixel(groundX, skyY), overlay * 155 / 255, "sky");
    expectDarkened(day.getPixel(groundX, waterY), dusk.getPixel(groundX, waterY), overlay * 205 / 255,
                   "water");
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

TEST(Scenery, ClocksTickEveryTenthOfASecondAndCatchUpOnlyBeyondTenSeconds) {
    Harness h;
    session = GameSession{};
    int32_t start = clocks().clockReference = nowMs();
    h.advance(99);
    tickWorldClocks();
    EXPECT_EQ(clocks().dayClock, 0);
    h.advance(1);
    tickWorldClocks();
    EXPECT_NEAR(clocks().dayClock, 0.1, 1e-9);
    EXPECT_NEAR(clocks().rainClock, -0.1, 1e-9);
    h.advance(9999);  // lag 9999 ms: one tick only
    tickWorldClocks();
    EXPECT_NEAR(clocks().dayClock, 0.2, 1e-9);
    EXPECT_EQ(clocks().clockReference, start + 200);
    clocks().clockReference = nowMs() - 15050;  // lag over 10 s: caught up at once
    tickWorldClocks();
    EXPECT_NEAR(clocks().dayClock, 15.2, 1e-6);
    EXPECT_EQ(clocks().clockReference, nowMs() - 50) << "only whole tenths are counted";
}

TEST(Scenery, ShowersWaitFiveHundredSecondsAndNeverComeAfterTheMission) {
    Harness h;
    for (uint32_t seed = 1; seed <= 10; seed++) {
        reseedSharedRandom(seed);
        session = GameSession{};
        clocks().clockReference = nowMs();
        int ticks = sampleTicksUntilShower(30000);
        EXPECT_EQ(clocks().rainClock, 40);
        EXPECT_GE(ticks, 5500) << "the chance is 0 until 550 s have passed";
    }

    clocks().rainClock = -100000;  // a shower is due in about every fourth tick
    session.MissionComplete = true;
    EXPECT_EQ(sampleTicksUntilShower(300), 300);
    session.MissionComplete = false;
    EXPECT_LT(sampleTicksUntilShower(300), 300);
}

TEST(Scenery, ShowerDarkensDrawsStreaksAndPlaysTheRainUntilItEnds) {
    Harness h;
    startInEmptyArea(h);
    h.step();
    sf::Color day = h.pixel(groundX, groundY);
    EXPECT_EQ(streakColumns(h.screenshot(), 180 / 255.0), 0) << "no rain, no streaks";
    clocks().rainClock = 20;
    h.step();
    expectDarkened(day, h.pixel(groundX, groundY), 180 / 255.0, "shower");
    h.saveScreenshot("world_rain");
    clocks().rainClock = 37;  // darkening |37 - 40| * 15 = 45, no streaks yet
    h.step();
    EXPECT_TRUE(soundPlaying("rain"));
    expectDarkened(day, h.pixel(groundX, groundY), 210 / 255.0, "shower begins");
    EXPECT_EQ(streakColumns(h.screenshot(), 210 / 255.0), 0);
    session.player.controlEnabled = false;
    session.player.playerX = 2000;  // the wisp out of view: it would tint the streaks behind it
    // Streak counts by rainClock. Two streaks may share a column now and then, and a
    // streak may fall behind the HUD bar, so the most columns seen over a few steps
    // is the count.
    const std::pair<double, int> counts[] = {{20, 15}, {33, 2}, {20.5, 14}, {6.9, 1}, {5, 0}, {35, 0}};
    for (auto [rain, streaks] : counts) {
        int most = 0;
        for (int attempt = 0; attempt < 10; attempt++) {
            clocks().rainClock = rain;
            h.step();
            most = std::max(most, streakColumns(h.screenshot(), 180 / 255.0));
        }
        EXPECT_EQ(most, streaks) << "rainClock " << rain;
    }
    clocks().rainClock = 3;  // 75 - 2 * 15 = 45, and the sound fades out
    h.step();
    expectDarkened(day, h.pixel(groundX, groundY), 210 / 255.0, "shower ends");
    EXPECT_TRUE(fadeRunning("rain"));
    // The fade runs for seconds on its own thread; end it as closing the program does.
    app.quitRequested = true;
    for (int i = 0; i < 2000 && fadeThreadsRunning > 0; i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    app.quitRequested = false;
    *soundState.fadeBusy["rain"] = false;
    setSoundVolume("rain", 10);
    clocks().rainClock = -0.1;
    h.step();
    EXPECT_FALSE(soundPlaying("rain"));
    EXPECT_EQ(soundVolume("rain"), settings.sfxVolume) << "back to the effects volume";
    EXPECT_EQ(h.pixel(groundX, groundY), day);
}

// A game left in the last seconds of a shower, while the rain fades out: the next
// game's shower is heard at the player's effects volume.
TEST(Rain, AShowerLeftAsItFadesOutDoesNotSilenceTheNextGamesRain) {
    Harness h(returningPlayer({}, {.sfxVolume = 70}));
    h.boot();
    h.standInGame(3);
    std::string rainyGame = std::to_string(session.SaveNumber);
    clocks().rainClock = 20;  // saved in the middle of a shower
    saveGame();
    h.standInGame(4);
    clocks().rainClock = 3;   // the last seconds of this game's shower
    h.step();
    ASSERT_TRUE(soundPlaying("rain"));
    ASSERT_TRUE(fadeRunning("rain"));
    h.click(960, 35);  // exit to the menu
    ASSERT_FALSE(showing(GameScreen::Game));
    for (int i = 0; i < 2000 && fadeRunning("rain"); i++)  // a 5 s fade, on its own thread
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_FALSE(fadeRunning("rain"));
    changeScreen(GameScreen::LoadList);
    ASSERT_TRUE(loadGame(rainyGame));
    h.step(3);
    EXPECT_TRUE(soundPlaying("rain"));
    EXPECT_NEAR(soundVolume("rain"), 70, 0.01);
}
