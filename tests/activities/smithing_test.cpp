// smithing_test.cpp -- the anvil: the tool menu, the jigsaw of pieces, the finished tool
#include "activities/smithing.h"
#include "activity_helpers.h"
#include "engine/asset_table.h"
#include "engine/clock.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "inventory/checklist.h"
#include "inventory/inventory.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace {

// Menu boxes: column c (ore 4 + c) at x 550 + 75c, rows ore/hatchet/pickaxe/pole at y 250 + 60r.
int boxX(int column) { return 550 + 75 * column; }
int boxY(int row) { return 250 + 60 * row; }
constexpr int hatchetRow = 1, pickaxeRow = 2, poleRow = 3;

// A loaded game with the wisp before an anvil, its window zoomed fully open by hand
// (the zoom itself belongs to the interaction window's tests), and the given items
// in slots 3 on.
void openAnvilWindow(Harness& h, std::vector<int> items) {
    h.boot();
    h.standInGame(7);
    session.player.controlEnabled = false;  // the window is open
    session.player.playerX = middleX;
    session.world.AreaContents[middlePlace] = Anvil;
    for (size_t i = 0; i < items.size(); i++) session.Inventory[3 + i] = items[i];
    interaction.selectedKind = Anvil;
    interaction.windowPhase = WindowPhase::Open;
    interaction.windowScale = 1;
    interaction.windowY = 335;
    interaction.dimAlpha = 200;
    interaction.ActivityProgress = 0;
    interaction.itemGranted = false;
    openAnvil();
}

// A press is handled between two steps; the open window draws the anvil every step.
void press(Harness& h, int x, int y) {
    h.moveTo(x, y);
    h.pressLeft();
    h.pass();
}

void frame(Harness& h) { h.step(); }

void chooseTool(Harness& h, int column, int row) {
    press(h, boxX(column), boxY(row));
    h.releaseLeft();
}

int looseCount() {
    int n = 0;
    for (const SmithingPiece& p : smithing.pieces) n += p.loose ? 1 : 0;
    return n;
}

int firstLoose() {
    for (int i = 0; i < 16; i++)
        if (smithing.pieces[i].loose) return i;
    return -1;
}

// The topmost loose piece: nothing can lie over it, wherever it is sent.
int lastLoose() {
    for (int i = 15; i >= 0; i--)
        if (smithing.pieces[i].loose) return i;
    return -1;
}

// Grab piece i at an offset from its centre, carry the pointer so that the piece's
// centre is at (x, y), and let go.
void dragPiece(Harness& h, int i, int x, int y, int grabDx = 3, int grabDy = -2) {
    const SmithingPiece& p = smithing.pieces[i];
    press(h, p.x + grabDx, p.y + grabDy);
    ASSERT_EQ(smithing.draggedPiece, i);
    h.moveTo(x + grabDx, y + grabDy);
    frame(h);
    h.releaseLeft();
    frame(h);
}

void placePiece(Harness& h, int i) {
    PiecePlace home = pieceHome(smithing.pieces[i]);
    dragPiece(h, i, home.x, home.y);
}

bool hasItem(int item) { return std::count(session.Inventory, session.Inventory + 9, item) > 0; }

}  // namespace

