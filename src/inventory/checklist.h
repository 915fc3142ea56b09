// checklist.h -- research levels and the checklist page
#pragma once

void toggleChecklist(bool closeOnly);
void drawChecklistPage();
void resetChecklistPage();
int computeOverallProgress(const int researchLevel[22]);  // sum of the 21 levels div 21
