// checklist.cpp -- research drops, overall progress, the mission's end and the checklist page
#include "inventory/checklist.h"

#include "engine/catalogue.h"
#include "engine/hooks.h"
#include "engine/hover.h"
#include "engine/input.h"
#include "engine/random.h"
#include "engine/sliding_panel.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "engine/tooltip.h"
#include "world/game_session.h"
#include "world/kinds.h"

#include <string>

ChecklistPage checklistPage;

namespace {

// [SECTION] The page: 21 kinds in ItemKind order, three to a row
constexpr int pageSpeed = 50;       // px per step
constexpr int pageOpenY = 215;      // page centre y when fully open
constexpr int pageClosedY = -160;   // ... and when fully closed
constexpr int kindCount = 21;
constexpr int fullResearch = 100;   // percent

int kindColumn(int k) { return (k - 1) % 3; }
int kindRow(int k) { return (k - 1) / 3; }

void moveChecklistPage() { slidePanel(checklistPage.slide, checklistPage.slideSpeed, pageClosedY, pageOpenY); }

void drawChecklistLevels() {
    for (int k = 1; k <= kindCount; k++) {
        std::string text = std::to_string(session.ResearchLevel[k]) + "%";
        int x = 53 + 90 * kindColumn(k), y = checklistPage.slide - 125 + 38 * kindRow(k);
        label(uiFont, 17, sf::Color::Black, AlignLeft, text, x, y);
    }
}

// The first kind whose box holds the pointer, or 0.
int kindUnderPointer() {
    for (int k = 1; k <= kindCount; k++) {
        int cx = 50 + 90 * kindColumn(k), cy = checklistPage.slide - 115 + 38 * kindRow(k);
        if (pointerInRectInt(cx, cy, 75, 30)) return k;
    }
    return 0;
}

// Only over the open page's area, even while the page itself is still sliding.
void drawChecklistTooltip() {
    if (!pointerOverChecklistPage()) return;
    int k = kindUnderPointer();
    if (!hoverShows(k > 0 ? checklistHoverIds.id(k - 1) : noHover) || k == 0) return;
    drawTooltipBox(itemName(k), true);
}

}  // namespace

bool pointerOverChecklistPage() { return pointerInRectInt(145, 215, 295, 290); }

void toggleChecklist(bool closeOnly) {
    ChecklistPage& p = checklistPage;
    playSound("menu slide", true);
    if (p.open) {
        p.slideSpeed = -pageSpeed;
        p.open = false;
    } else if (!closeOnly) {
        p.slideSpeed = pageSpeed;
        p.open = true;
    }
}

void drawChecklistPage() {
    moveChecklistPage();
    drawSprite("checklist menu background", 145, checklistPage.slide);
    drawSprite("checklist menu items", 145, checklistPage.slide);
    drawChecklistLevels();
    drawChecklistTooltip();
}

void resetChecklistPage() { checklistPage = ChecklistPage{}; }

// One drop raises a level by 50 to 75, so two drops of a kind always complete it.
void researchItem(int slot) {
    int k = session.Inventory[slot];
    if (k < 1 || k > kindCount) return;
    int32_t& level = session.ResearchLevel[k];
    if (level >= fullResearch) return;  // refused: the item stays and nothing is saved
    level += 50 + randomBelow(26);
    if (level < fullResearch) {
        playSound("researched", true);
    } else {
        playSound("research complete", true);
        level = fullResearch;
    }
    session.Inventory[slot] = 0;
    session.OverallProgress = computeOverallProgress(session.ResearchLevel);
    if (session.OverallProgress == fullResearch) {
        session.MissionComplete = true;
        startMissionEndNow();  // the ending takes the screen and both side pages close
    }
    saveGameNow();
}

int computeOverallProgress(const int researchLevel[22]) {
    int sum = 0;
    for (int k = 1; k <= kindCount; k++) sum += researchLevel[k];
    return sum / kindCount;
}
