// save_list.cpp -- saves/sL.kv: the next save number and the games, most recent first
#include "frontend/save_list.h"

#include "engine/app_state.h"
#include "engine/clock.h"
#include "engine/metrics.h"
#include "engine/save_files.h"
#include "world/game_session.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>

SaveList saveList;

namespace {

// Games listed after entry 0 are kept even when entry 0 itself is unreadable.
std::vector<std::string> listedGames(const std::vector<std::string>& lines) {
    std::vector<std::string> games;
    for (size_t i = 1; i < lines.size(); i++)
        if (!lines[i].empty()) games.push_back(lines[i]);
    return games;
}

// Every number a game already has: listed (read loosely, so "007" counts as 7) or on disk.
std::set<long long> numbersInUse() {
    std::set<long long> used;
    for (size_t i = 1; i < saveList.entries.size(); i++)
        if (auto number = parseInt(saveList.entries[i]); number && *number > 0) used.insert(*number);
    for (const GameFile& game : gameFilesOnDisk()) used.insert(game.number);
    return used;
}

// A new game's number lies above the next number and every number in use; once that
// would pass the largest 32-bit number, the lowest free one is taken instead.
int freeSaveNumber() {
    std::set<long long> used = numbersInUse();
    long long above = std::max<long long>({saveList.NextSaveNumber, 1, used.empty() ? 1 : *used.rbegin() + 1});
    if (above <= INT32_MAX) return static_cast<int>(above);
    int lowest = 1;
    while (used.count(lowest)) lowest++;
    return lowest;
}

void setNextSaveNumber(long long next) {
    saveList.NextSaveNumber = static_cast<int>(std::min<long long>(next, INT32_MAX));
    if (saveList.entries.empty()) saveList.entries.push_back("");
    saveList.entries[0] = std::to_string(saveList.NextSaveNumber);
}

// A list that cannot be read is rebuilt from the games on disk, newest first, then the
// numbers the damaged list still named. A player with games on disk is no new player.
void rebuildSaveList(const std::vector<std::string>& listedBefore) {
    std::vector<GameFile> games = gameFilesOnDisk();
    std::sort(games.begin(), games.end(), [](const GameFile& a, const GameFile& b) {
        return a.modified != b.modified ? a.modified > b.modified : a.number > b.number;
    });
    saveList.entries = {"0"};
    auto& e = saveList.entries;
    for (const GameFile& game : games) e.push_back(std::to_string(game.number));
    for (const std::string& id : listedBefore)
        if (isDecimalId(id) && std::find(e.begin() + 1, e.end(), id) == e.end()) e.push_back(id);
    setNextSaveNumber(games.empty() ? 0 : freeSaveNumber());
    saveList.NewPlayer = saveList.NextSaveNumber == 0;
    writeSaveList();
}

}  // namespace

void loadSaveList() {
    saveList = SaveList{};
    auto lines = readSavesFile("sL.kv");
    std::optional<int> next = lines && !lines->empty() ? parseInt((*lines)[0]) : std::nullopt;
    if (next && *next >= 0) {
        saveList.entries = {std::to_string(*next)};
        for (const std::string& game : listedGames(*lines)) saveList.entries.push_back(game);
        saveList.NextSaveNumber = *next;
        saveList.NewPlayer = *next == 0;
        return;
    }
    if (lines) keepDamagedFile("sL.kv");  // kept beside the rebuilt list as sL.kv.bad
    rebuildSaveList(lines ? listedGames(*lines) : std::vector<std::string>{});
    if (!lines && saveList.NewPlayer) reportFirstStart();  // the very first start
}

void writeSaveList() { replaceSavesFile("sL.kv", saveList.entries); }

void moveSaveToFront(const std::string& id) {
    auto& e = saveList.entries;
    if (e.empty()) e.push_back(std::to_string(saveList.NextSaveNumber));
    e.erase(std::remove(e.begin() + 1, e.end(), id), e.end());
    e.insert(e.begin() + 1, id);
    writeSaveList();
}

int claimNewSaveNumber() {
    int number = freeSaveNumber();
    setNextSaveNumber(std::max<long long>(saveList.NextSaveNumber, number + 1LL));
    return number;
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
        // Normally no game exists yet and the first one is number 1; games already
        // listed or on disk never get their number handed out again.
        setNextSaveNumber(freeSaveNumber());
        writeSaveList();
    }
    deleteSave("tS");
}
