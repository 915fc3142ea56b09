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
    bool windowClosed = false;         // the game closed its window
    int picturesFinished = 0;          // pictures drawn and finished but never shown
};

// One reading of the pointer, as the pointer thread takes it.
struct PointerReading {
    bool focused = false;        // the window has the focus
    int viewX = 0, viewY = 0;    // pointer in view coordinates (outside the view when off it)
    bool left = false, right = false;  // buttons held
};

void bindWindow(sf::RenderWindow* window);  // the game: real window and devices
void publishViewMapping();                   // main thread, after any change of window, size or view
void bindScripted(sf::RenderTarget* target); // tests: scripted devices, this target
ScriptedInput& scriptedInput();              // the scripted devices (tests only)

sf::RenderTarget& drawTarget();              // where every screen draws
void finishPicture();                        // the renderer completes what was drawn, not shown
bool platformReadPointer(PointerReading& out); // pointer thread; false without a window
bool platformKey(sf::Keyboard::Key key);
bool platformHasFocus();
void platformSetCursorVisible(bool visible);  // the game's wish (fishing hides it over the pond)
bool platformCursorVisible();                 // that wish, as last given
void platformHideCursorForPad(bool hide);     // the pad's pointer is drawn instead of the mouse's
void platformCloseWindow();
void requestQuit();   // the window closes and the program ends, as by the window's close button
