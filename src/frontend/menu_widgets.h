// menu_widgets.h -- the common look of the menu screens: panel, buttons, texts, sounds
#pragma once
#include <SFML/Graphics/Color.hpp>
#include <string>

const sf::Color menuBlack(0, 0, 0, 255);
const sf::Color hoverYellow(227, 220, 0, 255);
const sf::Color armedRed(200, 0, 0, 255);
const sf::Color selectedGrey(100, 100, 100, 255);

// The play-report switch of the chooser and the settings screen, and what it means.
constexpr char playReportsText[] = "Send anonymous play reports";
constexpr char playReportsExplained[] =
    "Sent: first start, new game, finishing time, control scheme. No name, no seed.";

void drawMenuPanel();                                       // "main menu" at (500, 300)
void frameButton(int cx, int cy, float w, float h, sf::Color colour);
// Navigation screens: the hovered button framed yellow (mouse), every button black (touch).
void drawNavButton(int cx, int cy, float w, float h);
// Choice screens: grey fill when selected, a black frame, yellow on top when hovered.
void drawChoiceButton(int cx, int cy, float w, float h, bool selected, bool hoverInTouch = false);
// A tick box centred at (x, y) with its label to the right, as on the choice screens:
// grey with a parchment tick when on, a black frame, yellow while the pointer is on
// the box or its label (in touch mode only with hoverInTouch). Both take the press.
void drawCheckbox(int x, int y, bool ticked, const std::string& text, bool hoverInTouch = false);
bool checkboxHit(int x, int y, const std::string& text);
void drawBackButton();
bool backButtonHit();
// Menu text in uiFont, centred on x and hanging down from y.
void menuText(const std::string& text, int x, int y, unsigned size, sf::Color colour = menuBlack);
void menuTextLeft(const std::string& text, int x, int y, unsigned size, sf::Color colour = menuBlack);
void menuTextRight(const std::string& text, int x, int y, unsigned size, sf::Color colour = menuBlack);
float menuTextWidth(const std::string& text, unsigned size);
void playClick();   // every menu click restarts it
void playBack();
