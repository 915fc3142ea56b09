// menus.h -- the eight menu screens: drawing the one that shows, and its presses
#pragma once

void drawMenuScreens();
void onMenuClick();
void resetMenuState();
