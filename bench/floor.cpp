// floor.cpp -- the least a game showing this window can cost: the CPU benchmark's yardstick
//
// A 1000 x 600 window limited to 30 frames a second that draws the game's background
// image once a frame, and a second thread that reads the pointer position, the left
// button and the focus in bursts of five reads between 1 ms sleeps, as a pointer
// thread polling through SFML would. Usage: thornvale_floor ASSETS_DIR
#include <SFML/Graphics.hpp>

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
}  // namespace

int main(int argc, char** argv) {
    std::string assets = argc > 1 ? argv[1] : "assets";
    sf::RenderWindow window(sf::VideoMode(1000, 600, 32), "Thornvale floor", sf::Style::Default);
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
        window.draw(sprite);
        window.display();
    }
    quit = true;
    pointer.join();
    return 0;
}