TEST(Smithing, WithIronOreOnlyJustTheMiddleColumnCanBeChosenAndTheOreIsTaken) {
    Harness h;
    openAnvilWindow(h, {IronOre, IronOre});
    EXPECT_TRUE(smithing.menuShowing);
    EXPECT_FALSE(smithing.oreAvailable[0]);
    EXPECT_TRUE(smithing.oreAvailable[1]);
    EXPECT_FALSE(smithing.oreAvailable[2]);
    std::string savedBefore = h.readFile("saves/" + std::to_string(session.SaveNumber) + ".kv");

    // Tools of missing ores, the ore boxes themselves and a box's outside edges do nothing.
    const std::pair<int, int> misses[] = {
        {boxX(0), boxY(hatchetRow)}, {boxX(2), boxY(pickaxeRow)}, {boxX(0), boxY(poleRow)},
        {boxX(1), boxY(0)},          {boxX(1) - 28, boxY(hatchetRow)}, {boxX(1) + 28, boxY(hatchetRow)},
        {boxX(1), boxY(hatchetRow) - 29}, {boxX(1), boxY(hatchetRow) + 28}, {400, 400},
    };
    for (auto [x, y] : misses) {
        stopSound("menu slide");
        stopSound("inventory");
        press(h, x, y);
        h.releaseLeft();
        EXPECT_TRUE(smithing.menuShowing) << x << ", " << y;
        EXPECT_FALSE(soundPlaying("menu slide")) << x << ", " << y;
        EXPECT_FALSE(soundPlaying("inventory")) << x << ", " << y;
    }
    EXPECT_EQ(session.Inventory[3], IronOre);
    EXPECT_EQ(session.Inventory[4], IronOre);
    EXPECT_EQ(h.readFile("saves/" + std::to_string(session.SaveNumber) + ".kv"), savedBefore);

    // The Iron Hatchet's box, at its top left pixel; the open side pages close.
    toggleInventory(false);
    toggleChecklist(false);
    stopSound("menu slide");
    stopSound("inventory");
    press(h, boxX(1) - 27, boxY(hatchetRow) - 28);
    EXPECT_FALSE(smithing.menuShowing);
    EXPECT_EQ(smithing.toolKind, IronHatchet);
    EXPECT_EQ(session.Inventory[3], NoItem) << "the lowest slot's ore is taken";
    EXPECT_EQ(session.Inventory[4], IronOre);
    EXPECT_EQ(savedLine(h, inventorySaveLine(3)), "0");
    EXPECT_EQ(savedLine(h, inventorySaveLine(4)), "5");
    EXPECT_TRUE(soundPlaying("menu slide"));
    EXPECT_TRUE(soundPlaying("inventory"));
    EXPECT_FALSE(inventoryPanel.open);
    EXPECT_FALSE(checklistPage.open);
    EXPECT_EQ(smithing.draggedPiece, -1);
}

TEST(Smithing, LeavingMidPuzzleLosesTheOreAndTheNextOpeningStartsAtTheMenu) {
    Harness h;
    standBefore(h, Anvil);
    session.Inventory[3] = TitaniumOre;
    openWindow(h);
    EXPECT_TRUE(smithing.menuShowing);
    EXPECT_TRUE(smithing.oreAvailable[2]);
    h.click(boxX(2), boxY(poleRow));
    EXPECT_EQ(smithing.toolKind, TitaniumFishingPole);
    placePiece(h, firstLoose());
    h.typeCode(27);
    h.step(12);
    ASSERT_TRUE(windowIs(WindowPhase::Closed));
    openWindow(h);
    EXPECT_TRUE(smithing.menuShowing);
    EXPECT_FALSE(smithing.oreAvailable[2]) << "the ore went into the abandoned tool";
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 0);
    EXPECT_FALSE(hasItem(TitaniumFishingPole));
}

TEST(Smithing, EachToolIsCutIntoItsFamilysPiecesAndBlankCellsStayEmpty) {
    const std::set<int> blankCells[3] = {
        {3, 7, 12, 13, 14},            // hatchet
        {3, 7, 12, 13},                // pickaxe
        {2, 3, 7, 9, 12, 13, 14},      // fishing pole
    };
    const int pieces[3] = {11, 12, 9};
    const std::set<std::pair<int, int>> startingPlaces = {
        {241, 239}, {303, 243}, {368, 236}, {279, 295}, {224, 318}, {339, 309}, {398, 294}, {379, 346},
        {280, 355}, {219, 373}, {274, 392}, {331, 391}, {405, 398}, {373, 437}, {319, 449}, {364, 489},
    };
    Harness h;
    openAnvilWindow(h, {});
    for (int row = hatchetRow; row <= poleRow; row++) {
        for (int column = 0; column < 3; column++) {
            int tool = BronzeHatchet + 3 * (row - 1) + column;
            int family = row - 1;
            session.Inventory[3] = BronzeOre + column;
            openAnvil();
            chooseTool(h, column, row);
            SCOPED_TRACE(itemName(tool));
            ASSERT_EQ(smithing.toolKind, tool);
            EXPECT_EQ(looseCount(), pieces[family]);
            EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 16 - pieces[family]);

            std::set<int> cells;
            std::set<std::pair<int, int>> places;
            for (const SmithingPiece& p : smithing.pieces) {
                places.insert({p.x, p.y});
                EXPECT_FALSE(p.placed);
                if (!p.loose) {
                    EXPECT_EQ(p.image, 0);
                    continue;
                }
                EXPECT_GE(p.image, 16 * (tool - BronzeHatchet));
                EXPECT_LE(p.image, 16 * (tool - BronzeHatchet) + 15);
                EXPECT_TRUE(toolTileHasPiece(p.image)) << "tile " << p.image;
                EXPECT_EQ(blankCells[family].count(p.image % 16), 0u) << "cell " << p.image % 16;
                cells.insert(p.image % 16);
            }
            EXPECT_EQ(cells.size() + blankCells[family].size(), 16u) << "every cell but the blanks once";
            EXPECT_EQ(places, startingPlaces);
        }
    }
}

