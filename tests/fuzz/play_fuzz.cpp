// play_fuzz.cpp -- any saves/5.kv loaded from the list and played for a hundred steps with
// keys and clicks drawn from the input: nothing breaks, what the game then saves loads again,
// and load, save, load gives the same game. Needs a display (Xvfb) and the built assets.
#include "fuzz_support.h"

#include "engine/app_state.h"
#include "engine/sound.h"
#include "frontend/save_game.h"
#include "support/play.h"
#include "world/game_session.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>

namespace {

const std::string list = "9\n5\n";

uint32_t hashOf(const std::string& bytes) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : bytes) hash = (hash ^ c) * 16777619u;
    return hash;
}

// As a press on the load screen's row does it.
bool loadFromList(Harness& h) {
    changeScreen(GameScreen::LoadList);
    raiseLoadingScreen(74);
    bool loaded = loadGame("5");
    for (int i = 0; i < 20 && app.loadingScreenOn; i++) h.step();
    return loaded;
}

// One step of play: mostly walking, now and then a key or a click somewhere.
void playOneStep(Harness& h, std::minstd_rand& random) {
    static const sf::Keyboard::Key walks[] = {sf::Keyboard::D, sf::Keyboard::A};
    int action = static_cast<int>(random() % 20);
    if (action < 2) h.holdKey(walks[action]);
    else if (action < 4) h.releaseKey(walks[action - 2]);
    else if (action == 4) h.typeCode(' ');
    else if (action == 5) h.typeCode('e');
    else if (action == 6) h.typeCode('q');
    else if (action == 7) h.typeCode(27);
    else if (action == 8) h.click(static_cast<int>(random() % 900), static_cast<int>(random() % 600));  // never Exit
    else if (action == 9) h.moveTo(static_cast<int>(random() % 1000), static_cast<int>(random() % 600));
    h.step();
}

std::set<std::string> entriesBesideSaves(const Harness& h) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(h.folder)) names.insert(entry.path().filename());
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::atexit(destroySounds);  // sounds must go before the program's statics
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string game = input(data, size);
    Harness h({.saves = {{"sL.kv", list}, {"5.kv", game}, {"ch.eat", "noPost = true\n"},
                         settingsFile()}});
    h.boot();
    std::set<std::string> beside = entriesBesideSaves(h);
    if (!loadFromList(h)) {
        expectSame(h.readFile("saves/5.kv"), game, "a refused game file was changed");
        return 0;
    }
    std::minstd_rand random(hashOf(game));
    for (int i = 0; i < 100; i++) playOneStep(h, random);
    h.releaseKey(sf::Keyboard::D);
    h.releaseKey(sf::Keyboard::A);
    expect(session.SaveNumber == 5, "playing changed the game's number");
    saveGame();
    std::string first = h.readFile("saves/5.kv");
    expect(loadFromList(h), "the game cannot load what it saved after playing:\n" + first);
    std::vector<std::string> loaded = loadedGame();
    saveGame();
    std::string second = h.readFile("saves/5.kv");
    expect(loadFromList(h), "the game cannot load what it saved a second time:\n" + second);
    expect(loadedGame() == loaded, "after playing, load, save, load is not the same game:\n" + first + "then\n" + second);
    for (const auto& entry : std::filesystem::directory_iterator(h.path("saves"))) {
        std::string name = entry.path().filename();
        expect(name == "5.kv" || name == "sL.kv" || name == "sF.kv" || name == "hS.kv" || name == "ch.eat",
               "playing wrote saves/" + name);
    }
    expect(entriesBesideSaves(h) == beside, "playing wrote beside saves/");
    return 0;
}
