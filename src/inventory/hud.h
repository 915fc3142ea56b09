// hud.h -- the top bar, its buttons, the help page, and the play-time format
#pragma once
#include <cstdint>
#include <string>

struct HelpPage {
    bool open = false;         // open or opening
    int32_t slide = -265;      // page centre y, px; -265 closed, 335 open
    int32_t slideSpeed = 0;    // px per step; +50 opening, -50 closing
};

extern HelpPage helpPage;

void drawHud();                      // the last layer of the game screen
void handleGameClick();              // every press during a game goes here first
bool toggleHelp(bool closeOnly);     // returns whether it closed the page
bool helpOpen();
void resetHelpPage();
void leaveGame();                    // the exit button: saved, back to the main menu
std::string hudTimeText();           // what the bar shows in the middle: the time or "Paused"
std::string TimerText(int seconds);  // 0 -> 00:00, 125 -> 2:05, 3725 -> 1:02:05