TEST(Smithing, TheSameDrawsGiveTheSameShuffleAndOtherDrawsAnother) {
    auto layout = [](uint32_t seed) {
        Harness h;
        openAnvilWindow(h, {TitaniumOre});
        reseedSharedRandom(seed);
        chooseTool(h, 2, pickaxeRow);
        std::vector<std::pair<int, bool>> pieces;
        for (const SmithingPiece& p : smithing.pieces) {
            EXPECT_GE(p.glow, 25);
            EXPECT_LE(p.glow, 175);
            EXPECT_EQ(p.glowStep, -1);
            pieces.push_back({p.image, p.loose});
        }
        return pieces;
    };
    // The draws in their order: sixteen glows, then two passes of sixteen swaps.
    auto drawnLayout = [](uint32_t seed) {
        reseedSharedRandom(seed);
        std::vector<std::pair<int, bool>> pieces;
        for (int i = 0; i < 16; i++) {
            randomBelow(151);
            int image = 16 * (TitaniumPickaxe - BronzeHatchet) + i;
            bool loose = toolTileHasPiece(image);
            pieces.push_back({loose ? image : 0, loose});
        }
        for (int pass = 0; pass < 2; pass++)
            for (int i = 0; i < 16; i++) std::swap(pieces[i], pieces[randomBelow(16)]);
        return pieces;
    };
    auto first = layout(99);
    EXPECT_EQ(layout(99), first);
    EXPECT_EQ(first, drawnLayout(99));
    std::set<std::vector<std::pair<int, bool>>> layouts;
    bool anyInOrder = false;
    for (uint32_t seed = 1; seed <= 8; seed++) {
        auto pieces = layout(seed);
        layouts.insert(pieces);
        bool inOrder = true;
        for (int i = 0; i < 16; i++) inOrder = inOrder && (!pieces[i].second || pieces[i].first % 16 == i);
        anyInOrder = anyInOrder || inOrder;
    }
    EXPECT_EQ(layouts.size(), 8u);
    EXPECT_FALSE(anyInOrder) << "the pieces lie shuffled in the embers";
}

TEST(Smithing, APieceLetGoCloserThan25PixelsToItsCellSnapsIn) {
    Harness h;
    openAnvilWindow(h, {BronzeOre});
    chooseTool(h, 0, pickaxeRow);  // twelve pieces
    const struct {
        int dx, dy;
        bool snaps;
    } drops[] = {{24, 0, true}, {25, 0, false}, {0, -24, true}, {0, 25, false},
                 {17, 17, true}, {15, 20, false}, {-20, -15, false}, {-1, 0, true}};
    std::set<int> pitches;
    double progress = interaction.ActivityProgress;
    for (auto drop : drops) {
        int i = firstLoose();
        ASSERT_GE(i, 0);
        PiecePlace home = pieceHome(smithing.pieces[i]);
        stopSound("smithing sizzle");
        dragPiece(h, i, home.x + drop.dx, home.y + drop.dy);
        const SmithingPiece& p = smithing.pieces[i];
        SCOPED_TRACE(testing::Message() << "offset " << drop.dx << ", " << drop.dy);
        EXPECT_EQ(smithing.draggedPiece, -1);
        EXPECT_EQ(p.placed, drop.snaps);
        EXPECT_EQ(p.loose, !drop.snaps);
        EXPECT_EQ(soundPlaying("smithing sizzle"), drop.snaps);
        if (drop.snaps) {
            progress += 1;
            EXPECT_EQ(p.x, home.x);
            EXPECT_EQ(p.y, home.y);
            pitches.insert(static_cast<int>(std::lround(soundState.sounds.at("smithing sizzle")->getPitch() * 10)));
        } else {
            EXPECT_EQ(p.x, home.x + drop.dx) << "a missed piece lies where it was let go";
            EXPECT_EQ(p.y, home.y + drop.dy);
            placePiece(h, i);  // tidy up so the next drop takes a fresh piece
            progress += 1;
        }
        EXPECT_DOUBLE_EQ(interaction.ActivityProgress, progress);
    }
    for (int pitch : pitches) EXPECT_TRUE(pitch >= 8 && pitch <= 10) << pitch;
}

