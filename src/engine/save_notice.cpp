// save_notice.cpp -- "Progress could not be saved", white on dark red below the top bar
#include "engine/save_notice.h"

#include "engine/save_files.h"
#include "engine/toolkit.h"

void drawSaveNotice() {
    if (!savesFailing()) return;
    sf::Color previous = currentFillColour;
    setFill(150, 20, 20, 220);
    fillRectCentred(500, 92, 340, 32);
    label(uiFont, 20, sf::Color::White, AlignCentre, saveFailedText, 500, 79);
    currentFillColour = previous;
}
