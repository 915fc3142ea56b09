// toolkit.h -- rectangles, frames, lines and text labels that every screen draws with
#pragma once
#include <SFML/Graphics.hpp>
#include <string>

extern sf::Color currentFillColour;  // what the rectangle operations fill with
extern sf::Font defaultFont;         // the game font, every label starts with it
extern sf::Font uiFont;              // the menu, HUD and tooltip font

void loadFonts();

void setFill(int r, int g, int b, int a = 255);   // sets currentFillColour
void shadeView(int alpha);                         // black over the whole view
void fillRectCentred(int cx, int cy, int w, int h);
void fillBarFromLeft(int x, int cy, int h, int length);
void frameRect(int cx, int cy, float w, float h);  // 3 px frame just outside the box
void frameRectInt(int cx, int cy, int w, int h);
void fillRectCentredF(int cx, int cy, float w, float h);
void drawDot(int x, int y);                        // filled circle of radius 10
void drawThickLine(int x1, int y1, int x2, int y2, float thickness, sf::Color colour);

enum Alignment { AlignCentre = 1, AlignLeft = 2, AlignRight = 3 };

// The horizontal origin of a label of this width: even for centred and right-aligned
// labels, so they sit on whole pixels.
int labelOriginX(int width, int alignment);

struct TextLabel {
    sf::Text text;
    sf::Color colour = sf::Color::Black;  // applied at every draw
    int alignment = AlignCentre;
    int defaultX = 0, defaultY = 0;       // used when draw is given -1

    TextLabel(const std::string& s = "", int x = 0, int y = 0);
    void setString(const std::string& s);
    void draw(int x = -1, int y = -1);
    int originX() const;                   // the horizontal origin draw uses
    float width() const { return text.getLocalBounds().width; }
};

// One-call label: font, size, colour, alignment, string, then draw at (x, y).
TextLabel& label(const sf::Font& font, unsigned size, sf::Color colour, int alignment,
                 const std::string& s, int x, int y);
