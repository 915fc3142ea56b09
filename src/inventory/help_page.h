// help_page.h -- "Quick Help": the pause page that slides down over a game
#pragma once
#include <cstdint>

struct HelpPage {
    bool open = false;         // open or opening
    int32_t slide = -265;      // page centre y, px; -265 closed, 335 open
    int32_t slideSpeed = 0;    // px per step; +50 opening, -50 closing
};

extern HelpPage helpPage;

bool toggleHelp(bool closeOnly);     // returns whether it closed the page
bool helpOpen();
void resetHelpPage();

void drawHelpPage();
bool closeHelpOnTouchOutside();  // touch: a tap outside the open page closes it; true: it did
