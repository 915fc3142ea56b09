// platform.h -- the one road to the window, pointer, keyboard and draw target
//
// The game reads input and draws only through these functions. The game binary
// binds them to its sf::RenderWindow; tests bind a RenderTexture and script the
// pointer, the buttons, the keys and the focus.
#pragma once
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

struct ScriptedInput {
    int pixelX = -1, pixelY = -1;      // pointer in window pixels; outside while negative
    bool leftButton = false;           // left button (or finger) down
    bool rightButton = false;          // right button down
    bool keys[sf::Keyboard::KeyCount] = {};  // keys held
    bool focused = true;               // the window has the focus
    bool cursorVisible = true;         // last cursor visibility the game asked for
};

void bindWindow(sf::RenderWindow* window);  // the game: real window and devices
void bindScripted(sf::RenderTarget* target); // tests: scripted devices, this target
ScriptedInput& scriptedInput();              // the scripted devices (tests only)

sf::RenderTarget& drawTarget();              // where every screen draws
bool platformPointer(int& viewX, int& viewY); // pointer in view coordinates; false if no window
bool platformButton(sf::Mouse::Button button);
bool platformKey(sf::Keyboard::Key key);
bool platformHasFocus();
void platformSetCursorVisible(bool visible);
void platformCloseWindow();
