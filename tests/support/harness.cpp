// harness.cpp -- the scenario harness: real steps, manual clock, scripted input
#include "support/harness.h"

#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/cheats.h"
#include "engine/clock.h"
#include "engine/hover.h"
#include "engine/input.h"
#include "engine/letterbox.h"
#include "engine/metrics.h"
#include "engine/platform.h"
#include "engine/random.h"
#include "engine/settings.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "frontend/game_reset.h"
#include "frontend/high_scores.h"
#include "frontend/menus.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "game/dispatch.h"
#include "game/frame_loop.h"
#include "game/pad_controls.h"
#include "game/wiring.h"
#include "support/scripted_pad.h"
#include "world/game_session.h"
#include "world/player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
bool assetsLoaded = false;  // images and sounds stay loaded between harnesses

// Sounds must be destroyed before the process exits.
class SoundCleanup : public ::testing::Environment {
public:
    void TearDown() override { destroySounds(); }
};
const auto* cleanup = ::testing::AddGlobalTestEnvironment(new SoundCleanup);
}  // namespace

Harness::Harness(HarnessOptions opts) : options(std::move(opts)) {
    char templ[] = "/tmp/thornvale-test-XXXXXX";
    folder = mkdtemp(templ);
    fs::create_directory(folder + "/saves");
    if (options.linkAssets) fs::create_directory_symlink(THORNVALE_ASSETS_DIR, folder + "/assets");
    else fs::create_directory(folder + "/assets");
    for (const auto& [name, content] : options.saves) writeFile("saves/" + name, content);
    previousFolder = fs::current_path();
    fs::current_path(folder);
    target.create(options.windowWidth, options.windowHeight);
    target.setView(letterboxView(options.windowWidth, options.windowHeight));
    bindScripted(&target);
    useManualClock(100000);
    reseedSharedRandom(12345);
    // Reports go nowhere unless a test starts a stub server: a closed loopback port.
    setMetricsServer("127.0.0.1", 1);
    setMetricsTransport(nullptr);
    resetProgramState();
}

Harness::~Harness() {
    waitForMetrics(5000);  // the worker writes saves/mT.kv in this folder
    for (const std::string& name : soundState.soundNames) stopSound(name);
    waitForFades();  // a fade left running would change the next test's volumes
    fs::current_path(previousFolder);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

void resetProgramState() {
    installGameHooks();
    resetAppState();
    resetInput();
    resetWispMotion();
    resetMenuState();
    resetGameState();
    resetPadControls();
    padSettings = PadSettings{};
    settings = Settings{};
    saveList = SaveList{};
    highScores = HighScoreTable{};
    cheats = CheatFlags{};
    hover = HoverTracker{};
    currentFillColour = sf::Color::Black;
}

void Harness::boot() {
    startupLoad();
    raiseLoadingScreen(217);
    if (!options.reuseLoadedAssets || !assetsLoaded) {
        clearCatalogue();
        destroySounds();
        textureLoaderThread();
        soundLoaderThread();
        assetsLoaded = options.linkAssets;
    } else {
        placeStartingClouds();
        app.loadProgress = 217;
        finishSoundLoading();
    }
    for (int i = 0; i < 200 && app.loadingScreenOn; i++) step();
    step();  // the first screen after loading
    waitForFades();
}

// Fades run on their own threads in real time; a test that looks at volumes starts
// from a settled state.
void Harness::waitForFades() {
    for (int wait = 0; fadeThreadsRunning > 0 && wait < 300; wait++)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

void Harness::restart() {
    for (const std::string& name : soundState.soundNames) stopSound(name);
    resetProgramState();
    boot();
}

void Harness::startGame(long long seed) {
    startNewGame(seed);
}

void Harness::standInGame(long long seed) {
    startGame(seed);
    PlayerState& p = session.player;
    p.playerY = 400;
    p.controlEnabled = true;
    p.arrivalBeam = false;
    p.inTransition = false;
}

void Harness::pass() { runLoopPass(); }

void Harness::step(int count) {
    for (int i = 0; i < count; i++) {
        advanceManualClock(34);
        if (scriptedPadPlugged()) pollScriptedPad();  // as the pointer thread reads it between passes
        pass();
    }
}

void Harness::advance(int ms) { advanceManualClock(ms); }

void Harness::pollPointer() { pollPointerOnce(); }

void Harness::moveTo(int x, int y) {
    sf::Vector2i pixel = letterboxViewToPixel(letterboxFor(options.windowWidth, options.windowHeight), x, y);
    moveToPixel(pixel.x, pixel.y);
}

void Harness::moveToPixel(int x, int y) {
    scriptedInput().pixelX = x;
    scriptedInput().pixelY = y;
    pollPointer();
}

void Harness::leaveWindow() { moveTo(-5, -5); }
void Harness::pressLeft() { scriptedInput().leftButton = true; pollPointer(); }
void Harness::releaseLeft() { scriptedInput().leftButton = false; pollPointer(); }
void Harness::pressRight() { scriptedInput().rightButton = true; pollPointer(); }
void Harness::releaseRight() { scriptedInput().rightButton = false; pollPointer(); }

void Harness::click(int x, int y) {
    moveTo(x, y);
    pressLeft();
    step();
    releaseLeft();
}

void Harness::menuPress(int x, int y) {
    click(x, y);
    step(7);
}

void Harness::tap(int x, int y) {
    moveTo(x, y);
    step(7);
}

namespace {
// The key of a US keyboard that types a character.
sf::Keyboard::Key keyTyping(uint32_t code) {
    if (code >= 'a' && code <= 'z') return static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (code - 'a'));
    if (code >= 'A' && code <= 'Z') return static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (code - 'A'));
    if (code >= '0' && code <= '9') return static_cast<sf::Keyboard::Key>(sf::Keyboard::Num0 + (code - '0'));
    switch (code) {
        case ' ': return sf::Keyboard::Space;
        case 8: return sf::Keyboard::Backspace;
        case 10: case 13: return sf::Keyboard::Enter;
        case 27: return sf::Keyboard::Escape;
        default: return sf::Keyboard::Unknown;
    }
}
}  // namespace

