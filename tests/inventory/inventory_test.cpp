// inventory_test.cpp -- the bag played through the harness: panel, drags, drops, tooltips
#include "engine/hover.h"
#include "engine/sound.h"
#include "inventory_play.h"

#include <gtest/gtest.h>

namespace {
const int32_t* slots() { return session.Inventory; }

// Pixels of the 48 x 48 icon area of target k that clearly differ between two pictures.
// The panel lets a little of the view through: a drifting cloud or the window's dimming
// behind it stays below the bar.
int changedIconPixels(const sf::Image& a, const sf::Image& b, int k) {
    int changed = 0;
    for (int y = targetY(k) - 24; y < targetY(k) + 24; y++)
        for (int x = targetX(k) - 24; x < targetX(k) + 24; x++) {
            sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
            changed += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 120;
        }
    return changed;
}
}  // namespace

TEST(Inventory, NewGameShowsTheThreeBronzeToolsInTheTopRow) {
    Harness h;
    startStandingGame(h);
    EXPECT_TRUE(soundPlaying("inventory"));
    const int32_t expected[9] = {13, 16, 19, 0, 0, 0, 0, 0, 0};
    for (int slot = 0; slot < 9; slot++) EXPECT_EQ(slots()[slot], expected[slot]) << slot;
    sf::Image withTools = h.screenshot();
    h.saveScreenshot("inventory_open");
    session.Inventory[0] = session.Inventory[1] = session.Inventory[2] = 0;
    h.step();
    sf::Image bare = h.screenshot();
    for (int k = 0; k < 12; k++) EXPECT_EQ(changedIconPixels(withTools, bare, k) > 400, k < 3) << k;
}

TEST(Inventory, PanelSlidesInEightStepsAndToggledAgainReversesWithoutAJump) {
    Harness h;
    startStandingGame(h, false);
    toggleInventory(true);
    h.step();
    EXPECT_EQ(inventoryPanel.slide, -150) << "close-only never opens";
    toggleInventory(false);
    h.step(7);
    EXPECT_EQ(inventoryPanel.slide, 165);
    h.step();
    EXPECT_EQ(inventoryPanel.slide, 200);
    EXPECT_EQ(inventoryPanel.slideSpeed, 0);
    toggleInventory(false);
    h.step(3);
    toggleInventory(false);  // half-way back up, it turns round where it is
    h.step();
    EXPECT_EQ(inventoryPanel.slide, 110);
    h.step(2);
    EXPECT_EQ(inventoryPanel.slide, 200);
}

TEST(Inventory, DropsThatChangeNothingDoNotSave) {
    Harness h;
    startStandingGame(h);
    h.writeFile(saveFile(), "untouched\n");
    dragTarget(h, 0, 0);                              // its own slot
    drag(h, targetX(1), targetY(1), 500, 300);        // over the world: no target
    dragTarget(h, 2, 10);                             // the blank square
    dragTarget(h, 3, 1);                              // an empty slot starts no drag
    drag(h, targetX(1), targetY(1), targetX(4), -5);  // let go outside the window
    const int32_t expected[5] = {13, 16, 19, 0, 0};
    for (int slot = 0; slot < 5; slot++) EXPECT_EQ(slots()[slot], expected[slot]) << slot;
    EXPECT_EQ(h.readFile(saveFile()), "untouched\n");
    EXPECT_FALSE(inventoryPanel.dragging);
}

TEST(Inventory, AnotherSlotSwapsWithItsMarkAndTheTrashEmptiesBothSaving) {
    Harness h;
    startStandingGame(h);
    dragTarget(h, 0, 4);
    dragTarget(h, 1, 4);
    const char* expected[9] = {"0", "13", "19", "0", "16", "0", "0", "0", "0"};
    for (int slot = 0; slot < 9; slot++) EXPECT_EQ(savedLine(h, 10 + slot), expected[slot]) << slot;
    session.Inventory[5] = 7;  // a Raw Bass still flying in
    interaction.newItemMarks[5] = true;
    dragTarget(h, 5, 2);
    EXPECT_EQ(slots()[5], 7) << "an arriving item cannot be picked up";
    dragTarget(h, 2, 5);
    EXPECT_EQ(slots()[2], 7);
    EXPECT_TRUE(interaction.newItemMarks[2] && !interaction.newItemMarks[5]) << "the mark travels";
    dragTarget(h, 5, 11);
    EXPECT_EQ(slots()[5], 0);
    EXPECT_TRUE(soundPlaying("trash"));
    EXPECT_EQ(savedLine(h, 15), "0");
}

