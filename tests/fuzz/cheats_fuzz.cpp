// cheats_fuzz.cpp -- any saves/ch.eat: a flag goes on only for its exact line, nothing is written
#include "fuzz_support.h"

#include "engine/cheats.h"

namespace {
// The flag's line stands in the file, ended by a line feed or the end of the file, or
// also (withCr) by a CR before either.
bool hasLine(const std::string& file, const std::string& line, bool withCr) {
    for (size_t at = file.find(line); at != std::string::npos; at = file.find(line, at + 1)) {
        bool starts = at == 0 || file[at - 1] == '\n';
        std::string rest = file.substr(at + line.size(), 2);
        bool ends = rest.empty() || rest[0] == '\n' || (withCr && (rest == "\r" || rest == "\r\n"));
        if (starts && ends) return true;
    }
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string file = input(data, size);
    resetSaves({{"ch.eat", file}});
    resetProgram();
    cheats.noPost = false;
    readCheatFile();
    const std::pair<bool, const char*> flags[] = {
        {cheats.rainbowInventory, "rainbowInventory = true"}, {cheats.hideTimer, "hideTimer = true"},
        {cheats.lowGravity, "lowGravity = true"},             {cheats.dizzySpin, "dizzySpin = true"},
        {cheats.windy, "windy = true"},                       {cheats.noPost, "noPost = true"},
    };
    for (const auto& [on, line] : flags) {
        expect(!on || hasLine(file, line, true), std::string("on without its line: ") + line);
        expect(on || !hasLine(file, line, false), std::string("off with its line: ") + line);
    }
    expectSame(readSaved("ch.eat"), file, "the cheat file was changed");
    expect(savedNames() == std::vector<std::string>{"ch.eat"}, "reading the cheat file wrote something");
    expectNothingOutsideSaves();
    return 0;
}