TEST(Smithing, PiecesPulledOutOfTheWorkAreaOrDroppedBesideTheGridGoBackToTheEmbers) {
    Harness h;
    openAnvilWindow(h, {TitaniumOre});
    chooseTool(h, 2, poleRow);
    int i = lastLoose();
    const SmithingPiece& p = smithing.pieces[i];
    auto inEmbers = [&] { return p.x >= 225 && p.x <= 400 && p.y >= 250 && p.y <= 400; };

    // Held at x 825 it is still carried; one pixel further it drops at once.
    press(h, p.x, p.y);
    h.moveTo(825, 300);
    frame(h);
    EXPECT_EQ(smithing.draggedPiece, i);
    EXPECT_EQ(p.x, 825);
    h.moveTo(826, 300);
    frame(h);
    EXPECT_EQ(smithing.draggedPiece, -1) << "dropped while the button is still held";
    EXPECT_TRUE(inEmbers()) << p.x << ", " << p.y;
    EXPECT_EQ(p.glow, 249) << "the flash of 250 has faded by one in the same step";
    frame(h);
    EXPECT_EQ(p.glow, 248);
    h.releaseLeft();
    frame(h);
    EXPECT_FALSE(p.placed);

    // Out over the top edge.
    press(h, p.x, p.y);
    h.moveTo(500, 109);
    frame(h);
    EXPECT_EQ(smithing.draggedPiece, -1);
    EXPECT_TRUE(inEmbers());
    h.releaseLeft();
    frame(h);

    // Let go left of x 200, above y 200 or below y 530: back to the embers, bright.
    const std::pair<int, int> besideTheGrid[] = {{199, 300}, {600, 199}, {600, 531}};
    for (auto [x, y] : besideTheGrid) {
        dragPiece(h, i, x, y);
        EXPECT_TRUE(inEmbers()) << x << ", " << y;
        EXPECT_EQ(p.glow, 249) << x << ", " << y;
        EXPECT_TRUE(p.loose);
    }
    // Let go inside the work area, away from its cell: it stays and can be taken again.
    const std::pair<int, int> stays[] = {{200, 300}, {430, 200}, {760, 530}};
    for (auto [x, y] : stays) {
        dragPiece(h, i, x, y);
        EXPECT_EQ(p.x, x);
        EXPECT_EQ(p.y, y);
        EXPECT_TRUE(p.loose);
    }
}

TEST(Smithing, GrabTakesTheTopmostPieceInItsBoxBySize) {
    Harness h;
    openAnvilWindow(h, {BronzeOre});
    chooseTool(h, 0, hatchetRow);
    std::vector<int> loose;
    for (int i = 0; i < 16; i++)
        if (smithing.pieces[i].loose) loose.push_back(i);
    ASSERT_GE(loose.size(), 3u);
    int lower = loose[0], upper = loose[1], big = loose[2];
    SmithingPiece& a = smithing.pieces[lower];
    SmithingPiece& b = smithing.pieces[upper];
    SmithingPiece& c = smithing.pieces[big];
    a.x = b.x = 300;
    a.y = b.y = 300;
    c.x = 600;  // outside the embers: full size
    c.y = 480;

    press(h, 300 + 18, 300 - 19);
    EXPECT_EQ(smithing.draggedPiece, upper) << "the later index lies on top";
    h.releaseLeft();
    frame(h);
    press(h, 300 + 19, 300);
    EXPECT_EQ(smithing.draggedPiece, -1) << "an ember piece is grabbed in a 38 px box";
    h.releaseLeft();
    press(h, 600 + 37, 480 - 37);
    EXPECT_EQ(smithing.draggedPiece, big) << "a full-size piece in a 75 px box";
    h.releaseLeft();
    frame(h);
    press(h, 600 - 38, 480);
    EXPECT_EQ(smithing.draggedPiece, -1);
}

