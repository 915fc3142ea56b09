// hud.cpp -- the bar across the top of a game: progress, time, four buttons, tooltips
#include "inventory/hud.h"

#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/cheats.h"
#include "engine/hooks.h"
#include "engine/hover.h"
#include "engine/input.h"
#include "engine/pause.h"
#include "engine/save_notice.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "engine/tooltip.h"
#include "inventory/checklist.h"
#include "inventory/help_page.h"
#include "inventory/inventory.h"
#include "world/game_session.h"
#include "world/tutorial_rules.h"

namespace {

struct HudButton {
    int x;                 // centre x; every button is 54 x 54 centred on y 35
    const char* icon;
    const char* tooltip;
    int hoverId;
    Reveal shownAs;        // the tutorial draws it, and it answers, once this part is revealed
};

// In the order the highlight and the tooltips test them.
constexpr HudButton buttons[4] = {
    {35, "checklist", "Research Checklist", hudHoverIds.id(0), Reveal::ChecklistButton},
    {820, "help", "Help", hudHoverIds.id(1), Reveal::Help},
    {890, "bag", "Inventory", hudHoverIds.id(2), Reveal::Bag},
    {960, "exit", "Exit to Menu", hudHoverIds.id(3), Reveal::ExitButton},
};

const HudButton* buttonUnderPointer() {
    for (const HudButton& button : buttons)
        if (revealed(button.shownAs) && pointerInRect(button.x, 35, 54, 54)) return &button;
    return nullptr;
}

void drawBar() {
    setFill(0, 0, 0, 180);
    fillRectCentred(500, 35, 1000, 70);
    label(uiFont, 22, sf::Color::White, AlignLeft,
          "Progress: " + std::to_string(session.OverallProgress) + "%", 72, 20);
    if (!cheats.hideTimer && revealed(Reveal::Timer)) label(uiFont, 28, sf::Color(108, 189, 189), AlignCentre, hudTimeText(), 500, 15);
}

// Once the mission is complete the buttons are gone; the bar stays.
void drawButtons() {
    if (session.MissionComplete) return;
    const HudButton* hovered = buttonUnderPointer();
    if (hovered && !touchMode) {
        setFill(227, 220, 0);
        fillRectCentred(hovered->x, 35, 60, 60);
    }
    for (const HudButton& button : buttons) {
        if (!revealed(button.shownAs)) continue;
        setFill(200, 200, 200);
        fillRectCentred(button.x, 35, 54, 54);
        drawSprite(button.icon, button.x, 35);
    }
}

// Near the left edge a tooltip opens to the right of the pointer, elsewhere to the left.
void drawTooltips() {
    if (session.MissionComplete || !pointerInRect(500, 35, 1000, 70)) return;
    const HudButton* hovered = buttonUnderPointer();
    if (!hoverShows(hovered ? hovered->hoverId : noHover) || !hovered) return;
    drawTooltipBox(hovered->tooltip, pointer.pointerX < 200);
}

void stopWorldSounds() {
    stopSound("rain");
    stopSound("pond ripple");
    stopSound("fire sizzle");
}

}  // namespace

std::string hudTimeText() {
    if (!gamePaused()) return TimerText(session.player.PlayTimer);
    return "Paused";
}

void drawHud() {
    if (revealed(Reveal::Bag)) drawInventoryPanel();
    if (revealed(Reveal::ChecklistPage)) drawChecklistPage();
    if (revealed(Reveal::Help)) drawHelpPage();
    drawBar();
    drawButtons();
    drawTooltips();
    drawSaveNotice();
}

void leaveGame() {
    if (tutorialTakesExit()) return;
    playSound("exit", true);
    stopWorldSounds();
    restorePlayerVolumes();
    for (const char* cloud : cloudNames) colourSprite(cloud, sf::Color(255, 255, 255, 255));
    changeScreen(GameScreen::MainMenu);
    session.player.controlEnabled = false;
    saveGameNow();
    session.clocks.rainClock = 0;  // after the save: the saved game keeps its weather
}

bool pointerOnBarOrOpenPage() {
    bool onBar = pointerInRectInt(500, 35, 1000, 70);
    bool onChecklist = checklistPage.open && pointerOverChecklistPage();
    bool onInventory = inventoryPanel.open && pointerInRectInt(900, 200, 200, 260);
    return onBar || onChecklist || onInventory;
}

void pressHelpButton() {
    if (session.MissionComplete) return;
    for (const HudButton& button : buttons)
        if (std::string(button.icon) == "help" && revealed(button.shownAs)) toggleHelp(false);
}

bool handleGameClick() {
    if (session.MissionComplete) return false;
    // A touch on the bar or on an open page is used up: touching the HUD never walks.
    bool tapUsed = touchMode && pointerOnBarOrOpenPage();
    const HudButton* pressed = buttonUnderPointer();
    int x = pressed ? pressed->x : 0;
    if (x == 890 && !helpOpen()) toggleInventory(false);
    else if (x == 820) toggleHelp(false);
    else if (x == 35 && !helpOpen()) toggleChecklist(false);
    else if (x == 960) {
        leaveGame();
        return tapUsed;
    }
    bool inventoryResting = inventoryPanel.open && inventoryPanel.slideSpeed == 0;
    if (inventoryResting && !helpOpen()) beginInventoryDrag();
    return closeHelpOnTouchOutside() || tapUsed;
}

std::string TimerText(int s) {
    std::string text;
    if (s >= 3600) text += std::to_string(s / 3600);
    if (s < 60) {
        text += "00";
    } else if (s < 3600) {
        text += std::to_string(s / 60);
    } else {
        int m = (s % 3600) / 60;
        text += (m < 10 ? ":0" : ":") + std::to_string(m);
    }
    int t = s % 60;
    text += (t < 10 ? ":0" : ":") + std::to_string(t);
    return text;
}
