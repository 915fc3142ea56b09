// checklist.h -- research levels and the checklist page
#pragma once
#include <cstdint>

struct ChecklistPage {
    bool open = false;         // open or opening
    int32_t slide = -160;      // page centre y, px; -160 closed, 215 open
    int32_t slideSpeed = 0;    // px per step; +50 opening, -50 closing
};

extern ChecklistPage checklistPage;

bool pointerOverChecklistPage();  // the open page's area, wherever the page has slid
void toggleChecklist(bool closeOnly);
void drawChecklistPage();
void resetChecklistPage();
void researchItem(int slot);                               // the item in slot dropped on the beaker
int computeOverallProgress(const int researchLevel[22]);  // sum of the 21 levels div 21
