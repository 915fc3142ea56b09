// cheats.h -- playful and diagnostic switches read once from saves/ch.eat
#pragma once

struct CheatFlags {
    bool rainbowInventory = false;  // inventory squares flicker in random colours
    bool hideTimer = false;         // the HUD shows neither time nor "Paused"
    bool lowGravity = false;        // the wisp floats in wider, slower swings
    bool dizzySpin = false;         // the wisp spins five times as fast
    bool windy = false;             // clouds race at five times their speed
    bool noPost = false;            // no metrics report is sent or kept
};

extern CheatFlags cheats;

void readCheatFile();
