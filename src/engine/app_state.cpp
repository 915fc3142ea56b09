// app_state.cpp -- the one AppState of the program
#include "engine/app_state.h"

AppState app;

void resetAppState() {
    app.quitRequested = false;
    app.loadingScreenOn = false;
    app.loadProgress = 0;
    app.loadTotal = startupLoadUnits;
    app.loadShown = 0;
    app.inGame = false;
    app.inTutorial = false;
    app.audioReady = false;
    app.windowFocused = false;
    app.loadersRunning = 0;
    app.lastTickMs = 0;
    for (CloudState& c : app.clouds) c = CloudState{};
    clearMenuFlags();
    app.showTitle = true;
}

void clearMenuFlags() {
    app.showInputChooser = app.showSettings = app.showTitle = app.showMainMenu = false;
    app.showNameEntry = app.showSeedChoice = app.showSeedEntry = app.showLoadList = false;
}

void raiseLoadingScreen(int total) {
    app.loadProgress = 0;
    app.loadShown = 0;
    app.loadTotal = total;
    app.loadingScreenOn = true;
}

void addLoadProgress(int units) { app.loadProgress += units; }
