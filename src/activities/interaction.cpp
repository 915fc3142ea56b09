// interaction.cpp -- the zooming interaction window: opening, closing, the close-up,
// the info panel, the progress bar and passing presses on
#include "activities/interaction.h"

#include "activities/fire_pit.h"
#include "activities/fishing.h"
#include "activities/gathering.h"
#include "activities/mining.h"
#include "activities/smithing.h"
#include "activities/woodcutting.h"
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/cover.h"
#include "engine/hooks.h"
#include "engine/input.h"
#include "engine/pause.h"
#include "engine/platform.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "world/game_session.h"
#include "world/kinds.h"
#include "world/tutorial_rules.h"

#include <string>

namespace {

constexpr int openWindowY = 335;    // panel centre y once open
constexpr int closedWindowY = 600;  // ... and while closed
constexpr int fullDim = 200;        // overlay alpha once open



// ---------------------------------------------------------------------------
// The fire pit and the anvil: fire lighting and cooking, and smithing.

void prepareStation(int kind) {
    if (kind == FirePit) openFirePit();
    else if (kind == Anvil) openAnvil();
}

void pressStation() {
    if (interaction.selectedKind == FirePit) onFirePitPress();
    else if (interaction.selectedKind == Anvil) onAnvilPress();
}

void runStation() {
    if (interaction.selectedKind == FirePit) drawFirePit();
    else if (interaction.selectedKind == Anvil) drawSmithing();
}

// ---------------------------------------------------------------------------
// Drawing

void drawPanel(double scale) {
    scaleSprite("interaction", scale);
    drawSprite("interaction", 500, interaction.windowY);
}

// Trees and the fire pit share their sprite with the area view, so every close-up
// puts its sprite back to full size once drawn.
void drawObjectPicture() {
    int kind = interaction.selectedKind;
    std::string name = interactionTextureName(kind);
    if (name.empty()) return;
    double y = interaction.windowY;
    if (kind == OakTree) y += 10;
    // Once the logs have dropped in and burn, the lit fire replaces the pit.
    if (kind == FirePit && !firePitShowsPit()) return;
    if (kind == FirePit) y += 225 * interaction.windowScale;
    scaleSprite(name, interaction.windowScale);
    drawSprite(name, 500, y);
    scaleSprite(name, 1.0);
}

std::string toolLine(sf::Color& colour) {
    // The tutorial lends the Bronze tool of each family and shows no advantage number.
    std::string lent = lentToolName(interaction.selectedKind);
    if (!lent.empty()) {
        colour = sf::Color::Black;
        return lent;
    }
    std::string name = currentToolName(interaction.selectedKind, interaction.currentToolItem);
    int advantage = interaction.ToolAdvantage;
    colour = sf::Color::Black;
    if (advantage > 0) {
        colour = sf::Color(0, 110, 0);
        return name + "   +" + std::to_string(advantage);
    }
    if (advantage < 0) {
        colour = sf::Color(150, 0, 0);
        return name + "   " + std::to_string(advantage);
    }
    return name;
}

void drawInfoPanel() {
    int kind = interaction.selectedKind;
    const sf::Color black = sf::Color::Black;
    label(defaultFont, 25, black, AlignLeft, objectDisplayName(kind), 175, 100);
    if (!isGatherable(kind)) return;
    interaction.ToolAdvantage = toolAdvantage(interaction.currentToolItem, kind);
    label(defaultFont, 18, black, AlignLeft, "Recommended Tool:", 175, 480);
    label(defaultFont, 18, black, AlignLeft, recommendedToolName(kind), 175, 500);
    label(defaultFont, 18, black, AlignLeft, "Current Tool:", 175, 530);
    sf::Color colour;
    std::string line = toolLine(colour);
    label(defaultFont, 18, colour, AlignLeft, line, 175, 550);
}

// The bar sits above the panel on a touch screen, where a hand would cover its foot.
void drawProgressBar() {
    int y = touchMode ? 115 : 560;
    setFill(20, 110, 4);
    fillBarFromLeft(630, y, 15, static_cast<int>(interaction.ActivityProgress));
    setFill(0, 0, 0);
    frameRectInt(730, y, 200, 16);
}

// ---------------------------------------------------------------------------
// The three phases

void stepOpening() {
    InteractionState& w = interaction;
    if (w.windowScale < 0.05) playSound("interact open", true);
    if (w.windowScale < 1.0) w.windowScale += 0.05;
    else w.windowScale = 1.0;
    w.windowY -= 25;
    if (w.windowY < 336) w.windowY = openWindowY;
    if (w.dimAlpha < fullDim) w.dimAlpha += 20;
    else w.dimAlpha = fullDim;
    if (w.windowScale == 1.0 && w.windowY == openWindowY && w.dimAlpha == fullDim)
        w.windowPhase = WindowPhase::Open;
    shadeView(w.dimAlpha);
    drawPanel(w.windowScale);
    drawObjectPicture();
}

void stepClosing() {
    InteractionState& w = interaction;
    stopSound("pond ripple");
    stopSound("fire sizzle");
    if (w.windowScale > 0.9) playSound("menu slide", true);
    if (w.windowScale > 0.005) w.windowScale -= 0.1;
    else w.windowScale = 0.001;
    w.dimAlpha -= 20;
    if (w.dimAlpha < 1) w.dimAlpha = 0;
    if (w.windowScale < 0.005 && w.dimAlpha == 0) {
        w.windowPhase = WindowPhase::Closed;
        session.player.controlEnabled = true;
        w.windowY = closedWindowY;
    }
    shadeView(w.dimAlpha);
    drawPanel(w.windowScale);
    drawObjectPicture();
}

void stepOpen() {
    InteractionState& w = interaction;
    shadeView(w.dimAlpha);
    uncover();
    drawPanel(1.0);
    drawObjectPicture();
    drawInfoPanel();
    updateWoodcutting();
    updateMining();
    updateFishing();
    runStation();
    if (w.closeScheduled && nowMs() - w.closeAt > 0) {
        w.windowPhase = WindowPhase::Closing;
        w.closeScheduled = false;
        showCursorAgain();
    }
    if (isGatherable(w.selectedKind)) drawProgressBar();
}

// Touch: a tap outside the panel closes it, but not one on the HUD bar or on a side
// page that is open over the panel's edge.
bool tapClosesWindow() {
    // A lesson's window stays until the lesson is done.
    if (!touchMode || helpOpen() || lessonHoldsWindow()) return false;
    if (pointerInRectInt(500, 335, 700, 500)) return false;
    return !pointerOnBarOrOpenPage();
}

}  // namespace

