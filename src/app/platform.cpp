// platform.cpp -- the real devices of the game window and the scripted ones of tests
#include "app/platform.h"

#include "app/pointer_x11.h"

#include <atomic>
#include <cmath>
#include <mutex>

namespace {
sf::RenderWindow* window = nullptr;       // the game's window, or none in tests
sf::RenderTarget* target = nullptr;       // where screens draw
std::atomic<bool> scripted{false};
ScriptedInput script;

// What the pointer thread needs to turn window pixels into view coordinates,
// copied by the main thread whenever the window or its view changes.
struct ViewMapping {
    unsigned long handle = 0;  // the X window
    sf::Vector2u size;         // window size, px
    sf::View view;
};
std::mutex mappingMutex;
ViewMapping mapping;

// The same arithmetic as sf::RenderTarget::mapPixelToCoords, on a copy.
sf::Vector2f mapPixel(const ViewMapping& m, int x, int y) {
    const sf::FloatRect& v = m.view.getViewport();
    float left = static_cast<int>(0.5f + m.size.x * v.left);
    float top = static_cast<int>(0.5f + m.size.y * v.top);
    float width = static_cast<int>(0.5f + m.size.x * v.width);
    float height = static_cast<int>(0.5f + m.size.y * v.height);
    sf::Vector2f normalized(-1.f + 2.f * (x - left) / width, 1.f - 2.f * (y - top) / height);
    return m.view.getInverseTransform().transformPoint(normalized);
}
}  // namespace

void bindWindow(sf::RenderWindow* w) {
    window = w;
    target = w;
    scripted = false;
    publishViewMapping();
}

void publishViewMapping() {
    if (!window) return;
    std::lock_guard<std::mutex> lock(mappingMutex);
    mapping.handle = window->getSystemHandle();
    mapping.size = window->getSize();
    mapping.view = window->getView();
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
        // The test target has the view's size, so pixels are view coordinates.
        out = {script.focused, script.pixelX, script.pixelY, script.leftButton, script.rightButton};
        return true;
    }
    ViewMapping m;
    {
        std::lock_guard<std::mutex> lock(mappingMutex);
        m = mapping;
    }
    RawPointer raw;
    if (!openPointerConnection() || !readRawPointer(m.handle, raw)) return false;
    sf::Vector2f p = mapPixel(m, raw.pixelX, raw.pixelY);
    out = {raw.focused, static_cast<int>(std::trunc(p.x)), static_cast<int>(std::trunc(p.y)),
           raw.left, raw.right};
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
    if (window) window->setMouseCursorVisible(visible);
}

void platformCloseWindow() {
    if (window) window->close();
}
