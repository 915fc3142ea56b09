// main.cpp -- the game: open the window, load behind the loading screen, run the steps
#include "app/app_state.h"
#include "app/asset_table.h"
#include "app/catalogue.h"
#include "app/frame_loop.h"
#include "app/input.h"
#include "app/platform.h"
#include "app/run_folder.h"
#include "app/sound.h"
#include "frontend/save_files.h"

#include <SFML/Graphics.hpp>
#include <chrono>
#include <thread>

namespace {

void setWindowIcon(sf::RenderWindow& window, sf::Image& icon) {
    // Without the icon file the desktop keeps its default icon.
    if (icon.loadFromFile(assetFile(iconCode)) && icon.getSize().x == 32 && icon.getSize().y == 32)
        window.setIcon(32, 32, icon.getPixelsPtr());
}

void runMainLoop(sf::RenderWindow& window) {
    while (window.isOpen()) {
        sf::Event event;
        while (window.pollEvent(event)) handleWindowEvent(event);
        followWindowFocus();
        refreshPointerSnapshot();
        runQueuedClicks();
        if (runDueSteps() > 0 && window.isOpen()) window.display();
    }
}

// Loader threads still filling the catalogues must not see them destroyed.
void waitForLoaders() {
    for (int wait = 0; app.loadersRunning > 0 && wait < 400; wait++)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace

int main() {
    if (!enterRunFolder()) return 1;
    prepareAudioOutput();
    ensureSavesFolder();
    sf::RenderWindow window(sf::VideoMode(1000, 600, 32), "Thornvale", sf::Style::Default);
    bindWindow(&window);
    window.setFramerateLimit(30);
    sf::Image icon;
    setWindowIcon(window, icon);
    startupLoad();
    startLoaderThreads();
    runMainLoop(window);
    app.quitRequested = true;
    waitForLoaders();
    destroySounds();
    return 0;
}
