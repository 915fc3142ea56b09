// title_screen.cpp -- the title with its rippling play letters, and the main menu
#include "frontend/title_screen.h"

#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/hooks.h"
#include "engine/input.h"
#include "engine/pad_pointer.h"
#include "engine/platform.h"
#include "engine/sound.h"
#include "frontend/high_scores.h"
#include "frontend/load_screen.h"
#include "frontend/menu_state.h"
#include "frontend/menu_widgets.h"
#include "frontend/new_game.h"
#include "frontend/save_list.h"

namespace {

struct PlayLetter {
    const char* name;
    int x;
    int firstCount, lastCount;  // hover counts during which the letter glows yellow
};

constexpr PlayLetter playLetters[4] = {
    {"p", 400, 1, 4}, {"l", 463, 5, 9}, {"a", 545, 10, 14}, {"y", 620, 15, 19}};

// A hovered play button ripples its letters once every 41 steps.
void advancePlayRipple() {
    bool hovered = pointerInRect(500, 500, 420, 115) && !touchMode;
    if (hovered && menuState.playHoverCount + 1 <= 40) menuState.playHoverCount++;
    else menuState.playHoverCount = 0;
}

void drawPlayLetters() {
    int count = menuState.playHoverCount;
    for (const PlayLetter& letter : playLetters) {
        bool glowing = count >= letter.firstCount && count <= letter.lastCount;
        if (glowing) tintSprite(letter.name, 227, 220, 0);
        else tintSprite(letter.name, 255, 255, 255);
        drawSprite(letter.name, letter.x, 495);
    }
}

void enterMainMenu() {
    changeScreen(GameScreen::MainMenu);
    sortHighScores();
    menuState.resetArmed = false;
}

}  // namespace

void drawTitleScreen() {
    advancePlayRipple();
    drawSprite("title", 550, 150);
    drawSprite("play shadow", 550, 500);
    drawPlayLetters();
    addPadTarget(500, 500);
    menuText("Gather, cook, smith and research all 21 items.", 500, 560, 16);
    menuText("Your progress is saved automatically.", 500, 580, 14);
    drawNavButton(75, 577, 120, 26);
    menuText("Quit", 75, 565, 18);
    if (saveList.NewPlayer) {
        drawNavButton(925, 577, 120, 26);
        menuText("Settings", 925, 565, 18);
    }
}

void clickTitleScreen() {
    if (pointerInRect(500, 500, 420, 115)) {
        playClick();
        if (saveList.NewPlayer) startTutorialNow();
        else enterMainMenu();
    } else if (pointerInRect(75, 577, 120, 26)) {
        // No click sound: the program ends before it could be heard.
        requestQuit();
    } else if (saveList.NewPlayer && pointerInRect(925, 577, 120, 26)) {
        playClick();
        menuState.heldSlider = HeldSlider::None;
        changeScreen(GameScreen::Settings);
    }
}

void drawMainMenu() {
    drawMenuPanel();
    const char* labels[4] = {"New Game", "Load Game", "Tutorial", "Settings"};
    for (int i = 0; i < 4; i++) {
        drawNavButton(500, 205 + 70 * i, 160, 40);
        menuText(labels[i], 500, 190 + 70 * i, 25);
    }
    drawBackButton();
    if (menuState.resetArmed) {
        frameButton(759, 522, 150, 26, armedRed);
        addPadTarget(759, 522);
    } else {
        drawNavButton(759, 522, 150, 26);
    }
    menuText(menuState.resetArmed ? "Are You Sure?" : "Reset High Scores", 760, 513, 15);
    drawHighScoreTable();
}

void clickMainMenu() {
    if (pointerInRect(500, 205, 160, 40)) {
        playClick();
        beginNameEntry();
    } else if (pointerInRect(500, 275, 160, 40)) {
        playClick();
        buildLoadRows();
        changeScreen(GameScreen::LoadList);
    } else if (pointerInRect(500, 345, 160, 40)) {
        playClick();
        startTutorialNow();
    } else if (pointerInRect(500, 415, 160, 40)) {
        playClick();
        menuState.heldSlider = HeldSlider::None;
        changeScreen(GameScreen::Settings);
    } else if (backButtonHit()) {
        playBack();
        changeScreen(GameScreen::Title);
    } else if (pointerInRect(759, 522, 150, 26)) {
        if (!menuState.resetArmed) {
            playClick();
            menuState.resetArmed = true;
        } else {
            playSound("delete", true);
            menuState.resetArmed = false;
            resetHighScores();
        }
    }
}
