// toolkit.cpp -- the drawing toolkit: filled shapes in currentFillColour and text labels
#include "engine/toolkit.h"

#include "engine/asset_table.h"
#include "engine/cover.h"
#include "engine/platform.h"
#include "engine/run_folder.h"

#include <cmath>

sf::Color currentFillColour = sf::Color(0, 0, 0, 255);
sf::Font defaultFont;
sf::Font uiFont;

void loadFonts() {
    defaultFont.loadFromFile(assetFile(defaultFontCode));
    uiFont.loadFromFile(assetFile(uiFontCode));
}

void setFill(int r, int g, int b, int a) { currentFillColour = sf::Color(r, g, b, a); }

namespace {
void drawRect(float left, float top, float w, float h, sf::Color colour) {
    sf::FloatRect parts[4];
    int count = uncoveredParts(sf::FloatRect(left, top, w, h), parts);
    for (int i = 0; i < count; i++) {
        sf::RectangleShape rect(sf::Vector2f(parts[i].width, parts[i].height));
        rect.setPosition(parts[i].left, parts[i].top);
        rect.setFillColor(colour);
        drawTarget().draw(rect);
    }
}
}  // namespace

void shadeView(int alpha) { drawRect(0, 0, 1000, 600, sf::Color(0, 0, 0, alpha)); }

void fillRectCentred(int cx, int cy, int w, int h) {
    drawRect(static_cast<float>(cx - w / 2), static_cast<float>(cy - h / 2), w, h, currentFillColour);
}

void fillBarFromLeft(int x, int cy, int h, int length) {
    drawRect(static_cast<float>(x), static_cast<float>(cy - h / 2), length, h, currentFillColour);
}

void frameRect(int cx, int cy, float w, float h) {
    int top = static_cast<int>(cy - h / 2 - 1), bottom = static_cast<int>(cy + h / 2 + 1);
    int left = static_cast<int>(cx - w / 2 - 1), right = static_cast<int>(cx + w / 2 + 1);
    int width = static_cast<int>(w), height = static_cast<int>(h + 5);
    fillRectCentred(cx, top, width, 3);
    fillRectCentred(cx, bottom, width, 3);
    fillRectCentred(left, cy, 3, height);
    fillRectCentred(right, cy, 3, height);
}

void frameRectInt(int cx, int cy, int w, int h) {
    fillRectCentred(cx, cy - h / 2 - 1, w, 3);
    fillRectCentred(cx, cy + h / 2 + 1, w, 3);
    fillRectCentred(cx - w / 2 - 1, cy, 3, h + 5);
    fillRectCentred(cx + w / 2 + 1, cy, 3, h + 5);
}

void fillRectCentredF(int cx, int cy, float w, float h) {
    drawRect(cx - w / 2, cy - h / 2, w, h, currentFillColour);
}

void drawDot(int x, int y) {
    sf::CircleShape dot(10, 30);
    dot.setOrigin(10, 10);
    dot.setPosition(static_cast<float>(x), static_cast<float>(y));
    dot.setFillColor(currentFillColour);
    drawTarget().draw(dot);
}

void drawThickLine(int x1, int y1, int x2, int y2, float thickness, sf::Color colour) {
    double dx = x2 - x1, dy = y2 - y1, length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) return;
    double nx = -dy / length * thickness / 2, ny = dx / length * thickness / 2;
    sf::Vertex quad[4] = {
        sf::Vertex(sf::Vector2f(x1 + nx, y1 + ny), colour),
        sf::Vertex(sf::Vector2f(x2 + nx, y2 + ny), colour),
        sf::Vertex(sf::Vector2f(x2 - nx, y2 - ny), colour),
        sf::Vertex(sf::Vector2f(x1 - nx, y1 - ny), colour),
    };
    drawTarget().draw(quad, 4, sf::Quads);
}

TextLabel::TextLabel(const std::string& s, int x, int y) : defaultX(x), defaultY(y) {
    text.setFont(defaultFont);
    text.setString(sf::String(s, std::locale()));
}

void TextLabel::setString(const std::string& s) { text.setString(sf::String(s, std::locale())); }

// Centred and right-aligned labels get an even origin so they sit on whole pixels;
// a centred label whose half width is odd moves one pixel left.
int TextLabel::originX() const {
    return labelOriginX(static_cast<int>(text.getLocalBounds().width), alignment);
}

int labelOriginX(int w, int alignment) {
    if (alignment == AlignLeft) return 0;
    if (alignment == AlignRight) return w + (w % 2);
    int half = w / 2;
    return half + (half % 2);
}

void TextLabel::draw(int x, int y) {
    if (x == -1 || y == -1) {
        x = defaultX;
        y = defaultY;
    }
    text.setOrigin(static_cast<float>(originX()), 0);
    text.setPosition(static_cast<float>(x), static_cast<float>(y));
    text.setFillColor(colour);
    drawTarget().draw(text);
}

TextLabel& label(const sf::Font& font, unsigned size, sf::Color colour, int alignment,
                 const std::string& s, int x, int y) {
    static TextLabel shared;  // one label reused by every immediate-mode draw
    shared.text.setFont(font);
    shared.text.setCharacterSize(size);
    shared.colour = colour;
    shared.alignment = alignment;
    shared.setString(s);
    shared.draw(x, y);
    return shared;
}
