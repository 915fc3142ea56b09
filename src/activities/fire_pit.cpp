// fire_pit.cpp -- lighting a fire by rubbing the logs, then cooking a fish close to it
#include "activities/fire_pit.h"

#include "activities/gathering.h"
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/hooks.h"
#include "engine/hover.h"
#include "engine/input.h"
#include "engine/pause.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "engine/tooltip.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "world/game_session.h"
#include "world/interaction_state.h"
#include "world/kinds.h"
#include "world/tutorial_rules.h"

#include <algorithm>
#include <cmath>
#include <string>

FirePitState firePit;

namespace {

// One menu row per recipe: logs of row r light the fire for raw fish r + 6.
constexpr int rowY[4] = {0, 250, 315, 380};
constexpr const char* woodNames[4] = {"", "birch", "pine", "oak"};
constexpr const char* fishNames[4] = {"", "bass", "salmon", "trout"};

struct LogFire {
    double minimumFall;  // the gauge falls at least this much per step...
    double fallDivisor;  // ...or gauge / divisor, whichever is more
};
constexpr LogFire logFires[4] = {{0, 1}, {0.2, 400}, {0.25, 350}, {0.35, 250}};

constexpr double fireCatches = 167;  // the gauge at which the logs light
constexpr double cookedFrom = 152, burntAbove = 170;

double& gauge() { return interaction.ActivityProgress; }

int distanceTo(int x, int y, int px, int py) {
    double dx = px - x, dy = py - y;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

int gaugeY() { return touchMode ? 150 : 515; }

void drawGauge(const char* dial) {
    drawSprite(dial, 730, gaugeY());
    rotateSprite("gauge needle", gauge() - 90);
    drawSprite("gauge needle", 730, gaugeY() + 43);
}

// ---------------------------------------------------------------------------
// The menu: "Select a fish to cook"

void drawMenuRow(int r) {
    int y = rowY[r];
    drawSprite(itemTextureName(r), 375, y);
    if (!firePit.logAvailable[r]) drawSprite("red slash", 375, y);
    drawSprite("cooking menu plus", 425, y);
    drawSprite(itemTextureName(r + 6), 475, y);
    if (!firePit.fishAvailable[r]) drawSprite("red slash", 475, y);
    drawSprite("cooking menu arrow", 550, y);
    drawSprite(itemTextureName(r + 9), 625, y);
    if (touchMode) return;
    if (pointerInRect(500, y, 315, 56)) {
        setFill(225, 170, 0);
        frameRect(500, y, 315, 56);
    }
}

// The three icons of every row carry their item names, after the usual hover delay.
void drawMenuTooltips() {
    if (touchMode) return;
    const int iconX[3] = {375, 475, 625};
    for (int r = 1; r <= 3; r++) {
        for (int i = 0; i < 3; i++) {
            if (!pointerInRect(iconX[i], rowY[r], 50, 50)) continue;
            int item = i == 0 ? r : i == 1 ? r + 6 : r + 9;
            if (hoverShows(firePitHoverIds.id(3 * (r - 1) + i))) drawTooltipBox(itemName(item), true, menuTooltipAlpha);
            return;
        }
    }
}

void drawMenu() {
    label(uiFont, 20, sf::Color::Black, AlignCentre, "Select a fish to cook", 500, 150);
    for (int r = 1; r <= 3; r++) drawMenuRow(r);
    drawMenuTooltips();
}

void pickRecipe() {
    for (int r = 1; r <= 3; r++) {
        if (!pointerInRect(500, rowY[r], 315, 55)) continue;
        // The tutorial's cook answers only the first row, and trusts the bag.
        if (!choiceAllowed(FirePit, r, firePit.logAvailable[r] && firePit.fishAvailable[r])) continue;
        firePit.logKind = r;
        firePit.fishKind = r + 6;
        firePit.FireState = 2;
        takeItem(r);
        takeItem(r + 6);
        saveGameNow();
        firePit.lastX = 500;
        firePit.lastY = 300;
        return;
    }
}

// ---------------------------------------------------------------------------
// Lighting: rub the pointer fast inside the logs

std::string logsTexture() { return std::string("interact logs ") + woodNames[firePit.logKind]; }

bool pointerOnLogs() { return pointerInRect(500, 300, 135, 65); }

void rubLogs() {
    int d = distanceTo(firePit.lastX, firePit.lastY, pointer.pointerX, pointer.pointerY);
    if (d > 5 && playSound("fire starter", false)) setSoundPitch("fire starter", (8 + randomBelow(3)) / 10.0);
    firePit.lastX = pointer.pointerX;
    firePit.lastY = pointer.pointerY;
    gauge() += d / 20.0;
    if (gauge() > fireCatches) {
        firePit.FireState = 3;
        firePit.dropOffset = 0;
        firePit.burnt = false;
        firePit.fishHeld = false;
    }
}

// An unattended fire gauge falls back; oak falls fastest, so oak needs the fastest rubbing.
void coolGauge() {
    if (gauge() <= 1.0) return;
    const LogFire& fire = logFires[firePit.logKind];
    gauge() -= std::max(fire.minimumFall, gauge() / fire.fallDivisor);
}

void drawLighting(bool paused) {
    drawSprite(logsTexture(), 493, 300);
    drawGauge("gauge fire");
    if (paused) return;
    if (pointer.leftDown && pointerOnLogs()) rubLogs();
    coolGauge();
}

void drawLogsDropping(bool paused) {
    drawSprite(logsTexture(), 493, 300 + firePit.dropOffset);
    if (paused) return;
    firePit.dropOffset += 15;
    if (firePit.dropOffset <= 225) return;
    firePit.FireState = 4;
    firePit.fishX = 500;
    firePit.fishY = 150;
    gauge() = 0;
}

// ---------------------------------------------------------------------------
// Cooking: hold the fish near the fire, serve it on the plate when it is cooked

std::string fishTexture(bool cooked) {
    return std::string(cooked ? "interact cooked " : "interact raw ") + fishNames[firePit.fishKind - 6];
}

bool insideWindowRegion(int x, int y) { return x >= 151 && x <= 849 && y >= 86 && y <= 584; }

void serveFish() {
    closeInteraction(500);
    stopSound("fire sizzle");
    if (!interaction.itemGranted) {
        interaction.itemGranted = true;
        grantItem(firePit.fishKind + 3);
    }
    saveGameNow();
}

void letGoOfFish() {
    firePit.fishHeld = false;
    if (!pointerInRect(500, 150, 132, 84)) return;
    firePit.fishX = 500;
    firePit.fishY = 150;
    if (gauge() >= cookedFrom && gauge() <= burntAbove && !interaction.closeScheduled) serveFish();
}

void moveHeldFish() {
    firePit.fishX = pointer.pointerX - firePit.grabX;
    firePit.fishY = pointer.pointerY - firePit.grabY;
    if (!pointer.leftDown) {
        letGoOfFish();
        return;
    }
    bool pointerOut = !insideWindowRegion(pointer.pointerX, pointer.pointerY);
    if (pointerOut || !insideWindowRegion(firePit.fishX, firePit.fishY)) firePit.fishHeld = false;
}

// Held, the fish follows the pointer; lying, it is pulled back inside the window.
void moveFish() {
    if (firePit.fishHeld) moveHeldFish();
    if (!firePit.fishHeld) {
        firePit.fishX = std::clamp(firePit.fishX, 201, 799);
        firePit.fishY = std::clamp(firePit.fishY, 121, 539);
    }
}

void drawFish() {
    if (gauge() >= burntAbove) return;
    drawSprite(fishTexture(gauge() >= cookedFrom), firePit.fishX, firePit.fishY);
}

// The closer to the fire (500, 550), the faster the fish cooks; past 300 px it does not.
void heatFish() {
    int d = distanceTo(firePit.fishX, firePit.fishY, 500, 550);
    if (d > 300 || firePit.burnt) return;
    double closeness = (300 - d) / 100.0;
    int q = (300 - d) / 50;
    gauge() += (closeness * closeness / 10) * (q * q);
}

// The message stays 1.5 s; the pause holds the burn time, so paused time is not counted.
void burnFish() {
    if (gauge() > burntAbove && !firePit.burnt) {
        firePit.burnt = true;
        firePit.burnTime = nowMs();
    }
    if (!firePit.burnt) return;
    if (nowMs() - firePit.burnTime <= 1500) {
        label(uiFont, 30, sf::Color::Black, AlignCentre, "You Burnt The Fish!", 500, 300);
    } else {
        stopSound("fire sizzle");
        closeInteraction(0);
    }
}

void drawCooking(bool paused) {
    if (!interaction.flyActive && !firePit.burnt) playSound("fire sizzle", false);
    drawSprite(std::string("interact fire ") + woodNames[firePit.logKind], 493, 525);
    drawGauge("gauge cooking");
    drawSprite("plate", 500, 150);
    if (!paused) moveFish();
    drawFish();
    if (!paused) heatFish();
    burnFish();
}

}  // namespace

void openFirePit() {
    firePit = FirePitState{};
    for (int r = 1; r <= 3; r++) {
        firePit.logAvailable[r] = bagHolds(r);
        firePit.fishAvailable[r] = bagHolds(r + 6);
    }
}

// While the game is paused the fire, its gauges and the fish are drawn as they are
// and stand still.
void drawFirePit() {
    bool paused = gamePaused();
    switch (firePit.FireState) {
        case 1: drawMenu(); break;
        case 2: drawLighting(paused); break;
        case 3: drawLogsDropping(paused); break;
        default: drawCooking(paused); break;
    }
}

void onFirePitPress() {
    if (firePit.FireState == 1) {
        pickRecipe();
    } else if (firePit.FireState == 2) {
        // A new press starts measuring from here, not from where the last rub ended.
        if (pointerOnLogs()) {
            firePit.lastX = pointer.pointerX;
            firePit.lastY = pointer.pointerY;
        }
    } else if (firePit.FireState == 4) {
        bool onFish = pointerInRect(firePit.fishX, firePit.fishY, 100, 70);
        if (onFish && !interaction.closeScheduled) {
            firePit.fishHeld = true;
            firePit.grabX = pointer.pointerX - firePit.fishX;
            firePit.grabY = pointer.pointerY - firePit.fishY;
        }
    }
}

bool firePitShowsPit() { return firePit.FireState <= 3; }
