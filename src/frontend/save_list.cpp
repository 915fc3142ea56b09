// save_list.cpp -- saves/sL.kv: the next save number and the games, most recent first
#include "frontend/save_list.h"

#include "engine/app_state.h"
#include "engine/clock.h"
#include "engine/metrics.h"
#include "engine/save_files.h"
#include "world/game_session.h"

#include <algorithm>
#include <optional>

SaveList saveList;

namespace {

void becomeNewPlayer() {
    saveList.NextSaveNumber = 0;
    saveList.NewPlayer = true;
}

// Games listed after entry 0 are kept even when entry 0 itself is unreadable.
std::vector<std::string> listedGames(const std::vector<std::string>& lines) {
    std::vector<std::string> games;
    for (size_t i = 1; i < lines.size(); i++)
        if (!lines[i].empty()) games.push_back(lines[i]);
    return games;
}

int highestListedGame() {
    int highest = 0;
    for (size_t i = 1; i < saveList.entries.size(); i++)
        if (isDecimalId(saveList.entries[i]))
            highest = std::max(highest, parseInt(saveList.entries[i]).value_or(0));
    return highest;
}

}  // namespace

void loadSaveList() {
    saveList = SaveList{};
    auto lines = readSavesFile("sL.kv");
    if (!lines) {
        saveList.entries = {"0"};
        writeSaveList();
        becomeNewPlayer();
        sendMetrics("newplayer=true");
        return;
    }
    int next = -1;  // an empty or unreadable list is a new player
    if (!lines->empty()) next = parseInt((*lines)[0]).value_or(-1);
    saveList.entries = {next >= 0 ? (*lines)[0] : "0"};
    for (const std::string& game : listedGames(*lines)) saveList.entries.push_back(game);
    if (next < 0) {
        becomeNewPlayer();
        return;
    }
    saveList.NextSaveNumber = next;
    saveList.NewPlayer = next == 0;
}

void writeSaveList() { replaceSavesFile("sL.kv", saveList.entries); }

void moveSaveToFront(const std::string& id) {
    auto& e = saveList.entries;
    if (e.empty()) e.push_back(std::to_string(saveList.NextSaveNumber));
    e.erase(std::remove(e.begin() + 1, e.end(), id), e.end());
    e.insert(e.begin() + 1, id);
    writeSaveList();
}

void deleteSave(const std::string& id) {
    if (id != "mT") {
        auto& e = saveList.entries;
        auto found = e.size() > 1 ? std::find(e.begin() + 1, e.end(), id) : e.end();
        if (found != e.end()) e.erase(found);
        writeSaveList();
    }
    // Only the game's own files and plain save numbers name a file to delete.
    if (id == "mT" || id == "tS" || isDecimalId(id)) removeSavesFile(id + ".kv");
}

void tutorialCompleted() {
    if (saveList.NewPlayer) {
        saveList.NewPlayer = false;
        // Normally no game exists yet and the first one is number 1; a damaged list
        // that still names games never hands out a number twice.
        saveList.NextSaveNumber = std::max(1, highestListedGame() + 1);
        if (saveList.entries.empty()) saveList.entries.push_back("");
        saveList.entries[0] = std::to_string(saveList.NextSaveNumber);
        writeSaveList();
    }
    deleteSave("tS");
    app.inTutorial = false;
    app.showTitle = true;
}
