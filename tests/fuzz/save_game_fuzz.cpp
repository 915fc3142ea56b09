// save_game_fuzz.cpp -- any saves/5.kv: a load either refuses it and leaves every file as it
// was, or takes it, and then what the game saves loads again, and load, save, load gives
// the same game
#include "fuzz_support.h"

#include "engine/app_state.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "support/harness.h"

namespace {
const std::string list = "9\n5\n";

bool loadListed() {
    resetProgram();
    loadSaveList();
    raiseLoadingScreen(74);
    return loadGame("5");
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string game = input(data, size);
    resetSaves({{"sL.kv", list}, {"5.kv", game}});
    if (!loadListed()) {
        expect(!showing(GameScreen::Game) && !app.loadingScreenOn, "a refused load leaves the loading screen up");
        expectSame(readSaved("5.kv"), game, "a refused game file was changed");
        expectSame(readSaved("sL.kv"), list, "a refused load changed the list");
    } else {
        saveGame();
        std::string first = readSaved("5.kv");
        expect(loadListed(), "the game cannot load what it saved itself:\n" + first);
        std::vector<std::string> loaded = loadedGame();
        saveGame();
        std::string second = readSaved("5.kv");
        expect(loadListed(), "the game cannot load what it saved a second time:\n" + second);
        expect(loadedGame() == loaded, "load, save, load is not the same game:\n" + first + "then\n" + second);
        expectSame(readSaved("sL.kv"), list, "the list after loading game 5");
    }
    expect(savedNames() == std::vector<std::string>{"5.kv", "sL.kv"}, "a file other than the game's own was written");
    expectNothingOutsideSaves();
    return 0;
}
