// inventory.cpp -- the bag's sliding panel: motion, items, dragging, dropping and tooltips
#include "inventory/inventory.h"

#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/cheats.h"
#include "engine/hooks.h"
#include "engine/hover.h"
#include "engine/input.h"
#include "engine/random.h"
#include "engine/sliding_panel.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "engine/tooltip.h"
#include "inventory/checklist.h"
#include "world/game_session.h"
#include "world/interaction_state.h"
#include "world/kinds.h"
#include "world/tutorial_rules.h"

#include <utility>

InventoryPanel inventoryPanel;

namespace {

// [SECTION] The panel's geometry: twelve 60 px drop targets in a 3 x 4 grid
constexpr int panelSpeed = 45;       // px per step
constexpr int panelOpenY = 200;      // panel centre y when fully open
constexpr int panelClosedY = -150;   // ... and when fully closed
constexpr int slotCount = 9;         // targets 0..8 are the slots
constexpr int beakerTarget = 9;      // bottom left
constexpr int blankTarget = 10;      // bottom middle: does nothing
constexpr int trashTarget = 11;      // bottom right
constexpr int targetCount = 12;
constexpr int targetSize = 60;

int targetX(int k) { return 840 + 60 * (k % 3); }
int targetY(int k) { return inventoryPanel.slide - 90 + 60 * (k / 3); }

bool pointerOnTarget(int k) { return pointerInRectInt(targetX(k), targetY(k), targetSize, targetSize); }

// The first target under the pointer, or -1 (also when the pointer is outside the window).
int targetUnderPointer() {
    for (int k = 0; k < targetCount; k++)
        if (pointerOnTarget(k)) return k;
    return -1;
}

// An item still flying in is neither drawn, dragged nor described yet.
bool arriving(int slot) { return interaction.newItemMarks[slot]; }

bool settledItem(int slot) { return session.Inventory[slot] != 0 && !arriving(slot); }

// [SECTION] Layers, in drawing order
void moveInventoryPanel() { slidePanel(inventoryPanel.slide, inventoryPanel.slideSpeed, panelClosedY, panelOpenY); }

// Research and trash are refused while the interaction window is on screen.
void drawPanel() {
    drawSprite("inventory", 900, inventoryPanel.slide);
    if (!interactionActive()) return;
    drawSprite("red slash", targetX(beakerTarget), targetY(beakerTarget));
    drawSprite("red slash", targetX(trashTarget), targetY(trashTarget));
}

// Hangs just below the open panel, or near the top right when the panel is away.
void drawInventoryFullMessage() {
    if (!inventoryPanel.InventoryFullFlag) return;
    int base = inventoryPanel.slide > -70 ? inventoryPanel.slide + 60 : 0;
    setFill(0, 0, 0, 220);
    fillRectCentred(900, base + 95, 200, 50);
    label(uiFont, 20, sf::Color(255, 0, 0), AlignCentre, "Inventory Full", 900, base + 80);
}

// Each channel is bright about half the time and dark otherwise, drawn afresh every step.
int rainbowChannel() { return randomBelow(101) < 51 ? 250 + randomBelow(6) : randomBelow(56); }

void drawRainbowSquares() {
    if (!cheats.rainbowInventory || inventoryPanel.slide <= panelClosedY) return;
    for (int k = 0; k < targetCount; k++) {
        if (k == blankTarget) continue;
        int r = rainbowChannel();
        int g = rainbowChannel();
        int b = rainbowChannel();
        setFill(r, g, b, 150);
        fillRectCentred(targetX(k), targetY(k), 50, 50);
    }
}

void drawSlotItems() {
    for (int slot = 0; slot < slotCount; slot++)
        if (session.Inventory[slot] != 0 && !inventoryPanel.dragged[slot] && !arriving(slot))
            drawSprite(itemTextureName(session.Inventory[slot]), targetX(slot), targetY(slot));
}

int draggedSlot() {
    for (int slot = 0; slot < slotCount; slot++)
        if (inventoryPanel.dragged[slot]) return slot;
    return -1;
}

void drawDraggedItem() {
    int slot = draggedSlot();
    if (slot < 0) return;
    drawSprite(itemTextureName(session.Inventory[slot]), pointer.pointerX, pointer.pointerY);
}

void swapSlots(int a, int b) {
    std::swap(session.Inventory[a], session.Inventory[b]);
    std::swap(interaction.newItemMarks[a], interaction.newItemMarks[b]);
    saveGameNow();
}

void throwAway(int slot) {
    playSound("trash", true);
    session.Inventory[slot] = 0;
    saveGameNow();
}

// The drag ends in the first step with every button up.
void dropDraggedItem() {
    InventoryPanel& p = inventoryPanel;
    if (!p.dragging || pointer.pressLatch) return;
    p.dragging = false;
    int from = draggedSlot();
    if (from < 0) return;
    p.dragged[from] = false;
    int k = targetUnderPointer();
    if (k >= 0 && k < slotCount && k != from) swapSlots(from, k);
    else if (k == beakerTarget && !interactionActive() && tutorialMayResearch(from)) researchItem(from);
    else if (k == trashTarget && !interactionActive() && tutorialMayThrowAway()) throwAway(from);
}

std::string targetTooltip(int k) {
    if (k < slotCount) return arriving(k) ? "" : itemName(session.Inventory[k]);
    if (k == beakerTarget) return "Research";
    if (k == trashTarget) return "Trash";
    return "";
}

// Inventory tooltips always open to the left of the pointer: the panel is at the right edge.
void drawInventoryTooltip() {
    if (pointer.pointerOutside) return;
    int x = pointer.pointerX, y = pointer.pointerY;
    if (x < 800 || x > 999 || y < 70 || y > 329) return;
    int k = targetUnderPointer();
    if (!hoverShows(k < 0 ? noHover : bagHoverIds.id(k)) || k < 0) return;
    std::string text = targetTooltip(k);
    if (text.empty()) return;
    drawTooltipBox(text, false);
}

void updateInventoryFull() {
    bool full = true;
    for (int slot = 0; slot < slotCount; slot++) full = full && settledItem(slot);
    inventoryPanel.InventoryFullFlag = full;
}

}  // namespace

