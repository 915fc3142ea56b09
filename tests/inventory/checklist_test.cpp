// checklist_test.cpp -- research drops, the overall progress, the mission's end, the checklist
#include "engine/hover.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "game/game_end.h"
#include "inventory_play.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
void researchEverythingBut(int32_t levels[22], int kind, int level) {
    for (int k = 1; k <= 21; k++) levels[k] = k == kind ? level : 100;
}

// Dark pixels of a 17 px text line from x to x + w at the row of kind k on the page.
int inkAt(const sf::Image& image, int x, int w, int k) {
    int ink = 0, top = checklistPage.slide - 125 + 38 * ((k - 1) / 3);
    for (int y = top; y < top + 22; y++)
        for (int px = x; px < x + w; px++) {
            sf::Color c = image.getPixel(px, y);
            ink += c.r + c.g + c.b < 150;
        }
    return ink;
}
}  // namespace

TEST(Research, TwoBeakerDropsCompleteAKindAndAThirdIsRefused) {
    Harness h;
    startStandingGame(h);
    session.Inventory[3] = session.Inventory[4] = session.Inventory[5] = 1;  // Birch Logs
    dragTarget(h, 3, 9);
    int first = session.ResearchLevel[1];
    EXPECT_GE(first, 50);
    EXPECT_LE(first, 75);
    EXPECT_EQ(session.Inventory[3], 0) << "the item is used up";
    EXPECT_TRUE(soundPlaying("researched"));
    EXPECT_EQ(savedLine(h, 19), std::to_string(first));
    EXPECT_EQ(session.OverallProgress, first / 21) << "what the HUD shows";

    stopSound("researched");
    dragTarget(h, 4, 9);
    EXPECT_EQ(session.ResearchLevel[1], 100);
    EXPECT_TRUE(soundPlaying("research complete"));
    EXPECT_FALSE(soundPlaying("researched"));
    EXPECT_EQ(savedLine(h, 19), "100");

    h.writeFile(saveFile(), "untouched\n");
    dragTarget(h, 5, 9);
    EXPECT_EQ(session.Inventory[5], 1) << "a complete kind is refused";
    EXPECT_EQ(h.readFile(saveFile()), "untouched\n");
    EXPECT_FALSE(session.MissionComplete);
}

TEST(Research, EveryGainLiesFrom50To75AndTwoDropsAlwaysComplete) {
    Harness h;
    int lowest = 100, highest = 0;
    for (uint32_t seed = 1; seed <= 150; seed++) {
        reseedSharedRandom(seed);
        session.ResearchLevel[2] = 0;
        session.Inventory[0] = session.Inventory[1] = 2;
        researchItem(0);
        lowest = std::min(lowest, session.ResearchLevel[2]);
        highest = std::max(highest, session.ResearchLevel[2]);
        researchItem(1);
        ASSERT_EQ(session.ResearchLevel[2], 100) << seed;
    }
    EXPECT_EQ(lowest, 50);
    EXPECT_EQ(highest, 75);
}

TEST(Research, OverallProgressRoundsDown) {
    int32_t levels[22] = {};
    researchEverythingBut(levels, 21, 75);
    EXPECT_EQ(computeOverallProgress(levels), 98) << "2075 div 21";
    researchEverythingBut(levels, 4, 99);
    EXPECT_EQ(computeOverallProgress(levels), 99);
}

TEST(Research, CompletingTheMissionClosesBothPagesAndPlaysBothSounds) {
    Harness h;
    startStandingGame(h);
    researchEverythingBut(session.ResearchLevel, 13, 60);
    session.Inventory[3] = 13;
    toggleChecklist(false);
    h.step(8);
    dragTarget(h, 0, 9);
    EXPECT_EQ(session.ResearchLevel[13], 100);
    EXPECT_TRUE(session.MissionComplete);
    EXPECT_FALSE(session.player.controlEnabled);
    EXPECT_GE(gameEnd.endStage, 1);
    EXPECT_EQ(session.OverallProgress, 100);
    EXPECT_EQ(savedLine(h, 2), "100");
    EXPECT_TRUE(soundPlaying("inventory") && soundPlaying("menu slide") && soundPlaying("research complete"));
    EXPECT_FALSE(inventoryPanel.open || checklistPage.open);
    h.step(8);
    EXPECT_EQ(inventoryPanel.slide, -150);
    EXPECT_EQ(checklistPage.slide, -160);
    EXPECT_EQ(session.Inventory[3], 13) << "the last drop used only the item dropped";
}

TEST(Checklist, PageSlidesInEightStepsAndShowsEveryLevel) {
    Harness h;
    startStandingGame(h, false);
    toggleChecklist(true);
    h.step();
    EXPECT_EQ(checklistPage.slide, -160) << "close-only never opens";
    for (int k = 1; k <= 21; k++) session.ResearchLevel[k] = k % 3 == 1 ? 100 : k % 3 == 2 ? 0 : 4 * k;
    toggleChecklist(false);
    EXPECT_TRUE(soundPlaying("menu slide"));
    h.step(7);
    EXPECT_EQ(checklistPage.slide, 190);
    h.step();
    EXPECT_EQ(checklistPage.slide, 215);
    EXPECT_EQ(checklistPage.slideSpeed, 0);
    h.saveScreenshot("checklist_open");
    sf::Image page = h.screenshot();
    // "100%" reaches well past where "0%" ends, in every row and at its own column.
    for (int k = 1; k <= 19; k += 3) {
        EXPECT_GT(inkAt(page, 53, 14, k), 20) << k;
        EXPECT_GT(inkAt(page, 53 + 24, 14, k), 10) << k;
        EXPECT_EQ(inkAt(page, 143 + 24, 14, k + 1), 0) << k + 1;
    }
    toggleChecklist(false);
    h.step(3);
    toggleChecklist(false);
    h.step();
    EXPECT_EQ(checklistPage.slide, 115) << "turned round half-way";
}

TEST(Checklist, TooltipOnlyInsideTheOpenPagesAreaEvenWhileSliding) {
    Harness h;
    startStandingGame(h, false);
    checklistPage.open = true;
    checklistPage.slide = 90;  // caught half-way: rows 0 and 1 lie above the page's area
    h.pressRight();            // tooltips at once
    int x = 50 + 90, y = 90 - 115 + 38 * 3;  // Cooked Salmon, kind 11, inside the area
    h.moveTo(x, y);
    h.step();
    sf::Color before = h.pixel(x + 12, y + 12);
    ASSERT_FALSE(tooltipShade(before, before));
    h.step();
    EXPECT_TRUE(tooltipShade(before, h.pixel(x + 12, y + 12))) << "opens to the right";
    EXPECT_EQ(hover.id, 110);
    h.releaseRight();
    h.moveTo(x, 90 - 115 + 38);  // Iron Ore, kind 5, above the area (on the HUD bar)
    h.step();
    hover.id = 42;
    drawChecklistPage();  // the page alone, without the bar's own tracking after it
    EXPECT_EQ(hover.id, 42) << "outside the page's area the checklist tracks nothing";
}
