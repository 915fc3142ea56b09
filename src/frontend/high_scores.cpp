// high_scores.cpp -- reading, ordering, recording and drawing the three fastest times
#include "frontend/high_scores.h"

#include "engine/save_files.h"
#include "engine/toolkit.h"
#include "inventory/hud.h"

#include <string>
#include <utility>
#include <vector>

HighScoreTable highScores;

void writeHighScores() {
    std::vector<std::string> lines;
    for (int entry : highScores.entries) lines.push_back(std::to_string(entry));
    replaceSavesFile("hS.kv", lines);
}

namespace {
// 0 is an empty place and counts as slower than every time.
bool outOfOrder(int first, int second) {
    return (first == 0 && second != 0) || (first != 0 && second != 0 && first > second);
}
}  // namespace

void loadHighScores() {
    highScores = HighScoreTable{};
    auto lines = readSavesFile("hS.kv");
    if (!lines) {
        writeHighScores();
        return;
    }
    // A missing line, one without a number, or a negative time is an empty place.
    for (size_t i = 0; i < 3 && i < lines->size(); i++) {
        auto value = parseInt((*lines)[i]);
        highScores.entries[i] = value && *value > 0 ? *value : 0;
    }
}

void sortHighScores() {
    bool changed = false, swapped = true;
    int* e = highScores.entries;
    while (swapped) {
        swapped = false;
        for (int i = 0; i < 2; i++) {
            if (outOfOrder(e[i], e[i + 1])) {
                std::swap(e[i], e[i + 1]);
                swapped = changed = true;
            }
        }
    }
    if (changed) writeHighScores();
}

void recordHighScore(int seconds) {
    highScores.newHighScore = false;
    if (seconds < highScores.entries[2] || highScores.entries[2] == 0) {
        highScores.entries[2] = seconds;
        writeHighScores();
        highScores.newHighScore = true;
    }
}

void resetHighScores() {
    for (int& entry : highScores.entries) entry = 0;
    writeHighScores();
}

void drawHighScoreTable() {
    label(uiFont, 23, sf::Color::Black, AlignLeft, "High Scores", 690, 75);
    for (int i = 0; i < 3; i++) {
        int y = 105 + 35 * i, entry = highScores.entries[i];
        label(uiFont, 20, sf::Color::Black, AlignLeft, std::to_string(i + 1) + ".", 700, y);
        std::string time = entry > 3600000 ? "999:99:99" : TimerText(entry);
        label(uiFont, 18, sf::Color::Black, AlignRight, time, 820, y);
    }
}
