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

namespace {
constexpr int checkboxSize = 22;     // the box, px
constexpr int checkboxLabelGap = 10; // from the box's right edge to its label
constexpr unsigned checkboxTextSize = 18;
const sf::Color tickColour(243, 229, 192, 255);  // parchment on the grey of a chosen box
}  // namespace

void drawCheckbox(int x, int y, bool ticked, const std::string& text, bool hoverInTouch) {
    addPadTarget(x, y);
    if (ticked) {
        currentFillColour = selectedGrey;
        fillRectCentred(x, y, checkboxSize, checkboxSize);
        drawThickLine(x - 7, y, x - 2, y + 6, 3, tickColour);
        drawThickLine(x - 3, y + 6, x + 7, y - 7, 3, tickColour);
    }
    bool hovered = (!touchMode || hoverInTouch) && checkboxHit(x, y, text);
    frameButton(x, y, checkboxSize, checkboxSize, hovered ? hoverYellow : menuBlack);
    menuTextLeft(text, x + checkboxSize / 2 + checkboxLabelGap, y - 11, checkboxTextSize);
}

bool checkboxHit(int x, int y, const std::string& text) {
    int width = checkboxSize + checkboxLabelGap + static_cast<int>(menuTextWidth(text, checkboxTextSize));
    return pointerInRect(x - checkboxSize / 2 + width / 2, y, width, 30);
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
