// game_window.h -- the game's one window: opened as the player left it, resizable with
// the picture letterboxed, full screen on F11 or Alt+Enter, its size kept in saves/wN.kv
#pragma once
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

// saves/wN.kv: three lines, the window's width and height in pixels when it is not full
// screen, then 1 for full screen or 0. The settings in sF.kv stay as they are.
struct WindowChoice {
    int width = 1000, height = 600;  // the window when not full screen, px
    bool fullscreen = false;         // full screen at the desktop's resolution
};
constexpr const char* windowChoiceFile = "wN.kv";
constexpr int windowSettleMs = 500;  // a resize quiet this long is remembered

WindowChoice loadWindowChoice();  // defaults when the file is missing or a value is out of range
bool saveWindowChoice(const WindowChoice& choice);
bool isFullscreenToggle(const sf::Event& event);  // F11, or Enter while Alt is held

void openGameWindow(sf::RenderWindow& window);  // as remembered, with its icon, frame limit and letterbox
// Resizes, full screen toggles and the text of the Enter that toggled; true when the
// event was the window's own and the game should not see it.
bool handleWindowChange(sf::RenderWindow& window, const sf::Event& event);
void rememberWindowWhenSettled();  // main thread, every pass: a resize quiet for half a second is saved
