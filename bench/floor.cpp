// floor.cpp -- the least a game showing this window can cost: the CPU benchmark's yardstick
//
// A 1000 x 600 window (or the whole screen, the picture enlarged between black bars as the
// game shows it) limited to 30 frames a second that draws the game's background image
// once a frame, and a second thread that reads the pointer position, the left button and
// the focus in bursts of five reads between 1 ms sleeps, as a pointer thread polling
// through SFML would. Usage: thornvale_floor ASSETS_DIR [fullscreen]
#include <SFML/Graphics.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {
std::atomic<bool> quit{false};

void pollPointer(sf::RenderWindow* window) {
    std::atomic<int> sink{0};
    while (!quit) {
        for (int i = 0; i < 5; i++) {
            sf::Vector2i p = sf::Mouse::getPosition(*window);
            bool left = sf::Mouse::isButtonPressed(sf::Mouse::Left);
            bool focused = window->hasFocus();
            sink = p.x + left + focused;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
// The 1000 x 600 picture scaled uniformly into the window and centred.
sf::View letterboxed(sf::Vector2u size) {
    float scale = std::min(size.x / 1000.f, size.y / 600.f);
    float w = 1000 * scale / size.x, h = 600 * scale / size.y;
    sf::View view(sf::FloatRect(0, 0, 1000, 600));
    view.setViewport(sf::FloatRect((1 - w) / 2, (1 - h) / 2, w, h));
    return view;
}
}  // namespace

int main(int argc, char** argv) {
    std::string assets = argc > 1 ? argv[1] : "assets";
    bool fullscreen = argc > 2 && std::string(argv[2]) == "fullscreen";
    sf::RenderWindow window;
    if (fullscreen) window.create(sf::VideoMode::getDesktopMode(), "Thornvale floor", sf::Style::Fullscreen);
    else window.create(sf::VideoMode(1000, 600, 32), "Thornvale floor", sf::Style::Default);
    window.setView(letterboxed(window.getSize()));
    window.setFramerateLimit(30);
    sf::Texture background;
    if (!background.loadFromFile(assets + "/8.dk5")) {
        std::fprintf(stderr, "thornvale_floor: no background image in %s\n", assets.c_str());
        return 1;
    }
    sf::Sprite sprite(background);
    std::thread pointer(pollPointer, &window);
    while (window.isOpen()) {
        sf::Event event;
        while (window.pollEvent(event))
            if (event.type == sf::Event::Closed) window.close();
        if (fullscreen) window.clear();  // the bars
        window.draw(sprite);
        window.display();
    }
    quit = true;
    pointer.join();
    return 0;
}
