// check_saves.cpp -- thornvale_check_saves: reads every file under ./saves with the game's own
// readers, on a copy, and says which one is not whole. Exit 0 when all are, 1 otherwise.
// Used by the kill -9 soak test after each kill.
#include "engine/app_state.h"
#include "engine/cheats.h"
#include "engine/metrics_http.h"
#include "engine/save_files.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "world/game_session.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

int problems = 0;

void problem(const std::string& what) {
    std::cerr << "check_saves: " << what << std::endl;
    problems++;
}

// Every line of a numbers-only file parses, and there are as many as the game writes.
void checkNumbers(const std::string& name, size_t count) {
    auto lines = readSavesFile(name);
    if (!lines) return;  // not written yet
    if (lines->size() != count) problem(name + " has " + std::to_string(lines->size()) + " lines");
    for (const std::string& line : *lines)
        if (!parseInt(line) || std::to_string(*parseInt(line)) != line) problem(name + ": line \"" + line + "\"");
}

// The game a load gave, as lines: what a save would write, the progress shown, the walk.
std::vector<std::string> loadedGame() {
    std::vector<std::string> lines = saveLines();
    lines.push_back(std::to_string(session.OverallProgress));
    lines.push_back(std::to_string(session.player.inTransition) + std::to_string(session.player.controlEnabled));
    return lines;
}

// A listed game loads, every number in it is written as the game writes numbers, and
// saved and loaded again it is the same game.
void checkGame(const std::string& id) {
    raiseLoadingScreen(74);
    if (!loadGame(id)) return problem("listed game " + id + " does not load");
    std::vector<std::string> lines = *readSavesFile(id + ".kv");
    if (lines.size() != saveFileLines) return problem("game " + id + " has " + std::to_string(lines.size()) + " lines");
    for (size_t i = 1; i < lines.size(); i++)
        if (!parseInt(lines[i]) || std::to_string(*parseInt(lines[i])) != lines[i])
            return problem("game " + id + ": line \"" + lines[i] + "\"");
    std::vector<std::string> loaded = loadedGame();
    saveGame();
    raiseLoadingScreen(74);
    if (!loadGame(id) || loadedGame() != loaded) problem("game " + id + " is not the same game saved and loaded again");
}

void checkListAndGames() {
    if (!fs::exists("saves/sL.kv")) return problem("saves/sL.kv is missing");
    cheats.noPost = true;
    loadSaveList();
    if (fs::exists("saves/sL.kv.bad")) return problem("saves/sL.kv could not be read");
    std::vector<std::string> listed(saveList.entries.begin() + 1, saveList.entries.end());
    for (const std::string& id : listed) checkGame(id);
}

void checkReportQueue() {
    for (const std::string& line : readSavesFile("mT.kv").value_or(std::vector<std::string>{}))
        if (!wellFormedReport(line)) problem("mT.kv: line \"" + line + "\"");
}

}  // namespace

int main() {
    fs::path copy = fs::temp_directory_path() / ("thornvale-check-" + std::to_string(::getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy);
    fs::copy("saves", copy / "saves");
    fs::current_path(copy);
    checkListAndGames();
    checkNumbers("sF.kv", 6);
    checkNumbers("hS.kv", 3);
    checkNumbers("mC.kv", 1);
    checkReportQueue();
    fs::current_path("/");
    fs::remove_all(copy);
    return problems == 0 ? 0 : 1;
}
