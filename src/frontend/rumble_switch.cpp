// rumble_switch.cpp -- "Gamepad rumble" on the settings screen, written at once to saves/gP.kv
#include "frontend/rumble_switch.h"

#include "engine/gamepad.h"
#include "frontend/menu_widgets.h"

namespace {
constexpr char rumbleText[] = "Gamepad rumble";
}

void drawRumbleSwitch(int x, int y) { drawCheckbox(x, y, padSettings.rumbleOn == 1, rumbleText); }

bool clickRumbleSwitch(int x, int y) {
    if (!checkboxHit(x, y, rumbleText)) return false;
    padSettings.rumbleOn = padSettings.rumbleOn == 1 ? 0 : 1;
    writePadSettings();
    playClick();
    return true;
}