// ---------------------------------------------------------------------------
// Opening and closing

void openInteraction() {
    InteractionState& w = interaction;
    if (w.windowPhase == WindowPhase::Opening || w.windowPhase == WindowPhase::Open) return;
    int kind = session.world.AreaContents[placeOfWisp()];
    w.selectedKind = kind;
    if (kind == EmptyPlace) return;

    w.currentToolItem = isGatherable(kind) ? currentTool(kind, session.Inventory) : 0;
    // The info panel keeps this current; a press may come before its first open step.
    w.ToolAdvantage = isGatherable(kind) ? toolAdvantage(w.currentToolItem, kind) : 0;
    if (isTree(kind)) clearSwipe();
    else if (isRock(kind)) startMining(kind);
    else if (isPond(kind)) startRipples(kind);
    else prepareStation(kind);

    w.ActivityProgress = 0;
    w.itemGranted = false;
    // A close still pending from the last opening (Esc beat the 500 ms) must not end this one.
    w.closeScheduled = false;
    w.windowPhase = WindowPhase::Opening;
    session.player.controlEnabled = false;
    for (bool& mark : w.newItemMarks) mark = false;
    w.flyActive = false;
}

void resetInteraction() {
    if (interaction.cursorHidden) platformSetCursorVisible(true);
    interaction = InteractionState{};
    swipe = SwipeState{};
    mining = MiningState{};
    ripples = RippleState{};
}

// ---------------------------------------------------------------------------
// Every step and every press

void coverBehindPanel() {
    if (interaction.windowPhase == WindowPhase::Open) coverRect(panelInterior);
}

void drawInteraction() {
    switch (interaction.windowPhase) {
        case WindowPhase::Opening: stepOpening(); break;
        case WindowPhase::Closing: stepClosing(); break;
        case WindowPhase::Open: stepOpen(); break;
        case WindowPhase::Closed: break;
    }
}

void onInteractionPress() {
    // Behind the pause no press reaches the window.
    if (interaction.windowPhase != WindowPhase::Open || gamePaused()) return;
    onTreePress();
    onRockPress();
    pressStation();
    if (tapClosesWindow()) closeInteraction(0);
}