void toggleInventory(bool closeOnly) {
    InventoryPanel& p = inventoryPanel;
    playSound("inventory", true);
    if (p.open) {
        p.slideSpeed = -panelSpeed;
        p.open = false;
    } else if (!closeOnly) {
        p.slideSpeed = panelSpeed;
        p.open = true;
    }
}

void drawInventoryPanel() {
    moveInventoryPanel();
    drawPanel();
    drawInventoryFullMessage();
    drawRainbowSquares();
    drawSlotItems();
    drawDraggedItem();
    dropDraggedItem();
    drawInventoryTooltip();
    updateInventoryFull();
}

void beginInventoryDrag() {
    const InventoryPanel& p = inventoryPanel;
    if (!p.open || p.slideSpeed != 0 || pointer.pointerOutside) return;
    for (int slot = 0; slot < slotCount; slot++) {
        if (pointerOnTarget(slot) && settledItem(slot)) {
            inventoryPanel.dragged[slot] = true;
            inventoryPanel.dragging = true;
        }
    }
}

void resetInventoryPanel() { inventoryPanel = InventoryPanel{}; }

bool bagHolds(int item) {
    for (int slot = 0; slot < slotCount; slot++)
        if (session.Inventory[slot] == item) return true;
    return false;
}

int firstEmptySlot() {
    for (int slot = 0; slot < slotCount; slot++)
        if (session.Inventory[slot] == 0) return slot;
    return -1;
}

void takeItem(int item) {
    for (int slot = 0; slot < slotCount; slot++) {
        if (session.Inventory[slot] == item) {
            session.Inventory[slot] = 0;
            return;
        }
    }
}
