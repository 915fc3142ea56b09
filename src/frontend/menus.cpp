#include "frontend/menus.h"
void drawMenuScreens() {}
void onMenuClick() {}
void resetMenuState() {}
