// play.h -- what scenario tests share: the saves a player brings along, a game with the
// wisp standing in it, drags, and the lines of the saved game
#pragma once
#include "engine/app_state.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"
#include "support/harness.h"
#include "world/game_session.h"

#include <string>
#include <utility>
#include <vector>

using SavedFiles = std::vector<std::pair<std::string, std::string>>;

// saves/sF.kv of a player who has chosen how to play and is not asked again at start:
// Mouse/Keyboard, music and sound effects on at full volume, unless a field says otherwise.
struct SettingsFile {
    int inputChoice = 0;  // 0 Mouse/Keyboard, 1 Touch
    int musicOn = 1, musicVolume = 100;
    int sfxOn = 1, sfxVolume = 100;
};

inline std::pair<std::string, std::string> settingsFile(SettingsFile s = {}) {
    std::string text;
    for (int value : {s.inputChoice, s.musicOn, s.musicVolume, s.sfxOn, s.sfxVolume, 0}) text += std::to_string(value) + "\n";
    return {"sF.kv", text};
}

// A player past the tutorial (saves/sL.kv "1"): the title leads to the main menu.
inline HarnessOptions returningPlayer(SavedFiles more = {}, SettingsFile settings = {}) {
    HarnessOptions options;
    options.saves = {settingsFile(settings), {"sL.kv", "1\n"}};
    for (auto& file : more) options.saves.push_back(file);
    return options;
}

// A player who never started a game: the title's Play leads into the tutorial.
inline HarnessOptions newPlayer(const std::string& tutorialFile = "") {
    HarnessOptions options;
    options.saves = {{"sL.kv", "0\n"}, settingsFile()};
    if (!tutorialFile.empty()) options.saves.push_back({"tS.kv", tutorialFile});
    return options;
}

// Boots, then a new game on the seed with the wisp standing in control at x 100, as a
// loaded game leaves it: bronze tools in slots 0-2, the game saved as a number.
inline void standInNewGame(Harness& h, long long seed = 7) {
    h.boot();
    h.standInGame(seed);
}

// From the title: Play, then New Game, to the save-name screen.
inline void openNameEntry(Harness& h) {
    h.menuPress(500, 500);
    h.menuPress(500, 205);
}

// How many pixels of the area (left, top, width, height) differ between two pictures.
inline int pixelsDiffering(const sf::Image& a, const sf::Image& b, int left, int top, int width, int height) {
    int n = 0;
    for (int y = top; y < top + height; y++)
        for (int x = left; x < left + width; x++) n += a.getPixel(x, y) != b.getPixel(x, y);
    return n;
}

// Press at one point, carry the pointer to another over a step, let go, and run a step.
inline void drag(Harness& h, int fromX, int fromY, int toX, int toY) {
    h.moveTo(fromX, fromY);
    h.pressLeft();
    h.step();
    h.moveTo(toX, toY);
    h.step();
    h.releaseLeft();
    h.step();
}

// Writes saves/<id>.kv and loads it from the list as the load screen's row does.
inline bool loadFromList(Harness& h, const std::string& id, const std::string& content) {
    h.writeFile("saves/" + id + ".kv", content);
    saveList.entries = {"9", id};
    raiseLoadingScreen(loadGameLoadUnits);
    return loadGame(id);
}

inline std::string saveFile() { return "saves/" + std::to_string(session.SaveNumber) + ".kv"; }

// Line n (1-based) of the game's save file, "<missing>" past its end.
inline std::string savedLine(Harness& h, int n) {
    std::vector<std::string> lines = splitLines(h.readFile(saveFile()));
    return n >= 1 && n <= static_cast<int>(lines.size()) ? lines[n - 1] : "<missing>";
}
