// help_page.h -- "Quick Help": the pause page that slides down over a game
#pragma once
#include <string>

void drawHelpPage();
void closeHelpOnTouchOutside();  // touch: a tap outside the open page closes it
void drawTooltipBox(const std::string& text, bool toTheRight);  // the HUD's tooltip look
