// hud.h -- the top bar, its buttons, and the play-time format
#pragma once
#include <cstdint>
#include <string>

void drawHud();                      // the last layer of the game screen
bool pointerOnBarOrOpenPage();       // the top bar, or the checklist or bag page while open
bool handleGameClick();              // every press during a game goes here first; true: a touch was used
void pressHelpButton();              // the help button, pressed without the pointer (the pad's Start)
void leaveGame();                    // the exit button: saved, back to the main menu
std::string hudTimeText();           // what the bar shows in the middle: the time or "Paused"
std::string TimerText(int seconds);  // 0 -> 00:00, 125 -> 2:05, 3725 -> 1:02:05
