// tooltip.cpp -- the one tooltip look: a grey box with white text beside the pointer
#include "engine/tooltip.h"

#include "engine/input.h"
#include "engine/toolkit.h"

#include <SFML/Graphics/Text.hpp>

void drawTooltipBox(const std::string& text, bool toTheRight, int alpha) {
    sf::Text measure(sf::String(text), uiFont, 18);
    int width = static_cast<int>(measure.getLocalBounds().width) + 10;
    int x = pointer.pointerX, y = pointer.pointerY;
    setFill(50, 50, 50, alpha);
    if (toTheRight) {
        fillBarFromLeft(x + 10, y + 12, 25, width);
        label(uiFont, 18, sf::Color::White, AlignLeft, text, x + 15, y);
    } else {
        fillBarFromLeft(x - width - 5, y + 12, 25, width);
        label(uiFont, 18, sf::Color::White, AlignRight, text, x - 10, y);
    }
}
