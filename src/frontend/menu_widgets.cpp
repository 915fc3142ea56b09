// menu_widgets.cpp -- panel, frames, labels and click sounds shared by every menu screen
#include "frontend/menu_widgets.h"

#include "engine/catalogue.h"
#include "engine/input.h"
#include "engine/pad_pointer.h"
#include "engine/sound.h"
#include "engine/toolkit.h"

void drawMenuPanel() { drawSprite("main menu", 500, 300); }

void frameButton(int cx, int cy, float w, float h, sf::Color colour) {
    currentFillColour = colour;
    frameRect(cx, cy, w, h);
}

void drawNavButton(int cx, int cy, float w, float h) {
    addPadTarget(cx, cy);
    if (touchMode) frameButton(cx, cy, w, h, menuBlack);
    else if (pointerInRect(cx, cy, w, h)) frameButton(cx, cy, w, h, hoverYellow);
}

void drawChoiceButton(int cx, int cy, float w, float h, bool selected, bool hoverInTouch) {
    addPadTarget(cx, cy);
    if (selected) {
        currentFillColour = selectedGrey;
        fillRectCentredF(cx, cy, w, h);
    }
    frameButton(cx, cy, w, h, menuBlack);
    if ((!touchMode || hoverInTouch) && pointerInRect(cx, cy, w, h)) frameButton(cx, cy, w, h, hoverYellow);
}

void drawBackButton() {
    drawNavButton(230, 100, 115, 45);
    drawSprite("arrow back", 230, 100);
}

bool backButtonHit() { return pointerInRect(230, 100, 115, 45); }

void menuText(const std::string& text, int x, int y, unsigned size, sf::Color colour) {
    label(uiFont, size, colour, AlignCentre, text, x, y);
}

void menuTextLeft(const std::string& text, int x, int y, unsigned size, sf::Color colour) {
    label(uiFont, size, colour, AlignLeft, text, x, y);
}

void menuTextRight(const std::string& text, int x, int y, unsigned size, sf::Color colour) {
    label(uiFont, size, colour, AlignRight, text, x, y);
}

float menuTextWidth(const std::string& text, unsigned size) {
    sf::Text measure(sf::String(text), uiFont, size);
    return measure.getLocalBounds().width;
}

void playClick() { playSound("click", true); }
void playBack() { playSound("back", true); }
