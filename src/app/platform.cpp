// platform.cpp -- the real devices of the game window and the scripted ones of tests
#include "app/platform.h"

#include "app/letterbox.h"

#include <atomic>
#include <cmath>

namespace {
sf::RenderWindow* window = nullptr;       // the game's window, or none in tests
sf::RenderTarget* target = nullptr;       // where screens draw
std::atomic<bool> scripted{false};
ScriptedInput script;
}

void bindWindow(sf::RenderWindow* w) {
    window = w;
    target = w;
    scripted = false;
}

void bindScripted(sf::RenderTarget* t) {
    window = nullptr;
    target = t;
    script = ScriptedInput{};
    scripted = true;
}

ScriptedInput& scriptedInput() { return script; }

sf::RenderTarget& drawTarget() { return *target; }

bool platformPointer(int& viewX, int& viewY) {
    if (scripted) {
        // The scripted pointer is in pixels of the test target, letterboxed like the window.
        sf::Vector2u size = target->getSize();
        sf::Vector2i view = letterboxPixelToView(letterboxFor(size.x, size.y), script.pixelX, script.pixelY);
        viewX = view.x;
        viewY = view.y;
        return true;
    }
    if (!window) return false;
    sf::Vector2f p = window->mapPixelToCoords(sf::Mouse::getPosition(*window));
    viewX = static_cast<int>(std::trunc(p.x));
    viewY = static_cast<int>(std::trunc(p.y));
    return true;
}

bool platformButton(sf::Mouse::Button button) {
    if (scripted) {
        return button == sf::Mouse::Left ? script.leftButton
             : button == sf::Mouse::Right ? script.rightButton : false;
    }
    return sf::Mouse::isButtonPressed(button);
}

bool platformKey(sf::Keyboard::Key key) {
    if (scripted) return key >= 0 && key < sf::Keyboard::KeyCount && script.keys[key];
    return sf::Keyboard::isKeyPressed(key);
}

bool platformHasFocus() {
    if (scripted) return script.focused;
    return window && window->hasFocus();
}

void platformSetCursorVisible(bool visible) {
    if (scripted) {
        script.cursorVisible = visible;
        return;
    }
    if (window) window->setMouseCursorVisible(visible);
}

void platformCloseWindow() {
    if (window) window->close();
}
