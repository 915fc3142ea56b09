// harness.h -- boots the whole program in a temporary folder and plays it step by step
//
// A Harness owns a fresh working folder (assets/ linked to the built assets, an
// empty saves/), a manual clock, scripted pointer and keys, and a RenderTexture that
// every screen draws to: 1000 x 600, or a window of another size with the picture
// letterboxed in it. Tests then play: click, type, hold keys, run steps, and look at
// state, files under saves/, sounds and pixels.
#pragma once
#include <SFML/Graphics.hpp>
#include <string>
#include <vector>

struct HarnessOptions {
    bool linkAssets = true;        // assets/ is the built folder; false: an empty assets/
    bool reuseLoadedAssets = true; // keep images and sounds loaded by an earlier harness
    std::vector<std::pair<std::string, std::string>> saves;  // files to put in saves/ first
    unsigned windowWidth = 1000, windowHeight = 600;  // the window the picture is letterboxed into
};

class Harness {
public:
    explicit Harness(HarnessOptions options = {});
    ~Harness();

    void boot();                         // start-up and the loading screen, to the first screen
    void restart();                      // the program closed and started again in the same folder
    void startGame(long long seed);      // a new game straight from a seed, no menus
    void standInGame(long long seed);    // a new game with the wisp standing as a loaded game leaves it
    void step(int count = 1);            // advance the clock by 34 ms per step and run the main loop pass
    void pass();                         // one pass of the main loop at the current time
    void advance(int ms);                // move the manual clock without running anything

    void moveTo(int x, int y);           // pointer position in view coordinates
    void moveToPixel(int x, int y);      // pointer position in window pixels (bars included)
    void leaveWindow();                  // the pointer leaves the window
    void pressLeft();
    void releaseLeft();
    void pressRight();
    void releaseRight();
    void click(int x, int y);            // move, press, one step, release
    void menuPress(int x, int y);        // a click, then time for the menus' 200 ms debounce
    void tap(int x, int y);              // touch: the finger lands, then the debounce time
    void type(const std::string& text);  // characters typed, each with typeCode
    void typeCode(uint32_t code);        // a key typed on a US keyboard: its press, then the character
                                         // (8 backspace, 13 Enter, 27 Escape)
    void pressKey(sf::Keyboard::Key key, uint32_t text = 0, bool shift = false);  // a key's press
                                         // event, then the character it types (none when 0)
    void holdKey(sf::Keyboard::Key key);
    void releaseKey(sf::Keyboard::Key key);
    void setFocus(bool focused);
    void waitForFades();                 // until every fade thread has finished

    std::string path(const std::string& relative) const;  // inside the working folder
    std::string readFile(const std::string& relative) const;
    bool fileExists(const std::string& relative) const;
    void writeFile(const std::string& relative, const std::string& content) const;
    sf::Image screenshot();
    void saveScreenshot(const std::string& name);  // into build/review/<name>.png
    sf::Color pixel(int x, int y);

    int32_t now() const;
    std::string folder;

private:
    void pollPointer();
    HarnessOptions options;
    std::string previousFolder;
    sf::RenderTexture target;
};

std::vector<std::string> splitLines(const std::string& text);
void resetProgramState();  // as at start-up: every harness, and every fuzz input, begins here
// The game as a load left it: what a save would write now, the progress shown and how
// the wisp stands. Two loads that give the same lines gave the same game.
std::vector<std::string> loadedGame();
