// menu_widgets.h -- the common look of the menu screens: panel, buttons, texts, sounds
#pragma once
#include <SFML/Graphics/Color.hpp>
#include <string>

const sf::Color menuBlack(0, 0, 0, 255);
const sf::Color hoverYellow(227, 220, 0, 255);
const sf::Color armedRed(200, 0, 0, 255);
const sf::Color selectedGrey(100, 100, 100, 255);

void drawMenuPanel();                                       // "main menu" at (500, 300)
void frameButton(int cx, int cy, float w, float h, sf::Color colour);
// Navigation screens: the hovered button framed yellow (mouse), every button black (touch).
void drawNavButton(int cx, int cy, float w, float h);
// Choice screens: grey fill when selected, a black frame, yellow on top when hovered.
void drawChoiceButton(int cx, int cy, float w, float h, bool selected, bool hoverInTouch = false);
void drawBackButton();
bool backButtonHit();
// Menu text in uiFont, centred on x and hanging down from y.
void menuText(const std::string& text, int x, int y, unsigned size, sf::Color colour = menuBlack);
void menuTextLeft(const std::string& text, int x, int y, unsigned size, sf::Color colour = menuBlack);
void menuTextRight(const std::string& text, int x, int y, unsigned size, sf::Color colour = menuBlack);
float menuTextWidth(const std::string& text, unsigned size);
void playClick();   // every menu click restarts it
void playBack();
