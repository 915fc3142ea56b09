// save_game.cpp -- the 53-line save file: writing it whole, reading it back safely
#include "frontend/save_game.h"

#include "engine/app_state.h"
#include "engine/clock.h"
#include "engine/metrics.h"
#include "engine/save_files.h"
#include "frontend/game_reset.h"
#include "frontend/save_list.h"
#include "frontend/save_values.h"
#include "inventory/checklist.h"
#include "world/game_session.h"
#include "world/generator.h"
#include "world/player.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

void resetSessionForNewGame() {
    std::string name = session.SaveName;
    resetGameState();
    session.SaveName = name;
    const int startingTools[3] = {13, 16, 19};  // one bronze tool of each family
    for (int slot = 0; slot < 3; slot++) session.Inventory[slot] = startingTools[slot];
    prepareNewGamePlayer();
}


std::string number(long long value) { return std::to_string(value); }

// The saved game as it will be applied, parsed completely before anything changes.
struct ParsedSave {
    std::string name;
    int values[52] = {};   // lines 2 to 53 (line 53 kept as rainClock below)
    double rainClock = 0;
};

std::optional<ParsedSave> parseSave(std::vector<std::string> lines) {
    // Lines missing at the end read as "0"; lines after the 53rd are never read.
    if (lines.size() < saveFileLines) lines.resize(saveFileLines, "0");
    ParsedSave parsed;
    parsed.name = lines[0];
    addLoadProgress();
    for (int line = 2; line <= 52; line++) {
        std::optional<int> value = parseInt(lines[line - 1]);
        if (value && line == dayClockLine && *value >= dayClockEnd) value = 0;
        if (!value || !saveLineRange(line).holds(*value)) return std::nullopt;
        parsed.values[line - 2] = *value;
        addLoadProgress();
    }
    std::optional<double> rain = parseDouble(lines[52]);
    if (!rain || !saveLineRange(53).holds(static_cast<long long>(std::clamp(*rain, -1e18, 1e18))))
        return std::nullopt;
    parsed.rainClock = *rain;
    addLoadProgress();
    return parsed;
}

// value(line) reads a parsed number line, 2..52.
void applySave(const ParsedSave& p) {
    auto value = [&](int line) { return p.values[line - 2]; };
    GameSession& s = session;
    s.SaveName = p.name;
    s.OverallProgress = value(2);
    s.world.WorldSeed = static_cast<uint32_t>(value(3));
    s.world.RunningSeed = static_cast<uint32_t>(value(4));
    s.player.playerX = value(5);
    s.player.PlayTimer = value(6);
    for (int slot = 0; slot < 3; slot++) s.world.AreaContents[slot] = value(7 + slot);
    for (int slot = 0; slot < 9; slot++) s.Inventory[slot] = value(10 + slot);
    for (int k = 1; k <= 21; k++) s.ResearchLevel[k] = value(18 + k);
    s.world.AreaCounter = value(40);
    for (int k = 1; k <= 11; k++) s.world.KindCounts[k] = value(40 + k);
    s.clocks.dayClock = value(52);
    s.clocks.rainClock = p.rainClock;
}

// What the file does not hold starts from the reset game state: the wisp stands,
// in control, and its time and the clocks count from now.
void restAfterLoad() {
    PlayerState& player = session.player;
    player.playerY = standingY;
    player.controlEnabled = true;
    player.nextAreaChosen = true;
    player.playTimerReference = nowMs();
    session.clocks.clockReference = nowMs();
    // A game saved while walking out of an area walks out again and comes back into
    // the same saved area: no new area is chosen.
    if (player.playerX >= wispRightLimit) {
        player.inTransition = true;
        player.controlEnabled = false;
    }
    if (player.playerX < wispLeftLimit) player.playerX = wispLeftLimit;
}

void abandonLoad() {
    app.loadingScreenOn = false;  // back to the load list, the entry kept
}

}  // namespace

// The clocks are cut toward zero; a day that has reached its end is saved as the new
// day it is about to become. Every value stays inside the range the loader accepts. The
// wisp's x is kept as it is, 0 at the black moment of an area change: a load puts a wisp
// left of its left limit at the limit.
std::vector<std::string> saveLines() {
    const GameSession& s = session;
    std::vector<long long> values;  // lines 2 to 53
    values.push_back(computeOverallProgress(s.ResearchLevel));
    values.push_back(s.world.WorldSeed);
    values.push_back(static_cast<int32_t>(s.world.RunningSeed));
    values.push_back(s.player.playerX);
    values.push_back(s.player.PlayTimer);
    for (int slot = 0; slot < 3; slot++) values.push_back(s.world.AreaContents[slot]);
    for (int slot = 0; slot < 9; slot++) values.push_back(s.Inventory[slot]);
    for (int k = 1; k <= 21; k++) values.push_back(s.ResearchLevel[k]);
    values.push_back(s.world.AreaCounter);
    for (int k = 1; k <= 11; k++) values.push_back(s.world.KindCounts[k]);
    double day = s.clocks.dayClock >= dayClockEnd ? 0 : s.clocks.dayClock;
    values.push_back(static_cast<long long>(std::trunc(std::clamp(day, -1e18, 1e18))));
    values.push_back(static_cast<long long>(std::trunc(std::clamp(s.clocks.rainClock, -1e18, 1e18))));
    std::vector<std::string> lines{s.SaveName};
    for (size_t i = 0; i < values.size(); i++)
        lines.push_back(number(saveLineRange(static_cast<int>(i) + 2).clamp(values[i])));
    return lines;
}

// The tutorial plays on the game state but keeps its own file (saves/tS.kv).
// Only a game that was created or loaded has a file: never a number of nobody's.
void saveGame() {
    if (showing(GameScreen::Tutorial) || session.SaveNumber < 1) return;
    replaceSavesFile(std::to_string(session.SaveNumber) + ".kv", saveLines());
}

bool loadGame(const std::string& id) {
    // Only a plain number may name a file: nothing read from the list leaves saves/.
    std::optional<int> number = isDecimalId(id) ? parseInt(id) : std::nullopt;
    auto lines = number ? readSavesFile(id + ".kv") : std::nullopt;
    if (!lines) {
        abandonLoad();
        return false;
    }
    addLoadProgress();
    std::optional<ParsedSave> parsed = parseSave(*lines);
    if (!parsed) {
        abandonLoad();
        return false;
    }
    resetGameState();
    applySave(*parsed);
    session.SaveNumber = *number;
    restAfterLoad();
    moveSaveToFront(id);
    changeScreen(GameScreen::Game);
    app.loadProgress = loadGameLoadUnits;
    return true;
}

void startNewGame(int64_t seed) {
    sendMetrics("newgame=true");
    addLoadProgress(10);
    resetSessionForNewGame();
    session.SaveNumber = claimNewSaveNumber();
    moveSaveToFront(std::to_string(session.SaveNumber));
    addLoadProgress(20);
    startWorld(seed);
    addLoadProgress(10);
    saveGame();
    app.loadProgress = newGameLoadUnits;
    changeScreen(GameScreen::Game);
}
