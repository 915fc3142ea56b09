// frame_loop.cpp -- start-up order, the step scheduler, runStep and the drifting clouds
#include "game/frame_loop.h"

#include "activities/interaction.h"
#include "engine/app_state.h"
#include "engine/asset_table.h"
#include "engine/catalogue.h"
#include "engine/cheats.h"
#include "engine/clock.h"
#include "engine/cover.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/metrics.h"
#include "engine/pad_pointer.h"
#include "engine/pause.h"
#include "engine/platform.h"
#include "engine/random.h"
#include "engine/settings.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "frontend/high_scores.h"
#include "frontend/menus.h"
#include "frontend/save_list.h"
#include "game/game_screen.h"
#include "game/pad_controls.h"
#include "tutorial/tutorial.h"
#include "world/game_session.h"
#include "world/player.h"

#include <pthread.h>
#include <thread>

void startupLoad() {
    readCheatFile();
    loadReportConsent();
    flushMetricsQueue();
    loadSaveList();
    loadHighScores();
    loadSettings();
    loadPadSettings();
    loadFonts();
}

namespace {
// Decoded images waiting for the main thread to make their textures: enough for a
// step's worth of the largest pictures, far less than all of them at once.
constexpr size_t texturesWaitingLimit = 3 * 1024 * 1024;
}  // namespace

void startLoaderThreads() {
    raiseLoadingScreen(startupLoadUnits);
    app.loadersRunning = 2;
    std::thread(pointerThread).detach();
    std::thread([] {
        pthread_setname_np(pthread_self(), "textures");
        textureLoaderThread(texturesWaitingLimit);
        app.loadersRunning--;
    }).detach();
    std::thread([] {
        pthread_setname_np(pthread_self(), "sounds");
        soundLoaderThread();
        app.loadersRunning--;
    }).detach();
}

int runLoopPass() {
    followWindowFocus();
    refreshPointerSnapshot();
    runQueuedClicks();
    runPadControls();
    return runDueSteps();
}

int msUntilStepDue() {
    int32_t due = stepDueMs - (nowMs() - app.lastTickMs);
    return due > 0 ? due : 0;
}

int runDueSteps(void (*step)()) {
    int32_t passStart = nowMs();
    if (passStart - app.lastTickMs < stepDueMs) return 0;
    int steps = 0;
    while (nowMs() - app.lastTickMs >= stepDueMs) {
        // A backlog of over a second is dropped rather than raced through, and so is
        // whatever is due once this pass has stepped for a second: steps slower than
        // their 34 ms would otherwise keep the loop here for good, deaf to the close button.
        if (nowMs() - app.lastTickMs > backlogDropMs || nowMs() - passStart >= backlogDropMs) {
            app.lastTickMs = nowMs();
            break;
        }
        app.lastTickMs += stepLengthMs;
        step();
        steps++;
        // Only the last picture of a pass is shown. A software renderer would gather the
        // drawing of every hidden one until the pass ends: after a long pass at full
        // screen that was tens of megabytes at once. Each is finished before the next.
        if (nowMs() - app.lastTickMs >= stepDueMs) finishPicture();
    }
    return steps;
}

namespace {
// The opaque background hides the last picture wherever the view shows; only the bars
// beside a letterboxed view, or a missing background, need the picture cleared first.
bool backgroundHidesLastPicture() {
    const sf::RenderTarget& target = drawTarget();
    sf::IntRect port = target.getViewport(target.getView());
    sf::Vector2u size = target.getSize();
    bool fills = port == sf::IntRect(0, 0, static_cast<int>(size.x), static_cast<int>(size.y));
    return fills && !app.loadingScreenOn && catalogueHas("background") &&
           loadedSprite("background").texture->getSize().x > 0;
}
}  // namespace

void runStep() {
    followPause();
    // Every picture starts from black: the bars beside a letterboxed picture stay black,
    // and a missing background leaves no trace of the last frame.
    if (!backgroundHidesLastPicture()) drawTarget().clear(sf::Color::Black);
    clearPadTargets();  // the screens name their buttons again as they draw them
    if (app.loadingScreenOn) {
        drawLoadingScreen();
        return;
    }
    if (playing()) coverBehindPanel();
    drawBackground();
    updatePlayerMovement();
    if (showing(GameScreen::Game)) drawGameScreen();
    else if (showing(GameScreen::Tutorial)) tutorialFrame();
    uncover();
    drawMenuScreens();
    drawPadPointer();
}

void followWindowFocus() {
    if (!app.audioReady) return;
    bool focused = platformHasFocus();
    if (focused && !app.windowFocused) {
        app.windowFocused = true;
        resumeAudio();
    } else if (!focused && app.windowFocused) {
        app.windowFocused = false;
        session.player.moveLeftHeld = false;
        session.player.moveRightHeld = false;
        pauseAudio();
    }
}

namespace {

bool stormy() { return session.clocks.rainClock > 5.0; }

// A recycled cloud comes back from the right; during a shower in a game it comes
// back as a dark, fast storm cloud.
void recycleCloud(CloudState& cloud, const char* name) {
    cloud.active = true;
    cloud.cloudX = 1200 + randomBelow(301);
    cloud.cloudSpeed = (randomBelow(6) + 4) / 10.0;
    colourSprite(name, sf::Color(255, 255, 255, 255));
    if (stormy() && showing(GameScreen::Game)) {
        colourSprite(name, sf::Color(0, 0, 0, 200));
        cloud.cloudX = 1200;
        cloud.cloudSpeed = (randomBelow(26) + 15) / 10.0;
    }
}

void moveCloud(CloudState& cloud) {
    if (cheats.windy) cloud.cloudX -= cloud.cloudSpeed * 4;
    // Fair-weather clouds hurry away while it rains.
    if (session.clocks.rainClock > 0 && cloud.cloudSpeed < 1.0) cloud.cloudX -= cloud.cloudSpeed * 15;
    cloud.cloudX -= cloud.cloudSpeed;
    if (cloud.cloudX < -750 || (stormy() && cloud.cloudX < -200)) cloud.active = false;
}

}  // namespace

void drawBackground() {
    drawSprite("background", 500, 300);
    for (int i = 0; i < 5; i++) {
        CloudState& cloud = app.clouds[i];
        if (!cloud.active) recycleCloud(cloud, cloudNames[i]);
        else if (cloud.cloudX > -200 && cloud.cloudX < 1200) drawSprite(cloudNames[i], cloud.cloudX, 150);
        moveCloud(cloud);
    }
}

void drawLoadingScreen() {
    createPendingTextures();
    for (int added = 0; app.loadShown < app.loadProgress && added < 10; added++) app.loadShown++;
    shadeView(255);
    setFill(102, 174, 48);
    fillBarFromLeft(300, 300, 50, static_cast<int>(static_cast<double>(app.loadShown) / app.loadTotal * 400.0));
    setFill(255, 255, 255);
    frameRect(500, 300, 400, 50);
    label(uiFont, 25, sf::Color::White, AlignCentre, "Loading...", 500, 285);
    if (app.loadShown == app.loadTotal) app.loadingScreenOn = false;
}
