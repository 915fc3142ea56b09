// rumble_switch.cpp -- "Rumble:" On / Off on the settings screen, written at once to saves/gP.kv
#include "frontend/rumble_switch.h"

#include "engine/gamepad.h"
#include "engine/input.h"
#include "frontend/menu_widgets.h"

namespace {
constexpr int rowY = 390;               // below the effects slider, above Confirm
constexpr int onX = 443, offX = 657;    // under Touch and Mouse/Keyboard
}  // namespace

void drawRumbleSwitch() {
    menuText("Rumble:", 275, rowY - 10, 20);
    drawChoiceButton(onX, rowY, 180, 40, padSettings.rumbleOn == 1);
    menuText("On", onX, rowY - 10, 18);
    drawChoiceButton(offX, rowY, 180, 40, padSettings.rumbleOn == 0);
    menuText("Off", offX, rowY - 10, 18);
}

bool clickRumbleSwitch() {
    int choice = pointerInRect(onX, rowY, 180, 40) ? 1 : pointerInRect(offX, rowY, 180, 40) ? 0 : -1;
    if (choice < 0) return false;
    if (choice != padSettings.rumbleOn) {
        padSettings.rumbleOn = choice;
        writePadSettings();
    }
    playClick();
    return true;
}
