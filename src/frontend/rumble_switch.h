// rumble_switch.h -- the settings screen's row for the pad's rumble, kept in saves/gP.kv
#pragma once

void drawRumbleSwitch();   // "Rumble:" with its On and Off buttons
bool clickRumbleSwitch();  // true when the press was on one of them
