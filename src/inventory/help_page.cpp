// help_page.cpp -- the help page: the game's pause menu with the "Quick Help" texts
#include "inventory/help_page.h"

#include "engine/catalogue.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/sliding_panel.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "world/game_session.h"
#include "world/tutorial_rules.h"

HelpPage helpPage;

namespace {

struct HelpLine {
    int dy;                // y relative to the page centre
    const char* label;     // at x 175
    const char* mouse;     // at x 330, Mouse/Keyboard
    const char* touch;     // at x 330, Touch; null when the same
    Reveal taughtAs;       // the tutorial fades it until the elder has given this lesson
};

constexpr HelpLine lessons[] = {
    {-110, "Objective:", "Complete your research on all 21 items.", nullptr, Reveal::ObjectiveRow},
    {-85, "Research:", "Drag an item in your inventory to the yellow beaker.", nullptr, Reveal::ResearchRow},
    {-35, "Woodcutting:", "Click and drag through the trunk of the tree.", "Swipe through the trunk of the tree.", Reveal::WoodcuttingRow},
    {-10, "Mining:", "Repeatedly click inside the pulsing circle.", "Repeatedly tap inside the pulsing circle.", Reveal::MiningRow},
    {15, "Fishing:", "Hover your mouse over the moving water ripples.", "Tap and hold on the moving water ripples.", Reveal::FishingRow},
    {40, "Cooking:", "Click, hold, and rapidly swipe within the logs.", "Tap, hold, and rapidly swipe within the logs.", Reveal::CookingRow},
    {65, "", "Grab the fish and hold it close to the fire.", nullptr, Reveal::FireRows},
    {90, "", "Place it back on the plate when it is cooked.", nullptr, Reveal::FireRows},
    {115, "Smithing:", "Drag the puzzle pieces from the embers to the grid.", nullptr, Reveal::SmithingRow},
    {160, "Wood Tools:", "You always have a set of wooden tools on you.", nullptr, Reveal::ToolRows},
    {185, "Tools:", "Wood < Bronze < Iron < Titanium", nullptr, Reveal::ToolRows},
    {210, "Saving:", "The game autosaves your progress.", nullptr, Reveal::SavingRow},
};

constexpr int pageSpeed = 50;       // px per step
constexpr int pageOpenY = 335;      // page centre y when fully open
constexpr int pageClosedY = -265;   // ... and when fully closed

void moveHelpPage() { slidePanel(helpPage.slide, helpPage.slideSpeed, pageClosedY, pageOpenY); }

void helpText(const std::string& text, int x, int y, int alpha = 255) {
    label(uiFont, 17, sf::Color(0, 0, 0, alpha), AlignLeft, text, x, y);
}

void drawControls(int p) {
    if (padInUse) {
        helpText("Left stick, D-pad = Move   X = Inventory   Y = Checklist   Start = Help", 175, p - 185);
        helpText("A = Interact, click   B = Exit window   Right stick = Pointer   LT = Info", 175, p - 160);
    } else if (touchMode) {
        helpText("Tap to move\t\tTap on an object to move and interact with it", 175, p - 185);
        helpText("Tap outside of an interaction window to close it", 175, p - 160);
    } else {
        helpText("A or Left Arrow = Left   D or Right Arrow = Right   Q = Checklist", 175, p - 185);
        helpText("E = Inventory   Space = Interact   Esc = Exit interaction window", 175, p - 160);
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
        // The tutorial fades the lessons the elder has not given yet.
        int alpha = revealed(line.taughtAs) ? 255 : 120;
        helpText(line.label, 175, p + line.dy, alpha);
        helpText(touchMode && line.touch ? line.touch : line.mouse, 330, p + line.dy, alpha);
    }
}

bool toggleHelp(bool closeOnly) {
    if (session.MissionComplete) return false;
    if (helpPage.open) {
        playSound("menu slide", true);
        helpPage.open = false;
        helpPage.slideSpeed = -pageSpeed;
        return true;
    }
    if (!closeOnly) {
        playSound("menu slide", true);
        helpPage.open = true;
        helpPage.slideSpeed = pageSpeed;
    }
    return false;
}

bool helpOpen() { return helpPage.open; }

void resetHelpPage() { helpPage = HelpPage{}; }

bool closeHelpOnTouchOutside() {
    if (!touchMode || !helpPage.open || helpPage.slideSpeed != 0) return false;
    bool inside = pointer.pointerX >= 150 && pointer.pointerX <= 850 && pointer.pointerY >= 85 &&
                  pointer.pointerY <= 585;
    if (inside) return false;
    toggleHelp(true);
    return true;
}
