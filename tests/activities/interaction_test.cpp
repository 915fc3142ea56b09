// interaction_test.cpp -- the interaction window played: opening, closing, info panel,
// progress bar, items handed over, and which presses close it
#include "activities/interaction.h"
#include "activities/mining.h"
#include "activity_helpers.h"
#include "engine/platform.h"
#include "engine/sound.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/hud.h"
#include "inventory/inventory.h"
#include "world/kinds.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Counts pixels of exactly this colour in a box of the current picture.
int pixelsOfColour(Harness& h, sf::Color colour, int left, int top, int width, int height) {
    sf::Image image = h.screenshot();
    int count = 0;
    for (int y = top; y < top + height; y++)
        for (int x = left; x < left + width; x++)
            if (sameColour(image.getPixel(x, y), colour)) count++;
    return count;
}

const sf::Color advantageGreen(0, 110, 0), disadvantageRed(150, 0, 0);

// The tool line at (175, 550), 18 px text.
int toolLinePixels(Harness& h, sf::Color colour) { return pixelsOfColour(h, colour, 175, 548, 330, 26); }

// A touch player before a bronze rock, its window open.
void openRockByTouch(Harness& h) {
    standBefore(h, BronzeRock);
    touchMode = true;
    openWindow(h);
}

}  // namespace

TEST(Interaction, SpaceOverAnEmptyPlaceDoesNothing) {
    Harness h;
    standBefore(h, EmptyPlace);
    h.typeCode(32);
    h.step(5);
    EXPECT_TRUE(windowIs(WindowPhase::Closed));
    EXPECT_TRUE(session.player.controlEnabled);
    EXPECT_EQ(interaction.windowY, 600);
}

TEST(Interaction, OpeningZoomsInAboutTwentyStepsAndSpaceAgainDoesNotRestartIt) {
    Harness h;
    standBefore(h, BirchTree);
    h.typeCode(32);
    EXPECT_TRUE(windowIs(WindowPhase::Opening));
    EXPECT_FALSE(session.player.controlEnabled) << "the wisp is held as soon as the window opens";
    h.step();
    EXPECT_TRUE(soundPlaying("interact open"));
    h.step(9);
    double halfway = interaction.windowScale;
    EXPECT_NEAR(halfway, 0.501, 1e-9);
    h.typeCode(32);
    h.step();
    EXPECT_NEAR(interaction.windowScale, halfway + 0.05, 1e-9) << "Space while opening restarts nothing";
    int steps = 11;
    while (!windowIs(WindowPhase::Open) && steps < 40) {
        h.step();
        steps++;
    }
    EXPECT_GE(steps, 20);
    EXPECT_LE(steps, 22);
    EXPECT_EQ(interaction.windowScale, 1.0);
    EXPECT_EQ(interaction.windowY, 335);
    EXPECT_EQ(interaction.dimAlpha, 200);
}

TEST(Interaction, EscClosesInTenStepsAndOnlyThenGivesTheWispBack) {
    Harness h;
    openBefore(h, BronzeRock);
    h.holdKey(sf::Keyboard::D);
    h.step(5);
    EXPECT_EQ(session.player.playerX, middleX) << "no walking while the window is open";
    h.releaseKey(sf::Keyboard::D);
    h.typeCode(27);
    EXPECT_TRUE(windowIs(WindowPhase::Closing));
    h.step();
    EXPECT_TRUE(soundPlaying("menu slide"));
    h.step(8);
    EXPECT_TRUE(windowIs(WindowPhase::Closing));
    EXPECT_FALSE(session.player.controlEnabled);
    h.step();
    EXPECT_TRUE(windowIs(WindowPhase::Closed));
    EXPECT_TRUE(session.player.controlEnabled);
    EXPECT_EQ(interaction.windowY, 600);
    EXPECT_EQ(interaction.dimAlpha, 0);
    EXPECT_EQ(session.world.AreaContents[middlePlace], BronzeRock) << "closing takes nothing away";
}

TEST(Interaction, EscWhileOpeningIsIgnoredAndTheWindowReopensAfterClosing) {
    Harness h;
    standBefore(h, Anvil);
    h.typeCode(32);
    h.step(3);
    h.typeCode(27);
    EXPECT_TRUE(windowIs(WindowPhase::Opening));
    openWindow(h);
    h.typeCode(27);
    h.step(10);
    ASSERT_TRUE(windowIs(WindowPhase::Closed));
    openWindow(h);
    EXPECT_EQ(interaction.selectedKind, Anvil);
}

TEST(Interaction, StationsOpenWithTheirNameAndNoToolLines) {
    for (int kind : {FirePit, Anvil}) {
        Harness h;
        openBefore(h, kind);
        h.step();
        EXPECT_GT(pixelsOfColour(h, sf::Color::Black, 175, 100, 200, 30), 20) << "the name, kind " << kind;
        EXPECT_EQ(pixelsOfColour(h, sf::Color::Black, 175, 482, 200, 14), 0)
            << "no \"Recommended Tool:\" for kind " << kind;
        EXPECT_EQ(pixelsOfColour(h, sf::Color(20, 110, 4), 630, 553, 200, 15), 0) << "no progress bar";
    }
}