TEST(Smithing, TheToolIsMadeAtTheLastSnapAndNeverBefore) {
    Harness h;
    openAnvilWindow(h, {BronzeOre});
    chooseTool(h, 0, poleRow);
    ASSERT_EQ(looseCount(), 9);
    for (int placed = 0; placed < 8; placed++) {
        placePiece(h, firstLoose());
        EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 8 + placed);
        EXPECT_FALSE(interaction.closeScheduled);
        EXPECT_FALSE(interaction.itemGranted);
        EXPECT_EQ(session.Inventory[3], NoItem) << "no tool after " << placed + 1 << " pieces";
        EXPECT_EQ(std::count(session.Inventory, session.Inventory + 9, BronzeFishingPole), 1);
    }
    int i = firstLoose();
    PiecePlace home = pieceHome(smithing.pieces[i]);
    press(h, smithing.pieces[i].x, smithing.pieces[i].y);
    h.moveTo(home.x, home.y);
    frame(h);
    h.releaseLeft();
    frame(h);
    int32_t lastSnapAt = h.now();  // the snap happens in this frame
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 16);
    EXPECT_TRUE(interaction.itemGranted);
    EXPECT_EQ(session.Inventory[3], BronzeFishingPole) << "the ore's slot was the first free one";
    EXPECT_TRUE(interaction.flyActive);
    EXPECT_EQ(savedLine(h, inventorySaveLine(3)), std::to_string(BronzeFishingPole));
    EXPECT_TRUE(interaction.closeScheduled);
    EXPECT_EQ(interaction.closeAt, lastSnapAt + 500);
    EXPECT_EQ(session.world.AreaContents[middlePlace], Anvil) << "the anvil stays";

    while (h.now() + 34 < lastSnapAt + 500) {
        frame(h);
        ASSERT_TRUE(windowIs(WindowPhase::Open));
    }
    frame(h);
    frame(h);
    EXPECT_TRUE(windowIs(WindowPhase::Closing));
    EXPECT_EQ(std::count(session.Inventory, session.Inventory + 9, BronzeFishingPole), 2)
        << "one new pole beside the starting one";
}

// The bag is full, or something was already handed over in this opening.
TEST(Smithing, WithoutRoomOrAfterAnAwardNoToolComesButTheWindowStillClosesAndSaves) {
    for (bool fullBag : {true, false}) {
        Harness h;
        openAnvilWindow(h, {IronOre});
        chooseTool(h, 1, hatchetRow);
        while (looseCount() > 1) placePiece(h, firstLoose());
        if (fullBag) for (int slot = 3; slot < 9; slot++) session.Inventory[slot] = PineLogs;
        else interaction.itemGranted = true;
        placePiece(h, firstLoose());
        SCOPED_TRACE(fullBag ? "full bag" : "already awarded");
        EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 16);
        EXPECT_FALSE(hasItem(IronHatchet));
        EXPECT_FALSE(interaction.flyActive);
        EXPECT_TRUE(interaction.closeScheduled);
        if (fullBag) {
            EXPECT_EQ(savedLine(h, inventorySaveLine(8)), std::to_string(PineLogs)) << "saved at the end";
        }
    }
}

TEST(Smithing, GlowingFramesPulseBetweenFaintAndBright) {
    Harness h;
    openAnvilWindow(h, {BronzeOre});
    chooseTool(h, 0, hatchetRow);
    SmithingPiece& p = smithing.pieces[firstLoose()];
    p.glow = 100;
    p.glowStep = -1;
    int lowest = 1000, highest = -1000;
    for (int i = 0; i < 300; i++) {
        frame(h);
        lowest = std::min(lowest, p.glow);
        highest = std::max(highest, p.glow);
    }
    EXPECT_EQ(lowest, 49);
    EXPECT_EQ(highest, 151);
}

TEST(Smithing, HoverFrameAndTooltipsOnlyWithAMouse) {
    const sf::Color gold(225, 170, 0), tipGrey(50, 50, 50);
    for (bool touch : {false, true}) {
        Harness h;
        openAnvilWindow(h, {});  // no ore: a tap on a box chooses nothing
        touchMode = touch;
        SCOPED_TRACE(touch ? "touch" : "mouse");
        int x = boxX(1) + 5, y = boxY(hatchetRow) + 5;
        h.moveTo(x, y);
        h.releaseLeft();
        frame(h);
        // The frame's left bar lies just outside the box's left edge at x 597.
        EXPECT_EQ(sameColour(h.pixel(596, boxY(hatchetRow)), gold), !touch);
        int32_t hoverFrom = h.now();
        while (h.now() + 34 - hoverFrom < 751) {
            frame(h);
            ASSERT_FALSE(sameColour(h.pixel(x + 12, y + 3), tipGrey)) << h.now() - hoverFrom << " ms";
        }
        frame(h);  // 751 ms or more
        EXPECT_EQ(h.pixel(x + 12, y + 3) == sf::Color(50, 50, 50, 255), !touch) << "an opaque box";
        EXPECT_EQ(h.pixel(x + 12, y + 23) == sf::Color(50, 50, 50, 255), !touch);
    }
}

