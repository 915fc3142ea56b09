// onscreen_keys.cpp -- on-screen keys at fixed centres over the "keyboard" and "number pad" art
#include "frontend/onscreen_keys.h"

#include "engine/catalogue.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/pad_pointer.h"
#include "frontend/menu_state.h"
#include "frontend/menu_widgets.h"
#include "frontend/new_game_form.h"

#include <cctype>
#include <initializer_list>

namespace {

struct KeyRow {
    const char* keys;
    int firstX, y;   // centre of the first key; keys are 50 px apart
};

constexpr KeyRow keyboardRows[4] = {
    {"1234567890", 225, 300}, {"qwertyuiop", 250, 350}, {"asdfghjkl", 263, 400}, {"zxcvbnm", 288, 450}};

constexpr int keySize = 47;

struct WideKey {
    int x, y, width;  // centre and width; keySize high
};

constexpr WideKey backspaceKey{750, 300, 100}, enterKey{743, 400, 112}, shiftKey{668, 450, 112},
                  spaceKey{462, 500, 300}, eraseDigitKey{625, 325, 100};

bool pressedWide(const WideKey& key) { return pointerInRect(key.x, key.y, key.width, keySize); }

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

bool onscreenKeysShown() { return touchMode || padInUse; }

void drawOnscreenKeyboard() {
    drawSprite("keyboard", 500, 400);
    if (menuState.shiftOn) frameButton(shiftKey.x, shiftKey.y, 110, 46, hoverYellow);
    for (const KeyRow& row : keyboardRows)
        for (int i = 0; row.keys[i]; i++) addPadTarget(row.firstX + 50 * i, row.y);
    for (const WideKey& key : {backspaceKey, enterKey, shiftKey, spaceKey}) addPadTarget(key.x, key.y);
}

void pressOnscreenKeyboard() {
    bool hasName = !newGameForm.name.empty();
    if (char key = keyboardKeyUnderPointer()) {
        typeKey(key);
    } else if (pressedWide(backspaceKey)) {
        if (hasName) { playClick(); eraseNameCharacter(); }
    } else if (pressedWide(enterKey)) {
        if (hasName) { playClick(); submitName(); }
    } else if (pressedWide(shiftKey)) {
        playClick();
        menuState.shiftOn = !menuState.shiftOn;
    } else if (pressedWide(spaceKey)) {
        if (hasName && newGameForm.name.size() < maxNameLength) {
            playClick();
            appendNameCharacter(' ');
        }
    }
}

void drawOnscreenNumberPad() {
    drawSprite("number pad", 550, 400);
    for (const PadKey& key : padKeys) addPadTarget(key.x, key.y);
    addPadTarget(eraseDigitKey.x, eraseDigitKey.y);
}

void pressOnscreenNumberPad() {
    for (const PadKey& key : padKeys) {
        if (!pointerInRect(key.x, key.y, keySize, keySize)) continue;
        if (appendSeedDigit(key.digit)) playClick();
        return;
    }
    if (pressedWide(eraseDigitKey) && !newGameForm.seedText.empty()) {
        playClick();
        eraseSeedDigit();
    }
}
