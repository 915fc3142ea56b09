// rumble_switch.h -- the settings screen's switch for the gamepad's rumble, kept in saves/gP.kv
#pragma once

void drawRumbleSwitch(int x, int y);   // the "Gamepad rumble" box, centred at (x, y)
bool clickRumbleSwitch(int x, int y);  // true when the press was on it