TEST(Smithing, LooksRightOnTheMenuAndHalfWayThroughAPuzzle) {
    Harness h;
    openAnvilWindow(h, {IronOre});
    h.moveTo(boxX(1) + 10, boxY(pickaxeRow) + 8);
    frame(h);
    h.step(22);
    frame(h);  // hovered for 782 ms: the tooltip shows
    // Every box of the Bronze and Titanium columns is slashed in red, the Iron column's none.
    sf::Image shot = h.screenshot();
    auto redPixels = [&](int column, int row) {
        int n = 0;
        for (int y = boxY(row) - 25; y < boxY(row) + 25; y++)
            for (int x = boxX(column) - 25; x < boxX(column) + 25; x++) {
                sf::Color c = shot.getPixel(x, y);
                n += c.r > 180 && c.g < 80 && c.b < 80 ? 1 : 0;
            }
        return n;
    };
    for (int row = 0; row < 4; row++) {
        EXPECT_GT(redPixels(0, row), 150) << "row " << row;
        EXPECT_LT(redPixels(1, row), 30) << "row " << row;
        EXPECT_GT(redPixels(2, row), 150) << "row " << row;
    }
    h.saveScreenshot("smithing_menu");

    chooseTool(h, 1, pickaxeRow);
    for (int k = 0; k < 6; k++) placePiece(h, firstLoose());
    // One piece left on a free cell that is not its own, at full size.
    int wrong = firstLoose();
    int ownCell = smithing.pieces[wrong].image % 16;
    std::set<int> taken = {3, 7, 12, 13, ownCell};
    for (const SmithingPiece& p : smithing.pieces)
        if (p.placed) taken.insert(p.image % 16);
    int cell = 15;
    while (taken.count(cell)) cell--;
    dragPiece(h, wrong, 498 + 75 * (cell % 4), 228 + 75 * (cell / 4));
    EXPECT_TRUE(smithing.pieces[wrong].loose);
    // And one carried over the grid's bottom edge.
    int carried = firstLoose() == wrong ? -1 : firstLoose();
    for (int i = 15; carried < 0 && i >= 0; i--)
        if (smithing.pieces[i].loose && i != wrong) carried = i;
    press(h, smithing.pieces[carried].x, smithing.pieces[carried].y);
    h.moveTo(640, 470);
    frame(h);
    EXPECT_EQ(smithing.draggedPiece, carried);
    h.saveScreenshot("smithing_puzzle");
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, 4 + 6);
}

// The left button carries a piece, as it carries the cooking fish: another button
// still held does not keep the piece in hand.
TEST(Smithing, APieceIsLetGoWhenTheLeftButtonIsUpWhateverElseIsHeld) {
    Harness h;
    openAnvilWindow(h, {BronzeOre});
    chooseTool(h, 0, hatchetRow);
    frame(h);
    int i = lastLoose();
    const SmithingPiece& p = smithing.pieces[i];
    PiecePlace home = pieceHome(p);
    press(h, p.x + 3, p.y - 2);
    ASSERT_EQ(smithing.draggedPiece, i);
    h.moveTo(home.x + 3, home.y - 2);
    frame(h);
    h.pressRight();
    frame(h);
    h.releaseLeft();
    frame(h);
    EXPECT_EQ(smithing.draggedPiece, -1);
    EXPECT_TRUE(p.placed) << "let go on its home cell, it snapped in";
    h.releaseRight();
}

TEST(Smithing, WithoutTheFocusThePiecesHoldTheirGlow) {
    Harness h;
    openAnvilWindow(h, {BronzeOre});
    chooseTool(h, 0, poleRow);
    int glow = smithing.pieces[firstLoose()].glow;
    h.setFocus(false);
    h.step(10);
    EXPECT_EQ(smithing.pieces[firstLoose()].glow, glow);
}
