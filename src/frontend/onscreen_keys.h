// onscreen_keys.h -- the touch keyboard for save names and the number pad for seeds
#pragma once

void drawOnscreenKeyboard();
void pressOnscreenKeyboard();
void drawOnscreenNumberPad();
void pressOnscreenNumberPad();

// Text edits shared by the physical and the on-screen keys (new_game.cpp).
void eraseNameCharacter();
bool appendNameCharacter(char c);
void submitName();
void eraseSeedDigit();
bool appendSeedDigit(char c);
