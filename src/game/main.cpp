// main.cpp -- the game: open the window, load behind the loading screen, run the steps
#include "engine/app_state.h"
#include "engine/asset_table.h"
#include "engine/catalogue.h"
#include "engine/gamepad.h"
#include "engine/input.h"
#include "engine/metrics_http.h"
#include "engine/one_copy.h"
#include "engine/platform.h"
#include "engine/run_folder.h"
#include "engine/save_files.h"
#include "engine/sound.h"
#include "engine/step_timer.h"
#include "game/dispatch.h"
#include "game/frame_loop.h"
#include "game/game_window.h"
#include "game/wiring.h"

#include <SFML/Graphics.hpp>
#include <chrono>
#include <iostream>
#include <thread>

namespace {

// One pass: events, then the due steps and the picture. Returns whether a step ran.
bool runPass(sf::RenderWindow& window) {
    sf::Event event;
    while (window.pollEvent(event))
        if (!handleWindowChange(window, event)) handleWindowEvent(event);
    rememberWindowWhenSettled();
    bool loading = app.loadingScreenOn;
    if (runLoopPass() == 0 || !window.isOpen()) return false;
    window.display();
    return !loading;
}

// Between steps the loop sleeps: until the next step is due, or until the pointer
// thread queues a click, which is then handled at once as before.
void runMainLoop(sf::RenderWindow& window) {
    while (window.isOpen()) {
        auto start = std::chrono::steady_clock::now();
        if (runPass(window) && stepTimerOn())
            recordPass(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        // A close-up takes up to about 12 ms to decode: made only with time to spare.
        if (msUntilStepDue() >= 20) makePreparedPicture();
        waitForClick(msUntilStepDue());
    }
}

// Loader threads still filling the catalogues must not see them destroyed, nor the
// pointer thread the pad it reads.
void waitForThreads() {
    for (int wait = 0; (app.loadersRunning > 0 || pointerThreadRunning()) && wait < 400; wait++)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace

int main() {
    if (!enterRunFolder()) return 1;
    ensureSavesFolder();
    if (!claimSavesFolder()) {
        std::cerr << "Thornvale is already running on these saves; bringing it to the front" << std::endl;
        showRunningCopy();
        return 0;
    }
    prepareMetricsHttp();  // libcurl's set-up comes before any thread starts
    installGameHooks();
    startStepTimer();
    prepareAudioOutput();
    sf::RenderWindow window;
    openGameWindow(window);  // as the player left it: its size, or full screen
    startGamepad();  // before the pointer thread, which reads the pad
    startupLoad();
    startLoaderThreads();
    runMainLoop(window);
    app.quitRequested = true;
    waitForThreads();
    if (!pointerThreadRunning()) stopGamepad();
    destroySounds();
    return 0;
}
