// settings_fuzz.cpp -- any saves/sF.kv: read, written, read and written again gives the same file
#include "fuzz_support.h"

#include "engine/settings.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    resetSaves({{"sF.kv", input(data, size)}});
    resetProgram();
    loadSettings();
    writeSettings();
    std::string first = readSaved("sF.kv");
    resetProgram();
    loadSettings();
    writeSettings();
    expectSame(first, readSaved("sF.kv"), "settings do not survive a round trip");
    expect(savedNames() == std::vector<std::string>{"sF.kv"}, "a file other than sF.kv was written");
    expectNothingOutsideSaves();
    return 0;
}
