// save_list_fuzz.cpp -- any saves/sL.kv beside games 1 and 4: the list writes back what it
// reads, and a new game never takes a number that is listed or on disk
#include "fuzz_support.h"

#include "engine/save_files.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "world/game_session.h"

#include <set>

namespace {
std::string savedGame(const std::string& name) {
    std::string text = name + "\n0\n42\n";
    for (int line = 4; line <= 53; line++) text += "0\n";
    return text;
}

// Numbers the list names, read as loosely as the game reads them.
std::set<long long> listedNumbers() {
    std::set<long long> used;
    for (size_t i = 1; i < saveList.entries.size(); i++)
        if (auto number = parseInt(saveList.entries[i])) used.insert(*number);
    return used;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string list = input(data, size);
    const std::string one = savedGame("One"), four = savedGame("Four");
    resetSaves({{"sL.kv", list}, {"1.kv", one}, {"4.kv", four}});
    resetProgram();
    loadSaveList();
    if (savedExists("sL.kv.bad")) expectSame(readSaved("sL.kv.bad"), list, "the damaged list was not kept whole");
    writeSaveList();
    std::string first = readSaved("sL.kv");
    resetProgram();
    loadSaveList();
    expect(!savedExists("sL.kv.bad") || readSaved("sL.kv.bad") == list, "a list the game wrote was called damaged");
    writeSaveList();
    expectSame(first, readSaved("sL.kv"), "load, write, load, write is not the same list");

    std::set<long long> used = listedNumbers();
    startNewGame(5);
    int number = session.SaveNumber;
    expect(number >= 1, "a new game numbered " + std::to_string(number));
    expect(!used.count(number) && number != 1 && number != 4, "a new game took number " + std::to_string(number));
    expectSame(readSaved("1.kv"), one, "game 1 was overwritten");
    expectSame(readSaved("4.kv"), four, "game 4 was overwritten");
    expect(savedExists(std::to_string(number) + ".kv"), "the new game has no file");
    expectNothingOutsideSaves();
    return 0;
}
