// onscreen_keys.h -- the touch keyboard for save names and the number pad for seeds
#pragma once

void drawOnscreenKeyboard();
void pressOnscreenKeyboard();
void drawOnscreenNumberPad();
void pressOnscreenNumberPad();
