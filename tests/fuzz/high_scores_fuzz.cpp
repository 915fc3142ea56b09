// high_scores_fuzz.cpp -- any saves/hS.kv: a round trip keeps it, sorting orders it, a new
// time goes in only when it is faster than the slowest
#include "fuzz_support.h"

#include "frontend/high_scores.h"
#include "inventory/hud.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    resetSaves({{"hS.kv", input(data, size)}});
    resetProgram();
    loadHighScores();
    writeHighScores();
    std::string first = readSaved("hS.kv");
    resetProgram();
    loadHighScores();
    writeHighScores();
    expectSame(first, readSaved("hS.kv"), "high scores do not survive a round trip");
    sortHighScores();
    const int* e = highScores.entries;
    for (int i = 0; i < 2; i++) {
        expect(e[i] >= 0, "a negative time in the table");
        expect(e[i + 1] == 0 || (e[i] != 0 && e[i] <= e[i + 1]), "the table is out of order after sorting");
    }
    int slowest = e[2];
    recordHighScore(3600);
    expect(highScores.newHighScore == (slowest == 0 || 3600 < slowest), "a time was recorded against the rules");
    for (int entry : highScores.entries) expect(!TimerText(entry).empty(), "a time without a text");
    expect(savedNames() == std::vector<std::string>{"hS.kv"}, "a file other than hS.kv was written");
    expectNothingOutsideSaves();
    return 0;
}
