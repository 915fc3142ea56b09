// smithing.cpp -- the anvil: choose a tool on the menu, then drag its glowing pieces
// from the embers into their cells of the 4 x 4 grid; the last piece makes the tool
#include "activities/smithing.h"

#include "activities/gathering.h"
#include "engine/app_state.h"
#include "engine/asset_table.h"
#include "engine/catalogue.h"
#include "engine/hooks.h"
#include "engine/hover.h"
#include "engine/input.h"
#include "engine/pause.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "engine/tooltip.h"
#include "inventory/checklist.h"
#include "inventory/inventory.h"
#include "world/game_session.h"
#include "world/interaction_state.h"
#include "world/kinds.h"
#include "world/tutorial_rules.h"

#include <cmath>
#include <string>
#include <utility>

SmithingState smithing;

namespace {

// [SECTION] The tool menu: a 3 x 4 table, ores on top, then hatchets, pickaxes, poles
constexpr int menuBoxCount = 12;
constexpr int firstToolBox = 3;
constexpr int menuBoxWidth = 55, menuBoxHeight = 56;
const sf::Color highlight(225, 170, 0);

int menuBoxX(int k) { return 550 + 75 * (k % 3); }
int menuBoxY(int k) { return 250 + 60 * (k / 3); }
int menuBoxItem(int k) { return k < firstToolBox ? k + BronzeOre : k + 10; }
bool oreOfColumn(int k) { return smithing.oreAvailable[k % 3]; }

bool pointerOnMenuBox(int k) {
    return pointerInRectInt(menuBoxX(k), menuBoxY(k), menuBoxWidth, menuBoxHeight);
}

// The first box from `from` on that holds the pointer, or -1.
int menuBoxUnderPointer(int from) {
    for (int k = from; k < menuBoxCount; k++)
        if (pointerOnMenuBox(k)) return k;
    return -1;
}

// [SECTION] The puzzle: grid cells, starting places in the embers, sizes by place
constexpr int pieceCount = 16;
constexpr int cellsDone = 16;          // ActivityProgress of a finished tool
constexpr int snapDistance = 25;       // a piece let go closer than this to home snaps in
constexpr int emberEdgeX = 410;        // left of this a piece lies in the embers, half size
constexpr int returnGlow = 250;        // the flash of a piece sent back to the embers

constexpr PiecePlace startingPlaces[pieceCount] = {
    {241, 239}, {303, 243}, {368, 236}, {279, 295}, {224, 318}, {339, 309}, {398, 294}, {379, 346},
    {280, 355}, {219, 373}, {274, 392}, {331, 391}, {405, 398}, {373, 437}, {319, 449}, {364, 489},
};

PiecePlace cellCentre(int cell) { return {498 + 75 * (cell % 4), 228 + 75 * (cell / 4)}; }

int firstImageOf(int tool) { return 16 * (tool - BronzeHatchet); }
std::string pieceTexture(const SmithingPiece& p) { return "tool " + std::to_string(p.image); }

bool inEmbers(const SmithingPiece& p) { return p.x < emberEdgeX; }
int grabSize(const SmithingPiece& p) { return inEmbers(p) ? 38 : 75; }

bool dragged(int i) { return smithing.draggedPiece == i; }

void drawPiece(const SmithingPiece& p, bool fullSize) {
    std::string name = pieceTexture(p);
    scaleSprite(name, fullSize ? 1.0 : 0.5);
    drawSprite(name, p.x, p.y);
}

// [SECTION] Choosing a tool: the ore is taken and the pieces are laid out shuffled
void layOutPieces(int tool) {
    for (int i = 0; i < pieceCount; i++) {
        SmithingPiece& p = smithing.pieces[i];
        p.loose = true;
        p.image = i + firstImageOf(tool);
        p.placed = false;
        p.glowStep = -1;
        p.glow = 25 + randomBelow(151);
        p.x = startingPlaces[i].x;
        p.y = startingPlaces[i].y;
    }
    // The blank cells of the tool's family are done before the first piece is placed.
    for (SmithingPiece& p : smithing.pieces) {
        if (toolTileHasPiece(p.image)) continue;
        p.loose = false;
        p.image = 0;
    }
}

// Positions stay with the indices: the shuffle decides which piece lies where.
void shufflePieces() {
    for (int pass = 0; pass < 2; pass++) {
        for (int i = 0; i < pieceCount; i++) {
            SmithingPiece& a = smithing.pieces[i];
            SmithingPiece& b = smithing.pieces[randomBelow(pieceCount)];
            std::swap(a.image, b.image);
            std::swap(a.loose, b.loose);
        }
    }
}

void chooseTool(int k) {
    toggleChecklist(true);  // both toggles play their sound, open or not
    toggleInventory(true);
    smithing.menuShowing = false;
    smithing.draggedPiece = -1;
    smithing.toolKind = k + 10;
    takeItem(k % 3 + BronzeOre);
    layOutPieces(smithing.toolKind);
    shufflePieces();
    int blanks = 0;
    for (const SmithingPiece& p : smithing.pieces) blanks += p.loose ? 0 : 1;
    interaction.ActivityProgress = blanks;
    saveGameNow();
}

void pressMenu() {
    for (int k = firstToolBox; k < menuBoxCount; k++) {
        // The tutorial's anvil makes Bronze tools only, and without asking for ore.
        bool allowed = choiceAllowed(Anvil, k, oreOfColumn(k));
        if (pointerOnMenuBox(k) && allowed) {
            chooseTool(k);
            return;
        }
    }
}

// The topmost piece wins: later indices are drawn over earlier ones.
void grabPiece() {
    for (int i = pieceCount - 1; i >= 0; i--) {
        const SmithingPiece& p = smithing.pieces[i];
        if (!p.loose || !pointerInRectInt(p.x, p.y, grabSize(p), grabSize(p))) continue;
        smithing.draggedPiece = i;
        smithing.grabOffsetX = pointer.pointerX - p.x;
        smithing.grabOffsetY = pointer.pointerY - p.y;
        return;
    }
}

// [SECTION] The menu, each step
void drawMenuColumns() {
    for (int k = 0; k < menuBoxCount; k++)
        drawSprite(itemTextureName(menuBoxItem(k)), menuBoxX(k), menuBoxY(k));
    for (int k = 0; k < menuBoxCount; k++)
        if (!oreOfColumn(k)) drawSprite("red slash", menuBoxX(k), menuBoxY(k));
}

// Hovering and tooltips need a mouse; a finger on a touch screen hides what it points at.
void drawMenuHover() {
    if (touchMode) return;
    int tool = menuBoxUnderPointer(firstToolBox);
    if (tool >= 0) {
        setFill(highlight.r, highlight.g, highlight.b);
        frameRect(menuBoxX(tool), menuBoxY(tool), menuBoxWidth, menuBoxHeight);
    }
    // Leaving the table forgets the box, so coming back to it waits afresh.
    int k = menuBoxUnderPointer(0);
    if (k < 0) {
        if (pointerInRectInt(625, 340, 210, 240)) hoverShows(noHover);
        return;
    }
    if (hoverShows(smithingHoverIds.id(k))) drawTooltipBox(itemName(menuBoxItem(k)), true, menuTooltipAlpha);
}

void drawMenu() {
    label(uiFont, 20, sf::Color::Black, AlignCentre, "Select a tool to smith", 625, 200);
    drawThickLine(520, 280, 730, 280, 3, sf::Color::Black);
    drawMenuColumns();
    drawMenuHover();
}

// [SECTION] The puzzle, each step
void sendBackToEmbers(SmithingPiece& p) {
    p.x = 225 + randomBelow(176);
    p.y = 250 + randomBelow(151);
    p.glow = returnGlow;
    smithing.draggedPiece = -1;
}

void snapIntoPlace(SmithingPiece& p) {
    setSoundPitch("smithing sizzle", (8 + randomBelow(3)) / 10.0);
    playSound("smithing sizzle", true);
    PiecePlace home = pieceHome(p);
    p.x = home.x;
    p.y = home.y;
    interaction.ActivityProgress += 1;
    p.loose = false;
    p.placed = true;
    if (interaction.ActivityProgress != cellsDone) return;
    closeInteraction(finishCloseDelayMs);
    if (interaction.itemGranted) return;
    interaction.itemGranted = true;
    grantItem(smithing.toolKind);
    saveGameNow();
}

// The dragged piece follows the pointer; pulled out of the work area it drops at once.
void followPointer(SmithingPiece& p) {
    p.x = pointer.pointerX - smithing.grabOffsetX;
    p.y = pointer.pointerY - smithing.grabOffsetY;
    if (p.x < 175 || p.x > 825 || p.y < 110 || p.y > 550) sendBackToEmbers(p);
}

// Let go left of the grid, or above or below it, a piece goes back to the embers.
void letGo(SmithingPiece& p) {
    smithing.draggedPiece = -1;
    if (p.x < 200 || p.y < 200 || p.y > 530) sendBackToEmbers(p);
    PiecePlace home = pieceHome(p);
    double dx = p.x - home.x, dy = p.y - home.y;
    if (static_cast<int>(std::sqrt(dx * dx + dy * dy)) < snapDistance) snapIntoPlace(p);
}

// While the game is paused the frames hold their glow.
void glow(SmithingPiece& p) {
    if (!gamePaused()) {
        p.glow += p.glowStep;
        if (p.glow < 50 && p.glowStep < 0) p.glowStep = +2;
        if (p.glow > 150 && p.glowStep > 0) p.glowStep = -1;
    }
    setFill(highlight.r, highlight.g, highlight.b, p.glow < 0 ? 0 : p.glow > 255 ? 255 : p.glow);
    if (inEmbers(p)) frameRect(p.x, p.y, 39, 36);
    else frameRect(p.x, p.y, 76, 74);
}

void stepLoosePiece(int i) {
    SmithingPiece& p = smithing.pieces[i];
    if (dragged(i)) followPointer(p);
    if (dragged(i) && !pointer.leftDown) letGo(p);  // the left button carries, as with the fish
    if (dragged(i)) return;
    drawPiece(p, !inEmbers(p));
    glow(p);  // a piece that snapped in just now flashes its frame once
}

void drawPuzzle() {
    drawSprite("smithing grid", 610, 340);
    for (const SmithingPiece& p : smithing.pieces)
        if (p.placed) drawPiece(p, true);
    for (int i = 0; i < pieceCount; i++)
        if (smithing.pieces[i].loose) stepLoosePiece(i);
    if (smithing.draggedPiece >= 0) drawPiece(smithing.pieces[smithing.draggedPiece], true);
}

bool anvilOpen() {
    return interaction.selectedKind == Anvil && interaction.windowPhase == WindowPhase::Open;
}

}  // namespace

PiecePlace pieceHome(const SmithingPiece& piece) { return cellCentre(piece.image % 16); }

void openAnvil() {
    smithing.menuShowing = true;
    smithing.draggedPiece = -1;
    for (int ore = 0; ore < 3; ore++) smithing.oreAvailable[ore] = bagHolds(BronzeOre + ore);
}

void drawSmithing() {
    if (!anvilOpen()) return;
    if (smithing.menuShowing) drawMenu();
    else drawPuzzle();
}

void onAnvilPress() {
    if (!anvilOpen()) return;
    if (smithing.menuShowing) pressMenu();
    else grabPiece();
}
