// platform.cpp -- the real devices of the game window and the scripted ones of tests
#include "engine/platform.h"

#include "engine/app_state.h"
#include "engine/letterbox.h"
#include "engine/pointer_x11.h"

#include <SFML/OpenGL.hpp>
#include <atomic>
#include <mutex>

namespace {
sf::RenderWindow* window = nullptr;       // the game's window, or none in tests
sf::RenderTarget* target = nullptr;       // where screens draw
std::atomic<bool> scripted{false};
ScriptedInput script;

bool cursorShown = true;  // the visibility the game last asked for, kept over a new window
bool padPointerShown = false;  // the pad is in use: the mouse's cursor makes way for its pointer

void showCursorAsWished() {
    if (window) window->setMouseCursorVisible(cursorShown && !padPointerShown);
}

// What the pointer thread needs to turn window pixels into view coordinates,
// copied by the main thread whenever the window or its size changes.
struct ViewMapping {
    unsigned long handle = 0;  // the X window
    sf::Vector2u size;         // window size, px; the picture is letterboxed in it
};
std::mutex mappingMutex;
ViewMapping mapping;

// Window pixels to view coordinates through the letterbox: the same arithmetic for the
// real window and the tests' target, exact at whole scales.
sf::Vector2i mapPixel(sf::Vector2u size, int x, int y) {
    return letterboxPixelToView(letterboxFor(size.x, size.y), x, y);
}
}  // namespace

void finishPicture() {
    if (window) glFinish();
    else if (scripted) script.picturesFinished++;
}

void bindWindow(sf::RenderWindow* w) {
    window = w;
    target = w;
    scripted = false;
    showCursorAsWished();
    publishViewMapping();
}

void publishViewMapping() {
    if (!window) return;
    std::lock_guard<std::mutex> lock(mappingMutex);
    mapping.handle = window->getSystemHandle();
    mapping.size = window->getSize();
}

void bindScripted(sf::RenderTarget* t) {
    window = nullptr;
    target = t;
    script = ScriptedInput{};
    scripted = true;
}

ScriptedInput& scriptedInput() { return script; }

sf::RenderTarget& drawTarget() { return *target; }

bool platformReadPointer(PointerReading& out) {
    if (scripted) {
        // The scripted pointer is in pixels of the test target, letterboxed like the window.
        sf::Vector2i p = mapPixel(target->getSize(), script.pixelX, script.pixelY);
        out = {script.focused, p.x, p.y, script.leftButton, script.rightButton};
        return true;
    }
    ViewMapping m;
    {
        std::lock_guard<std::mutex> lock(mappingMutex);
        m = mapping;
    }
    RawPointer raw;
    if (!openPointerConnection() || !readRawPointer(m.handle, raw)) return false;
    sf::Vector2i p = mapPixel(m.size, raw.pixelX, raw.pixelY);
    out = {raw.focused, p.x, p.y, raw.left, raw.right};
    return true;
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
    cursorShown = visible;
    showCursorAsWished();
}

bool platformCursorVisible() { return scripted ? script.cursorVisible : cursorShown; }

void platformHideCursorForPad(bool hide) {
    if (hide == padPointerShown) return;
    padPointerShown = hide;
    showCursorAsWished();
}

void platformCloseWindow() {
    if (scripted) script.windowClosed = true;
    if (window) window->close();
}

void requestQuit() {
    app.quitRequested = true;
    platformCloseWindow();
}
