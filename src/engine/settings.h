// settings.h -- the player's input method and sound choices, kept in saves/sF.kv
#pragma once

struct Settings {
    int InputChoice = -1;     // -1 not chosen yet, 0 Mouse/Keyboard, 1 Touch
    int musicOn = 1;          // 1 on, 0 muted
    int musicVolume = 100;    // percent
    int sfxOn = 1;            // 1 on, 0 muted
    int sfxVolume = 100;      // percent
    int AskInputAtStart = 1;  // 1 ask at every start, 0 locked, -1 just picked, not confirmed
};

extern Settings settings;

void loadSettings();   // start-up: read saves/sF.kv (or write the defaults), choose the first screen
void writeSettings();  // Confirm on the chooser or the settings screen