TEST(Interaction, ToolLineShowsTheAdvantageInGreenOrRed) {
    {
        Harness h;  // Iron Hatchet on a birch tree: +1
        standBefore(h, BirchTree);
        session.Inventory[4] = IronHatchet;
        openWindow(h);
        h.step();
        EXPECT_EQ(interaction.currentToolItem, IronHatchet);
        EXPECT_EQ(interaction.ToolAdvantage, 1);
        EXPECT_GT(toolLinePixels(h, advantageGreen), 30);
        EXPECT_EQ(toolLinePixels(h, disadvantageRed), 0);
    }
    {
        Harness h;  // no pickaxe at all on an iron rock: Wood Pickaxe, -2
        standBefore(h, IronRock);
        session.Inventory[1] = NoItem;
        openWindow(h);
        h.step();
        EXPECT_EQ(interaction.currentToolItem, NoItem);
        EXPECT_EQ(interaction.ToolAdvantage, -2);
        EXPECT_GT(toolLinePixels(h, disadvantageRed), 30);
        EXPECT_EQ(toolLinePixels(h, advantageGreen), 0);
        h.saveScreenshot("activities_iron_rock_wood_pickaxe");
    }
    {
        Harness h;  // Bronze Fishing Pole on a bass pond: even, black
        openBefore(h, BassPond);
        h.step();
        EXPECT_EQ(interaction.ToolAdvantage, 0);
        EXPECT_EQ(toolLinePixels(h, disadvantageRed) + toolLinePixels(h, advantageGreen), 0);
        EXPECT_GT(toolLinePixels(h, sf::Color::Black), 30);
    }
}

TEST(Interaction, ToolIsChosenWhenTheWindowOpensNotWhileItRuns) {
    Harness h;
    openBefore(h, PineTree);
    EXPECT_EQ(interaction.ToolAdvantage, -1) << "Bronze Hatchet on a pine tree";
    session.Inventory[5] = TitaniumHatchet;
    h.step(3);
    EXPECT_EQ(interaction.ToolAdvantage, -1);
}

TEST(Interaction, ProgressBarGrowsFromX630AndMovesUpOnATouchScreen) {
    const sf::Color barGreen(20, 110, 4);
    Harness h;
    openBefore(h, BronzeRock);
    interaction.ActivityProgress = 100.9;
    h.step();
    EXPECT_TRUE(sameColour(h.pixel(631, 560), barGreen)) << "x 630 lies under the frame's left bar";
    EXPECT_TRUE(sameColour(h.pixel(729, 560), barGreen)) << "100.9 px is cut to 100";
    EXPECT_FALSE(sameColour(h.pixel(730, 560), barGreen));
    EXPECT_TRUE(sameColour(h.pixel(680, 553), barGreen)) << "15 px high around y 560";
    EXPECT_TRUE(sameColour(h.pixel(680, 567), barGreen));
    EXPECT_FALSE(sameColour(h.pixel(680, 568), barGreen));
    EXPECT_TRUE(sameColour(h.pixel(730, 551), sf::Color::Black)) << "the frame's top bar";
    EXPECT_TRUE(sameColour(h.pixel(831, 560), sf::Color::Black)) << "the frame's right bar";
    EXPECT_FALSE(sameColour(h.pixel(680, 115), barGreen));

    touchMode = true;
    h.step();
    EXPECT_TRUE(sameColour(h.pixel(680, 115), barGreen));
    EXPECT_FALSE(sameColour(h.pixel(680, 560), barGreen));
}

TEST(Interaction, GrantedItemTakesTheFirstEmptySlotAndFliesUpToTheBag) {
    Harness h;
    standBefore(h, BirchTree);
    session.Inventory[3] = OakLogs;  // slots 0-3 taken: the first empty one is 4
    grantItem(RawTrout);
    EXPECT_EQ(session.Inventory[4], RawTrout);
    EXPECT_TRUE(interaction.newItemMarks[4]);
    EXPECT_TRUE(interaction.flyActive);
    EXPECT_EQ(interaction.flyX, 500);
    EXPECT_EQ(interaction.flyY, 300);
    h.step(10);
    EXPECT_EQ(interaction.flyX, 580);
    EXPECT_EQ(interaction.flyY, 240);
    h.step(40);
    EXPECT_TRUE(interaction.flyActive) << "at y 0 it is still on screen";
    h.step();
    EXPECT_FALSE(interaction.flyActive);
    EXPECT_FALSE(interaction.newItemMarks[4]) << "the slot shows its item once the flight ends";
    EXPECT_EQ(session.Inventory[4], RawTrout);
}

