// checklist.cpp -- research progress; the checklist page arrives with the research work
#include "inventory/checklist.h"

ChecklistPage checklistPage;

void toggleChecklist(bool) {}
void drawChecklistPage() {}
void resetChecklistPage() { checklistPage = ChecklistPage{}; }
void researchItem(int) {}

int computeOverallProgress(const int researchLevel[22]) {
    int sum = 0;
    for (int k = 1; k <= 21; k++) sum += researchLevel[k];
    return sum / 21;
}
