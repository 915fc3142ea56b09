// tutorial_file.cpp -- saves/tS.kv: the tutorial's place, kept for a player who never started a game
#include "tutorial/tutorial_file.h"

#include "engine/save_files.h"
#include "frontend/save_list.h"
#include "frontend/save_values.h"
#include "tutorial/tutorial_state.h"
#include "world/game_session.h"

namespace {
const char* const saveFileName = "tS.kv";
}  // namespace

std::vector<std::string> tutorialSaveLinesNow() {
    std::vector<std::string> lines;
    lines.push_back(std::to_string(stepNumber(tutorial.tutorialStep)));
    lines.push_back(std::to_string(session.player.playerX));
    lines.push_back(std::to_string(session.player.PlayTimer));
    for (int item : session.Inventory) lines.push_back(std::to_string(item));
    for (int k = 1; k <= 21; k++) lines.push_back(std::to_string(session.ResearchLevel[k]));
    return lines;
}

void saveTutorial() {
    if (saveList.NewPlayer) replaceSavesFile(saveFileName, tutorialSaveLinesNow());
}

// The 33 numbers of saves/tS.kv, or false when the file is short, damaged or missing.
bool readTutorialFile(int (&values)[tutorialSaveLines]) {
    auto lines = readSavesFile(saveFileName);
    if (!lines || lines->size() < tutorialSaveLines) return false;
    for (int i = 0; i < tutorialSaveLines; i++) {
        auto value = parseInt((*lines)[i]);
        if (!value || !tutorialLineRange(i + 1).holds(*value)) return false;
        values[i] = *value;
    }
    return isStepNumber(values[0]);
}