TEST(Interaction, ItemWaitsWhileACloseIsScheduled) {
    Harness h;
    openBefore(h, BirchTree);
    closeInteraction(500);
    grantItem(BirchLogs);
    h.step(5);
    EXPECT_EQ(interaction.flyY, 300) << "the item stays in the panel while the window lingers";
    h.step(10);
    EXPECT_TRUE(windowIs(WindowPhase::Closing));
    EXPECT_LT(interaction.flyY, 300);
}

TEST(Interaction, EscBeforeTheScheduledCloseStillLetsTheItemFly) {
    Harness h;
    openBefore(h, BirchTree);
    closeInteraction(500);
    grantItem(BirchLogs);
    h.typeCode(27);
    h.step(60);
    EXPECT_FALSE(interaction.flyActive);
    EXPECT_FALSE(interaction.newItemMarks[3]);
    openWindow(h);
    h.step(20);
    EXPECT_TRUE(windowIs(WindowPhase::Open)) << "the old close does not end the new opening";
}

TEST(Interaction, WithAFullBagTheItemIsLostAndNothingFlies) {
    Harness h;
    standBefore(h, BirchTree);
    for (int slot = 3; slot < 9; slot++) session.Inventory[slot] = BronzeOre;
    grantItem(BirchLogs);
    for (int slot = 0; slot < 9; slot++) EXPECT_FALSE(interaction.newItemMarks[slot]);
    EXPECT_FALSE(interaction.flyActive);
    EXPECT_EQ(std::count(session.Inventory, session.Inventory + 9, BirchLogs), 0);
}

TEST(Interaction, KeyboardClickOutsideThePanelKeepsTheWindowOpen) {
    Harness h;
    openBefore(h, BronzeRock);
    h.click(60, 300);
    h.click(900, 590);
    h.step(3);
    EXPECT_TRUE(windowIs(WindowPhase::Open));
}

TEST(Interaction, TouchTapOutsideThePanelClosesIt) {
    Harness h;
    openRockByTouch(h);
    h.tap(500, 400);  // inside the panel
    EXPECT_TRUE(windowIs(WindowPhase::Open));
    h.tap(849, 584);  // its last pixel
    EXPECT_TRUE(windowIs(WindowPhase::Open));
    h.tap(850, 300);  // just right of it
    EXPECT_TRUE(windowIs(WindowPhase::Closing) || windowIs(WindowPhase::Closed));
}

TEST(Interaction, TouchTapsOnTheHudBarAndOpenSidePagesDoNotClose) {
    Harness h;
    openRockByTouch(h);
    h.tap(400, 35);  // the bar, between the timer and the buttons
    EXPECT_TRUE(windowIs(WindowPhase::Open));

    checklistPage.open = true;
    h.tap(60, 300);  // on the open checklist page, outside the panel
    EXPECT_TRUE(windowIs(WindowPhase::Open));
    checklistPage.open = false;

    inventoryPanel.open = true;
    h.tap(960, 250);  // on the open inventory panel
    EXPECT_TRUE(windowIs(WindowPhase::Open));
    inventoryPanel.open = false;

    h.tap(60, 300);  // the same spot with the page closed
    EXPECT_TRUE(windowIs(WindowPhase::Closing));
}

// Touch: with help open over a window, the tap outside the panel is the help page's.
TEST(Interaction, TouchTapThatClosesTheHelpPageLeavesTheWindowAndItsProgress) {
    Harness h;
    openRockByTouch(h);
    for (int i = 0; i < 3; i++) {
        mining.hitsSinceOpen = 0;  // the circle stays where it is
        h.tap(mining.hitCircleX + i, mining.hitCircleY);
    }
    double progress = interaction.ActivityProgress;
    ASSERT_GT(progress, 0);
    h.tap(820, 35);  // help
    ASSERT_TRUE(helpOpen());
    h.step(12);      // the page comes to rest
    h.tap(60, 300);  // outside the page, and outside the panel
    EXPECT_FALSE(helpOpen());
    h.step(5);
    EXPECT_TRUE(windowIs(WindowPhase::Open));
    EXPECT_DOUBLE_EQ(interaction.ActivityProgress, progress);
    h.tap(61, 300);  // a second tap there is the window's own
    EXPECT_TRUE(windowIs(WindowPhase::Closing) || windowIs(WindowPhase::Closed));
}

TEST(Interaction, ReviewPicturesOfEveryOpenWindow) {
    const int kinds[] = {BirchTree, PineTree, OakTree, BronzeRock, IronRock, TitaniumRock,
                         BassPond, SalmonPond, TroutPond, FirePit, Anvil};
    for (int kind : kinds) {
        Harness h;
        openBefore(h, kind);
        h.moveTo(900, 590);
        h.step(3);
        EXPECT_GT(pixelsOfColour(h, sf::Color::Black, 175, 100, 250, 30), 20) << "the name of " << kind;
        h.saveScreenshot("activities_open_" + std::to_string(kind));
    }
}