TEST(Inventory, BeakerAndTrashCarryRedSlashesAndRefuseWhileTheWindowIsOn) {
    Harness h;
    startStandingGame(h);
    sf::Image plain = h.screenshot();
    h.writeFile(saveFile(), "untouched\n");
    for (WindowPhase phase : {WindowPhase::Opening, WindowPhase::Open, WindowPhase::Closing}) {
        interaction = InteractionState{};
        interaction.windowPhase = phase;
        if (phase != WindowPhase::Opening) {  // as far from closed as it gets
            interaction.windowScale = 1.0;
            interaction.windowY = 335;
            interaction.dimAlpha = 200;
        }
        dragTarget(h, 0, 9);
        dragTarget(h, 1, 11);
        h.step();
        sf::Image slashed = h.screenshot();
        for (int k : {9, 11}) EXPECT_GT(changedIconPixels(plain, slashed, k), 200) << k;
        EXPECT_EQ(changedIconPixels(plain, slashed, 10), 0);
    }
    h.saveScreenshot("inventory_refused");
    EXPECT_TRUE(slots()[0] == 13 && slots()[1] == 16);
    EXPECT_EQ(session.ResearchLevel[13], 0);
    EXPECT_EQ(h.readFile(saveFile()), "untouched\n");
}

TEST(Inventory, FullMessageOnlyWhenAllNineItemsHaveArrived) {
    Harness h;
    startStandingGame(h, false);
    h.step();
    sf::Color clear = h.pixel(990, 110);
    for (int slot = 3; slot < 9; slot++) session.Inventory[slot] = 1;
    interaction.newItemMarks[8] = true;
    h.step();
    EXPECT_FALSE(inventoryPanel.InventoryFullFlag) << "one is still flying in";
    interaction.newItemMarks[8] = false;
    h.step(2);
    EXPECT_TRUE(inventoryPanel.InventoryFullFlag);
    sf::Color shaded = h.pixel(990, 110);
    EXPECT_LT(shaded.r + shaded.g + shaded.b, (clear.r + clear.g + clear.b) / 3) << "black box, top right";
    toggleInventory(false);
    h.step(8);
    EXPECT_LT(h.pixel(990, 370).b, 40) << "the box hangs below the open panel";
    takeItem(1);
    h.step();
    EXPECT_FALSE(inventoryPanel.InventoryFullFlag);
    EXPECT_EQ(slots()[3], 0) << "the lowest slot holding it";
}

TEST(Inventory, TooltipAfter751MsOrAtOnceWithTheRightButton) {
    Harness h;
    startStandingGame(h);
    auto hoverFor = [&](int k, int ms) {  // true when a tooltip box shows after ms of hovering
        h.moveTo(targetX(k), targetY(k));
        h.step();
        sf::Color before = h.pixel(targetX(k) - 7, targetY(k) + 12);
        EXPECT_FALSE(tooltipShade(before, before));
        h.advance(ms - 34);
        h.step();
        return tooltipShade(before, h.pixel(targetX(k) - 7, targetY(k) + 12));
    };
    EXPECT_FALSE(hoverFor(1, 750));
    EXPECT_TRUE(hoverFor(0, 751));
    EXPECT_EQ(hover.id, 0);
    EXPECT_TRUE(hoverFor(9, 751)) << "Research";
    EXPECT_FALSE(hoverFor(3, 2000)) << "an empty slot says nothing";
    EXPECT_FALSE(hoverFor(10, 2000)) << "nor does the blank square";
    h.pressRight();
    EXPECT_TRUE(hoverFor(2, 34)) << "at once while the right button is held";
    h.releaseRight();
}
