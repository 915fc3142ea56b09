// game_window.cpp -- opening, letterboxing, full screen and remembering the game window
#include "game/game_window.h"

#include "engine/asset_table.h"
#include "engine/clock.h"
#include "engine/letterbox.h"
#include "engine/one_copy.h"
#include "engine/platform.h"
#include "engine/run_folder.h"
#include "engine/save_files.h"

#include <SFML/Window/VideoMode.hpp>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace {

struct WindowState {
    WindowChoice choice;             // what the window is now, as it will be remembered
    bool unsaved = false;            // a resize not written to saves/wN.kv yet
    int32_t lastResizeMs = 0;        // when the last resize arrived
    bool swallowEnterText = false;   // the Enter of Alt+Enter must not reach the menus
    sf::Image icon;                  // lives as long as the window
} state;

bool inRange(const std::optional<int>& v, int low, int high) { return v && *v >= low && *v <= high; }

void setWindowIcon(sf::RenderWindow& window) {
    // Without the icon file the desktop keeps its default icon.
    if (state.icon.getSize().x == 0) state.icon.loadFromFile(assetFile(iconCode));
    if (state.icon.getSize().x == 32 && state.icon.getSize().y == 32) window.setIcon(32, 32, state.icon.getPixelsPtr());
}

// The pointer thread maps pixels with the size published here.
void letterbox(sf::RenderWindow& window) {
    window.setView(letterboxView(window.getSize().x, window.getSize().y));
    publishViewMapping();
}

// A remembered size never exceeds the screen the game starts on.
sf::VideoMode windowedMode(const WindowChoice& choice) {
    sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    unsigned w = static_cast<unsigned>(choice.width), h = static_cast<unsigned>(choice.height);
    if (desktop.width > 0) w = std::min(w, desktop.width);
    if (desktop.height > 0) h = std::min(h, desktop.height);
    return sf::VideoMode(w, h, 32);
}

void createWindow(sf::RenderWindow& window, const WindowChoice& choice) {
    if (choice.fullscreen) window.create(sf::VideoMode::getDesktopMode(), "Thornvale", sf::Style::Fullscreen);
    else window.create(windowedMode(choice), "Thornvale", sf::Style::Default);
    // No frame-rate limit: the main loop shows one picture per 34 ms step and sleeps in
    // between. SFML's limiter would beat against that schedule and now and then hold the
    // main thread in display() for most of a frame, with clicks and keys waiting.
    setWindowIcon(window);
    markWindowWithProcess(window.getSystemHandle());
    letterbox(window);
    bindWindow(&window);
}

void toggleFullscreen(sf::RenderWindow& window) {
    state.choice.fullscreen = !state.choice.fullscreen;
    createWindow(window, state.choice);
    saveWindowChoice(state.choice);
    state.unsaved = false;
}

void followResize(sf::RenderWindow& window, const sf::Event::SizeEvent& size) {
    letterbox(window);
    if (state.choice.fullscreen) return;
    state.choice.width = static_cast<int>(size.width);
    state.choice.height = static_cast<int>(size.height);
    state.unsaved = true;
    state.lastResizeMs = nowMs();
}

}  // namespace

WindowChoice loadWindowChoice() {
    WindowChoice choice;
    auto lines = readSavesFile(windowChoiceFile);
    if (!lines || lines->size() < 3) return choice;
    auto w = parseInt((*lines)[0]), h = parseInt((*lines)[1]), full = parseInt((*lines)[2]);
    if (!inRange(w, 1, INT32_MAX) || !inRange(h, 1, INT32_MAX) || !inRange(full, 0, 1)) return choice;
    // The player may have dragged the window smaller than the game opens one: it opens
    // at the smallest size then, and full screen stays as it was left.
    return WindowChoice{std::clamp(*w, 100, 16384), std::clamp(*h, 60, 16384), *full == 1};
}

bool saveWindowChoice(const WindowChoice& choice) {
    return replaceSavesFile(windowChoiceFile, {std::to_string(choice.width), std::to_string(choice.height),
                                               choice.fullscreen ? "1" : "0"});
}

bool isFullscreenToggle(const sf::Event& event) {
    if (event.type != sf::Event::KeyPressed) return false;
    return event.key.code == sf::Keyboard::F11 || (event.key.code == sf::Keyboard::Enter && event.key.alt);
}

void openGameWindow(sf::RenderWindow& window) {
    state.choice = loadWindowChoice();
    state.unsaved = false;
    createWindow(window, state.choice);
}

bool handleWindowChange(sf::RenderWindow& window, const sf::Event& event) {
    if (event.type == sf::Event::Resized) {
        followResize(window, event.size);
        return true;
    }
    if (event.type == sf::Event::TextEntered && state.swallowEnterText &&
        (event.text.unicode == 10 || event.text.unicode == 13)) {
        state.swallowEnterText = false;
        return true;
    }
    if (event.type != sf::Event::KeyPressed) return false;
    state.swallowEnterText = event.key.code == sf::Keyboard::Enter && event.key.alt;
    if (!isFullscreenToggle(event)) return false;
    toggleFullscreen(window);
    return true;
}

void rememberWindowWhenSettled() {
    if (!state.unsaved || nowMs() - state.lastResizeMs < windowSettleMs) return;
    state.unsaved = !saveWindowChoice(state.choice);
    if (state.unsaved) state.lastResizeMs = nowMs();  // try again a little later
}
