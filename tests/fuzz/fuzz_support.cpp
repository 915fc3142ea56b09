// fuzz_support.cpp -- the fuzz folder, its snapshot outside saves/, and the finding checks
#include "fuzz_support.h"

#include "engine/cheats.h"
#include "support/harness.h"
#include "tutorial/tutorial.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

namespace {
fs::path root;            // the fuzz folder: run/ and outside.txt
std::string rootSnapshot; // everything in it but run/saves, as first seen

// Names, kinds and sizes of everything under root except run/saves (links not followed).
std::string snapshot() {
    std::vector<std::string> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        fs::path relative = fs::relative(it->path(), root);
        if (relative == "run/saves") {
            it.disable_recursion_pending();
            continue;
        }
        bool file = it->is_regular_file() && !it->is_symlink();
        entries.push_back(relative.string() + (file ? " " + std::to_string(it->file_size()) : ""));
        if (it->is_symlink()) it.disable_recursion_pending();
    }
    std::sort(entries.begin(), entries.end());
    std::string text;
    for (const std::string& entry : entries) text += entry + "\n";
    return text;
}
}  // namespace

void enterFuzzFolder(bool withAssets) {
    std::string templ = (fs::temp_directory_path() / "thornvale-fuzz-XXXXXX").string();
    root = mkdtemp(templ.data());
    fs::create_directories(root / "run" / "saves");
    std::ofstream(root / "outside.txt") << "a file beside the run folder\n";
    if (withAssets) fs::create_directory_symlink(THORNVALE_ASSETS_DIR, root / "run" / "assets");
    fs::current_path(root / "run");
    rootSnapshot = snapshot();
    // The folder goes when the run ends, however it ends.
    static fs::path toRemove = root;
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(toRemove, ignored);
    });
}

void resetSaves(const std::vector<std::pair<std::string, std::string>>& files) {
    std::error_code ignored;
    fs::remove_all("saves", ignored);
    fs::create_directory("saves");
    for (const auto& [name, content] : files) std::ofstream("saves/" + name, std::ios::binary) << content;
}

void resetProgram() {
    resetProgramState();
    tutorial = TutorialState{};
    cheats.noPost = true;
}

std::string input(const uint8_t* data, size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

std::string readSaved(const std::string& name) {
    std::ifstream in("saves/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool savedExists(const std::string& name) { return fs::exists("saves/" + name); }

std::vector<std::string> savedNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("saves")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void finding(const std::string& what) {
    std::cerr << "FINDING: " << what << std::endl;
    std::abort();
}

void expect(bool holds, const std::string& what) {
    if (!holds) finding(what);
}

void expectSame(const std::string& first, const std::string& second, const std::string& what) {
    if (first != second) finding(what + "\n--- first ---\n" + first + "\n--- second ---\n" + second);
}

void expectNothingOutsideSaves() {
    std::string now = snapshot();
    if (now != rootSnapshot) finding("something outside saves/ changed:\n" + now);
}
