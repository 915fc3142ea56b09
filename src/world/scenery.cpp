// scenery.cpp -- the day cycle, rain showers and their sounds
#include "world/scenery.h"

#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/platform.h"
#include "engine/random.h"
#include "engine/settings.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "world/game_session.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int clockTickMs = 100;          // the clocks move 0.1 s per tick
constexpr int clockCatchUpMs = 10000;     // lag beyond this is made up at once
constexpr int showerChanceRange = 3501;   // r = 0..3500
constexpr double showerGap = 500;         // seconds without rain after a shower
constexpr double showerLength = 40;       // rainClock at the start of a shower
constexpr double dayLength = 899;         // dayClock wraps here
const sf::Color streakColour(100, 100, 255);

bool nightSkippedThisStep = false;  // the step in which the day wrapped draws no night

void advanceClocksOnce(WorldClocks& c) {
    c.dayClock += 0.1;
    c.rainClock -= 0.1;
    c.clockReference += clockTickMs;
}

// Showers never come within 500 s of the last one; after that the chance grows
// by 1/3501 per tick for every further 100 s.
void maybeStartShower(WorldClocks& c) {
    int r = randomBelow(showerChanceRange);
    double x = std::round((std::abs(c.rainClock) - showerGap) / 100);
    if (x > r && c.rainClock < -showerGap && !session.MissionComplete) c.rainClock = showerLength;
}

// ---------------------------------------------------------------------------
// Rain

void drawRainStreaks(double r) {
    int count = static_cast<int>(r <= 20 ? r - 5 : 35 - r);
    for (int i = 0; i < count; i++) {
        int x = 1 + randomBelow(999);
        int y = randomBelow(601);
        int half = (30 + randomBelow(71)) / 2;
        sf::Vertex line[2] = {sf::Vertex(sf::Vector2f(x, y - half), streakColour),
                              sf::Vertex(sf::Vector2f(x, y + half), streakColour)};
        drawTarget().draw(line, 2, sf::Lines);
    }
}

// The shower darkens in over its first 5 s and lifts over its last 5 s, when the
// sound fades away too.
void darkenForRain(double r) {
    if (r >= 35) {
        shadeView(static_cast<int>(std::abs(r - showerLength) * 15));
    } else if (r > 5) {
        shadeView(75);
    } else {
        shadeView(std::max(0, static_cast<int>(75 - std::abs(r - 5) * 15)));
        fadeTo("rain", 0, 5000);
    }
}

void drawRain(double r) {
    if (r > 0) {
        setSoundLoop("rain", true);
        playSound("rain", false);
        if (r > 5 && r < 35) drawRainStreaks(r);
        darkenForRain(r);
    } else {
        setSoundLoop("rain", false);
        stopSound("rain");
        setSoundVolume("rain", settings.sfxVolume);
    }
}

}  // namespace

// ---------------------------------------------------------------------------

int nightAlpha(double d, int peak, int slope) {
    if (d <= 600) return 0;
    if (d < 650) return static_cast<int>((d - 600) * slope);
    if (d <= 850) return peak;
    return static_cast<int>(peak - (d - 850) * slope);
}

int nightSkyAlpha(double d) { return nightAlpha(d, 200, 4); }
int nightWaterAlpha(double d) { return nightAlpha(d, 100, 2); }
int nightOverlayAlpha(double d) { return nightAlpha(d, 150, 3); }

void tickWorldClocks() {
    WorldClocks& c = session.clocks;
    if (nowMs() - c.clockReference < clockTickMs) return;
    advanceClocksOnce(c);
    if (nowMs() - c.clockReference >= clockCatchUpMs) {
        int behind = (nowMs() - c.clockReference) / clockTickMs;
        for (int i = 0; i < behind; i++) advanceClocksOnce(c);
    }
    maybeStartShower(c);
}

void drawSceneryBehind() {
    WorldClocks& c = session.clocks;
    nightSkippedThisStep = c.dayClock >= dayLength;
    if (nightSkippedThisStep) {
        c.dayClock = 0;
        return;
    }
    if (c.dayClock <= 600) return;
    setFill(0, 0, 0, nightSkyAlpha(c.dayClock));
    fillRectCentred(500, 170, 1000, 345);
    colourSprite("night water", sf::Color(0, 0, 0, nightWaterAlpha(c.dayClock)));
    drawSprite("night water", 500, 367);
}

void drawSceneryInFront() {
    drawRain(session.clocks.rainClock);
    if (!nightSkippedThisStep && session.clocks.dayClock > 600)
        shadeView(nightOverlayAlpha(session.clocks.dayClock));
}
