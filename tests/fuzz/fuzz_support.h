// fuzz_support.h -- what every fuzz target shares: a private run folder whose saves/ holds
// the input, a fresh program state, and the checks that end the run on a finding
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Called once: makes <tmp>/thornvale-fuzz-XXXXXX/{run/saves, outside.txt} and enters run/.
// With assets, run/assets links to the built assets (the playing target needs them).
void enterFuzzFolder(bool withAssets = false);

// Before each input: saves/ emptied, then these files written into it.
void resetSaves(const std::vector<std::pair<std::string, std::string>>& files);
// The program's state as at start-up, with reports switched off (noPost).
void resetProgram();

std::string input(const uint8_t* data, size_t size);
std::string readSaved(const std::string& name);  // the bytes of saves/<name>, "" when missing
bool savedExists(const std::string& name);
std::vector<std::string> savedNames();            // every file in saves/, sorted

// A finding: prints what was expected and aborts, so libFuzzer keeps the input.
[[noreturn]] void finding(const std::string& what);
void expect(bool holds, const std::string& what);
void expectSame(const std::string& first, const std::string& second, const std::string& what);
// Nothing but saves/ changed in the fuzz folder since enterFuzzFolder.
void expectNothingOutsideSaves();
