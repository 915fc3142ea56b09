// tutorial_save_fuzz.cpp -- any saves/tS.kv for a new player: the tutorial starts fresh or
// resumes, and what it then saves resumes to the same file again
#include "fuzz_support.h"

#include "frontend/save_list.h"
#include "tutorial/tutorial.h"
#include "tutorial/tutorial_file.h"
#include "tutorial/tutorial_resume.h"

namespace {
void startAsNewPlayer() {
    resetProgram();
    loadSaveList();
    startTutorial();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    resetSaves({{"sL.kv", "0\n"}, {"tS.kv", input(data, size)}});
    startAsNewPlayer();
    expect(isStepNumber(stepNumber(tutorial.tutorialStep)), "a step outside the script");
    saveTutorial();
    std::string first = readSaved("tS.kv");
    startAsNewPlayer();
    saveTutorial();
    expectSame(first, readSaved("tS.kv"), "resume, save, resume, save is not the same file");
    expect(savedNames() == std::vector<std::string>{"sL.kv", "tS.kv"}, "a file other than the tutorial's was written");
    expectSame(readSaved("sL.kv"), "0\n", "the tutorial changed the list");
    expectNothingOutsideSaves();
    return 0;
}
