// onscreen_keys.h -- the touch keyboard for save names and the number pad for seeds
#pragma once

bool onscreenKeysShown();   // on a touch screen, and while a pad is in use

void drawOnscreenKeyboard();
void pressOnscreenKeyboard();
void drawOnscreenNumberPad();
void pressOnscreenNumberPad();
