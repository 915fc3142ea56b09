// game_screen.h -- one step of the game screen, every layer in drawing order
#pragma once

void drawGameScreen();
void drawAreaObjects();       // the three objects of the area
int objectPlaceX(int slot);   // x of place 0, 1, 2: 170, 500, 830
