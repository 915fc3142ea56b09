// app_state.cpp -- the one AppState of the program
#include "engine/app_state.h"

AppState app;

void resetAppState() {
    app.quitRequested = false;
    app.loadingScreenOn = false;
    app.loadProgress = 0;
    app.loadTotal = startupLoadUnits;
    app.loadShown = 0;
    app.screen = GameScreen::Title;
    app.audioReady = false;
    app.windowFocused = false;
    app.loadersRunning = 0;
    app.lastTickMs = 0;
    for (CloudState& c : app.clouds) c = CloudState{};
}

void changeScreen(GameScreen next) { app.screen = next; }

bool showing(GameScreen screen) { return app.screen == screen; }

bool playing() { return showing(GameScreen::Game) || showing(GameScreen::Tutorial); }

void raiseLoadingScreen(int total) {
    app.loadProgress = 0;
    app.loadShown = 0;
    app.loadTotal = total;
    app.loadingScreenOn = true;
}

void addLoadProgress(int units) { app.loadProgress += units; }
