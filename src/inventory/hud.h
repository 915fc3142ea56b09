// hud.h -- the top bar, its buttons, the help page, and the play-time format
#pragma once
#include <string>

void drawHud();
void handleGameClick();              // every press during a game goes here first
bool toggleHelp(bool closeOnly);     // returns whether it closed the page
bool helpOpen();
void resetHelpPage();
std::string TimerText(int seconds);  // 0 -> 00:00, 125 -> 2:05, 3725 -> 1:02:05