void Harness::pressKey(sf::Keyboard::Key key, uint32_t text, bool shift) {
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = {key, false, false, shift, false};
    handleWindowEvent(event);
    if (text == 0) return;
    event.type = sf::Event::TextEntered;
    event.text.unicode = text;
    handleWindowEvent(event);
}

void Harness::typeCode(uint32_t code) { pressKey(keyTyping(code), code, code >= 'A' && code <= 'Z'); }

void Harness::type(const std::string& text) {
    for (char c : text) typeCode(static_cast<unsigned char>(c));
}

namespace {
// The key goes down or up on the scripted keyboard, then its event reaches the window.
void sendKey(sf::Keyboard::Key key, bool down) {
    scriptedInput().keys[key] = down;
    sf::Event event;
    event.type = down ? sf::Event::KeyPressed : sf::Event::KeyReleased;
    event.key = {key, false, false, false, false};  // no modifiers held
    handleWindowEvent(event);
}
}  // namespace

void Harness::holdKey(sf::Keyboard::Key key) { sendKey(key, true); }

void Harness::releaseKey(sf::Keyboard::Key key) { sendKey(key, false); }

void Harness::setFocus(bool focused) { scriptedInput().focused = focused; }

std::string Harness::path(const std::string& relative) const { return folder + "/" + relative; }

std::string Harness::readFile(const std::string& relative) const {
    std::ifstream in(path(relative), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

bool Harness::fileExists(const std::string& relative) const { return fs::exists(path(relative)); }

void Harness::writeFile(const std::string& relative, const std::string& content) const {
    std::ofstream out(path(relative), std::ios::binary);
    out << content;
}

sf::Image Harness::screenshot() {
    target.display();
    return target.getTexture().copyToImage();
}

void Harness::saveScreenshot(const std::string& name) {
    std::string dir = std::string(THORNVALE_SOURCE_DIR) + "/build/review";
    fs::create_directories(dir);
    screenshot().saveToFile(dir + "/" + name + ".png");
}

sf::Color Harness::pixel(int x, int y) { return screenshot().getPixel(x, y); }

int32_t Harness::now() const { return nowMs(); }

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

std::vector<std::string> loadedGame() {
    std::vector<std::string> lines = saveLines();
    const PlayerState& p = session.player;
    for (int value : {session.OverallProgress, p.playerY, int{p.inTransition}, int{p.controlEnabled}, int{p.nextAreaChosen}})
        lines.push_back(std::to_string(value));
    return lines;
}
