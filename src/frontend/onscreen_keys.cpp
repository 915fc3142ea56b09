// onscreen_keys.cpp -- on-screen keys at fixed centres over the "keyboard" and "number pad" art
#include "frontend/onscreen_keys.h"

#include "engine/catalogue.h"
#include "engine/input.h"
#include "frontend/menu_state.h"
#include "frontend/menu_widgets.h"
#include "frontend/new_game_form.h"

#include <cctype>

namespace {

struct KeyRow {
    const char* keys;
    int firstX, y;   // centre of the first key; keys are 50 px apart
};

constexpr KeyRow keyboardRows[4] = {
    {"1234567890", 225, 300}, {"qwertyuiop", 250, 350}, {"asdfghjkl", 263, 400}, {"zxcvbnm", 288, 450}};

constexpr int keySize = 47;

struct PadKey {
    char digit;
    int x, y;
};

constexpr PadKey padKeys[10] = {
    {'7', 450, 325}, {'8', 500, 325}, {'9', 550, 325}, {'4', 450, 375}, {'5', 500, 375},
    {'6', 550, 375}, {'1', 450, 425}, {'2', 500, 425}, {'3', 550, 425}, {'0', 500, 475}};

// The character key under the pointer, or 0.
char keyboardKeyUnderPointer() {
    for (const KeyRow& row : keyboardRows)
        for (int i = 0; row.keys[i]; i++)
            if (pointerInRect(row.firstX + 50 * i, row.y, keySize, keySize)) return row.keys[i];
    return 0;
}

void typeKey(char key) {
    if (newGameForm.name.size() >= maxNameLength) return;
    char c = menuState.shiftOn && std::isalpha(static_cast<unsigned char>(key))
                 ? static_cast<char>(std::toupper(static_cast<unsigned char>(key))) : key;
    playClick();
    appendNameCharacter(c);
    menuState.shiftOn = false;
}

}  // namespace

void drawOnscreenKeyboard() {
    drawSprite("keyboard", 500, 400);
    if (menuState.shiftOn) frameButton(668, 450, 110, 46, hoverYellow);
}

void pressOnscreenKeyboard() {
    bool hasName = !newGameForm.name.empty();
    if (char key = keyboardKeyUnderPointer()) {
        typeKey(key);
    } else if (pointerInRect(750, 300, 100, keySize)) {
        if (hasName) { playClick(); eraseNameCharacter(); }
    } else if (pointerInRect(743, 400, 112, keySize)) {
        if (hasName) { playClick(); submitName(); }
    } else if (pointerInRect(668, 450, 112, keySize)) {
        playClick();
        menuState.shiftOn = !menuState.shiftOn;
    } else if (pointerInRect(462, 500, 300, keySize)) {
        if (hasName && newGameForm.name.size() < maxNameLength) {
            playClick();
            appendNameCharacter(' ');
        }
    }
}

void drawOnscreenNumberPad() { drawSprite("number pad", 550, 400); }

void pressOnscreenNumberPad() {
    for (const PadKey& key : padKeys) {
        if (!pointerInRect(key.x, key.y, keySize, keySize)) continue;
        if (appendSeedDigit(key.digit)) playClick();
        return;
    }
    if (pointerInRect(625, 325, 100, keySize) && !newGameForm.seedText.empty()) {
        playClick();
        eraseSeedDigit();
    }
}
