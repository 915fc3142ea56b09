// checklist.cpp -- research progress; the checklist page arrives with the research work
#include "inventory/checklist.h"

void toggleChecklist(bool) {}
void drawChecklistPage() {}
void resetChecklistPage() {}

int computeOverallProgress(const int researchLevel[22]) {
    int sum = 0;
    for (int k = 1; k <= 21; k++) sum += researchLevel[k];
    return sum / 21;
}
