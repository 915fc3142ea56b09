// save_notice.cpp -- "Progress could not be saved", white on dark red below the top bar
#include "frontend/save_notice.h"

#include "app/toolkit.h"
#include "frontend/save_files.h"

void drawSaveNotice() {
    if (!savesFailing()) return;
    sf::Color previous = currentFillColour;
    setFill(150, 20, 20, 220);
    fillRectCentred(500, 92, 340, 32);
    label(uiFont, 20, sf::Color::White, AlignCentre, saveFailedText, 500, 79);
    currentFillColour = previous;
}
