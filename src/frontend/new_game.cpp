// new_game.cpp -- the save-name, seed-choice and custom-seed screens and their text rules
#include "frontend/new_game.h"

#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/clock.h"
#include "engine/input.h"
#include "engine/toolkit.h"
#include "frontend/menu_state.h"
#include "frontend/menu_widgets.h"
#include "frontend/new_game_form.h"
#include "frontend/onscreen_keys.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "world/game_session.h"

namespace {

int touchOffset() { return onscreenKeysShown() ? -150 : 0; }  // room for the on-screen keys

bool isNameCharacter(uint32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
}

void startGameWithSeed(int64_t seed, bool withLoadingScreen) {
    playClick();
    if (withLoadingScreen) raiseLoadingScreen(newGameLoadUnits);
    session.SaveName = newGameForm.name;
    startNewGame(seed);
}

void drawCaret(int x, int y) {
    if ((nowMs() / 500) % 2 == 0) menuText("|", x, y, 24);
}

}  // namespace

void beginNameEntry() {
    changeScreen(GameScreen::NameEntry);
    newGameForm.name.clear();
    newGameForm.nameStarted = false;
    menuState.shiftOn = false;
}

void typeNameCharacter(uint32_t c) {
    if (c == 8) eraseNameCharacter();
    else if (isNameCharacter(c)) appendNameCharacter(static_cast<char>(c));
}

void typeSeedCharacter(uint32_t c) {
    if (c == 8) eraseSeedDigit();
    else if (c >= '0' && c <= '9') appendSeedDigit(static_cast<char>(c));
}

void confirmTypedEntry() {
    if (showing(GameScreen::NameEntry)) submitName();
    else if (showing(GameScreen::SeedEntry)) startGameWithSeed(typedSeed(), false);
}

void drawNameEntry() {
    int off = touchOffset();
    drawMenuPanel();
    menuText(newGameForm.name, 500, 270 + off, 21);
    float width = menuTextWidth(newGameForm.name, 21);
    int e = width < 180 ? 0 : static_cast<int>((width - 180) / 2);
    drawThickLine(400 - e, 300 + off, 600 + e, 300 + off, 3, sf::Color::Black);
    drawCaret(static_cast<int>(width / 2 + 505), 267 + off);
    menuText("Type in a name for your save file", 500, 310 + off, 18);
    drawNavButton(500, 370 + off, 200, 40);
    menuText("Continue", 500, 355 + off, 25);
    drawBackButton();
    if (onscreenKeysShown()) drawOnscreenKeyboard();
}

void clickNameEntry() {
    int off = touchOffset();
    if (pointerInRect(500, 370 + off, 200, 40)) {
        if (nameReady()) submitName();
        else playClick();  // heard even when there is no name to go on with
    } else if (backButtonHit()) {
        playBack();
        changeScreen(GameScreen::MainMenu);
    } else if (onscreenKeysShown()) {
        pressOnscreenKeyboard();
    }
}

void drawSeedChoice() {
    drawMenuPanel();
    drawNavButton(500, 275, 200, 40);
    menuText("Random Seed", 500, 260, 25);
    drawNavButton(500, 325, 200, 40);
    menuText("Custom Seed", 500, 310, 25);
    menuText("A Seed allows you to choose a specific world to play in.", 500, 475, 18);
    menuText("Anyone who uses that same seed will play in an identical world.", 500, 500, 18);
    drawBackButton();
}

void clickSeedChoice() {
    if (pointerInRect(500, 275, 200, 40)) {
        startGameWithSeed(-1, true);
    } else if (pointerInRect(500, 325, 200, 40)) {
        playClick();
        changeScreen(GameScreen::SeedEntry);
        newGameForm.seedText.clear();
    } else if (backButtonHit()) {
        playBack();
        changeScreen(GameScreen::NameEntry);
    }
}

void drawSeedEntry() {
    int off = touchOffset();
    drawMenuPanel();
    menuText(newGameForm.seedText, 500, 270 + off, 21);
    drawThickLine(400, 300 + off, 600, 300 + off, 3, sf::Color::Black);
    float width = menuTextWidth(newGameForm.seedText, 21);
    drawCaret(static_cast<int>(width / 2 + 505), 267 + off);
    menuText("Type in a number between 0-999,999,999", 500, 310 + off, 18);
    drawNavButton(500, 370 + off, 200, 40);
    menuText("Start", 500, 355 + off, 25);
    drawBackButton();
    if (onscreenKeysShown()) drawOnscreenNumberPad();
}

void clickSeedEntry() {
    int off = touchOffset();
    if (pointerInRect(500, 370 + off, 200, 40)) {
        startGameWithSeed(typedSeed(), true);
    } else if (backButtonHit()) {
        playBack();
        changeScreen(GameScreen::SeedChoice);
    } else if (onscreenKeysShown()) {
        pressOnscreenNumberPad();
    }
}
