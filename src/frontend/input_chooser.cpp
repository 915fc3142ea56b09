// input_chooser.cpp -- "Choose your desired input method", with the lock against asking
// again and the box that agrees to play reports
#include "frontend/input_chooser.h"

#include "engine/app_state.h"
#include "engine/input.h"
#include "engine/metrics.h"
#include "engine/settings.h"
#include "frontend/menu_state.h"
#include "frontend/menu_widgets.h"

namespace {
constexpr int reportsBoxX = 354, reportsBoxY = 300;  // between Mouse/Keyboard and Confirm

bool lockShown() { return settings.AskInputAtStart == 1; }

// The box starts as the player last answered; Confirm keeps what it shows.
bool reportsTicked() { return menuState.reportsTicked.value_or(reportsAgreed()); }

void confirmReports() {
    if (reportsTicked() != reportsAgreed()) agreeToReports(reportsTicked());
    menuState.reportsTicked.reset();
}

void drawChooserHints() {
    if (pointerInRect(500, 200, 180, 40) && settings.InputChoice != 1)
        menuText("* Double tap to enable", 700, 185, 18);
    if (pointerInRect(500, 250, 180, 40) && settings.InputChoice == 1)
        menuText("* Double tap to enable", 700, 235, 18);
    if (pointerInRect(500, 350, 180, 40) && settings.InputChoice == 1)
        menuText("* Double tap to select", 700, 335, 18);
}
}  // namespace

void drawInputChooser() {
    drawMenuPanel();
    menuText("Choose your desired input method", 500, 100, 25);
    drawChoiceButton(500, 200, 180, 40, settings.InputChoice == 1, true);
    menuText("Touch", 500, 190, 18);
    drawChoiceButton(500, 250, 180, 40, settings.InputChoice == 0, true);
    menuText("Mouse/Keyboard", 500, 240, 18);
    drawCheckbox(reportsBoxX, reportsBoxY, reportsTicked(), playReportsText, true);
    drawChoiceButton(500, 350, 180, 40, false, true);
    menuText("Confirm", 500, 340, 18);
    menuText("This can be changed later in the settings menu", 500, 395, 14);
    menuText(playReportsExplained, 500, 418, 14);
    if (lockShown()) {
        drawChoiceButton(715, 490, 225, 70, false, true);
        menuText("Click here to lock input mode", 715, 460, 14);
        menuText("(NOT recommended if", 715, 480, 14);
        menuText("you often switch modes)", 715, 500, 14);
    }
    drawChooserHints();
}

void clickInputChooser() {
    if (pointerInRect(500, 200, 180, 40)) {
        if (settings.InputChoice == 1) return;
        settings.InputChoice = 1;
        settings.AskInputAtStart = -1;
    } else if (pointerInRect(500, 250, 180, 40)) {
        if (settings.InputChoice == 0) return;
        settings.InputChoice = 0;
        settings.AskInputAtStart = -1;
    } else if (checkboxHit(reportsBoxX, reportsBoxY, playReportsText)) {
        menuState.reportsTicked = !reportsTicked();
    } else if (lockShown() && pointerInRect(715, 490, 225, 70)) {
        settings.AskInputAtStart = 0;
    } else if (pointerInRect(500, 350, 180, 40)) {
        if (settings.InputChoice == -1) return;  // the chooser cannot be left without a method
        changeScreen(GameScreen::Title);
        if (settings.AskInputAtStart == -1) settings.AskInputAtStart = 1;
        if (settings.InputChoice == 1) touchMode = true;
        writeSettings();
        confirmReports();
    } else {
        return;
    }
    playClick();
}
