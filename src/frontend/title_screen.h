// title_screen.h -- the title screen and the main menu
#pragma once

void drawTitleScreen();
void clickTitleScreen();
void drawMainMenu();
void clickMainMenu();
