// help_page.cpp -- the help page: the game's pause menu with the "Quick Help" texts
#include "inventory/help_page.h"

#include "app/catalogue.h"
#include "app/input.h"
#include "app/sound.h"
#include "app/toolkit.h"
#include "inventory/hud.h"
#include "world/game_session.h"

HelpPage helpPage;

namespace {

struct HelpLine {
    int dy;                // y relative to the page centre
    const char* label;     // at x 175
    const char* mouse;     // at x 330, Mouse/Keyboard
    const char* touch;     // at x 330, Touch; null when the same
};

constexpr HelpLine lessons[] = {
    {-110, "Objective:", "Complete your research on all 21 items.", nullptr},
    {-85, "Research:", "Drag an item in your inventory to the yellow beaker.", nullptr},
    {-35, "Woodcutting:", "Click and drag through the trunk of the tree.", "Swipe through the trunk of the tree."},
    {-10, "Mining:", "Repeatedly click inside the pulsing circle.", "Repeatedly tap inside the pulsing circle."},
    {15, "Fishing:", "Hover your mouse over the moving water ripples.", "Tap and hold on the moving water ripples."},
    {40, "Cooking:", "Click, hold, and rapidly swipe within the logs.", "Tap, hold, and rapidly swipe within the logs."},
    {65, "", "Grab the fish and hold it close to the fire.", nullptr},
    {90, "", "Place it back on the plate when it is cooked.", nullptr},
    {115, "Smithing:", "Drag the puzzle pieces from the embers to the grid.", nullptr},
    {160, "Wood Tools:", "You always have a set of wooden tools on you.", nullptr},
    {185, "Tools:", "Wood < Bronze < Iron < Titanium", nullptr},
    {210, "Saving:", "The game autosaves your progress.", nullptr},
};

void moveHelpPage() {
    HelpPage& h = helpPage;
    if (h.slideSpeed == 0) return;
    h.slide += h.slideSpeed;
    if (h.slideSpeed < 0 && h.slide < -264) {
        h.slide = -265;
        h.slideSpeed = 0;
    } else if (h.slideSpeed > 0 && h.slide > 334) {
        h.slide = 335;
        h.slideSpeed = 0;
    }
}

void helpText(const std::string& text, int x, int y) {
    label(uiFont, 17, sf::Color::Black, AlignLeft, text, x, y);
}

void drawControls(int p) {
    if (touchMode) {
        helpText("Tap to move\t\tTap on an object to move and interact with it", 175, p - 185);
        helpText("Tap outside of an interaction window to close it", 175, p - 160);
    } else {
        helpText("A = Left   D = Right   Q = Checklist   E = Inventory", 175, p - 185);
        helpText("Space = Interact with an object   Esc = Exit interaction window", 175, p - 160);
    }
}

}  // namespace

void drawHelpPage() {
    moveHelpPage();
    int p = helpPage.slide;
    drawSprite("help menu", 500, p);
    label(uiFont, 27, sf::Color::Black, AlignCentre, "Quick Help", 500, p - 235);
    drawControls(p);
    for (const HelpLine& line : lessons) {
        helpText(line.label, 175, p + line.dy);
        helpText(touchMode && line.touch ? line.touch : line.mouse, 330, p + line.dy);
    }
}

bool toggleHelp(bool closeOnly) {
    if (session.MissionComplete) return false;
    if (helpPage.open) {
        playSound("menu slide", true);
        helpPage.open = false;
        helpPage.slideSpeed = -50;
        return true;
    }
    if (!closeOnly) {
        playSound("menu slide", true);
        helpPage.open = true;
        helpPage.slideSpeed = 50;
    }
    return false;
}

bool helpOpen() { return helpPage.open; }

void resetHelpPage() { helpPage = HelpPage{}; }

void closeHelpOnTouchOutside() {
    if (!touchMode || !helpPage.open || helpPage.slideSpeed != 0) return;
    bool inside = pointer.pointerX >= 150 && pointer.pointerX <= 850 && pointer.pointerY >= 85 &&
                  pointer.pointerY <= 585;
    if (inside) return;
    toggleHelp(true);
    tapPending = false;
}
