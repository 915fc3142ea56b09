// game_screen.h -- one step of the game screen, every layer in drawing order
#pragma once

void drawGameScreen();
