// app_state.h -- the program-wide state: which screen shows, loading, quitting, clouds
#pragma once
#include "engine/asset_table.h"

#include <atomic>
#include <cstdint>

struct CloudState {
    bool active = false;    // drawn and moving; inactive clouds are recycled next step
    double cloudX = 0;      // centre x, px (drawn at y 150)
    double cloudSpeed = 0;  // px per step to the left
};

constexpr const char* cloudNames[5] = {"cloud 1", "cloud 2", "cloud 3", "cloud 4", "cloud 5"};

// Exactly one screen shows at a time; the loading screen is drawn over it while raised.
enum class GameScreen {
    Title,         // the play letters; a new player's Settings button
    MainMenu,      // New Game, Load Game, Tutorial, Settings and the high scores
    LoadList,      // the saved games to load or delete
    NameEntry,     // a new game's save name
    SeedChoice,    // Random Seed or Custom Seed
    SeedEntry,     // the custom seed typed in
    Settings,      // music, sound effects and the input method
    InputChooser,  // Mouse/Keyboard or Touch, asked on the first start
    Game,          // a game being played
    Tutorial,      // the elder's lessons being played
};

struct AppState {
    std::atomic<bool> quitRequested{false};   // the player closed the window or pressed Quit
    std::atomic<bool> loadingScreenOn{false}; // each step shows only the loading screen
    std::atomic<int> loadProgress{0};         // work units finished behind the loading screen
    int loadTotal = startupLoadUnits;         // work units expected (start-up, new game, load)
    int loadShown = 0;                        // work units the bar already shows
    std::atomic<GameScreen> screen{GameScreen::Title};  // the screen that shows (read by the pointer thread)
    std::atomic<bool> audioReady{false};      // every sound is loaded and the music started
    std::atomic<bool> windowFocused{false};   // the focus state last acted upon
    std::atomic<int> loadersRunning{0};       // loader threads that have not finished yet
    int32_t lastTickMs = 0;                   // nowMs up to which steps have been scheduled
    CloudState clouds[5];                     // the five background clouds
};

extern AppState app;

void resetAppState();      // back to the start-up values (tests boot the program repeatedly)
void changeScreen(GameScreen next);  // the one way to change which screen shows
bool showing(GameScreen screen);     // this screen shows
bool playing();                      // a game or the tutorial shows
constexpr int newGameLoadUnits = 63;   // the loading screen's total while a new game is made
constexpr int loadGameLoadUnits = 74;  // ... and while a saved game loads
void raiseLoadingScreen(int total);  // show the loading bar for a long operation of total units
void addLoadProgress(int units = 1); // one more unit of the raised loading screen is done
