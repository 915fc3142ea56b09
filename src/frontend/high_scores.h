// high_scores.h -- the three fastest finishing times, kept in saves/hS.kv
#pragma once

struct HighScoreTable {
    int entries[3] = {};      // whole seconds; 0 is an empty place
    bool newHighScore = false;// the last finished game got into the table
};

extern HighScoreTable highScores;

void loadHighScores();
void writeHighScores();            // saves/hS.kv: the three entries as they stand
void sortHighScores();              // fastest first, empty places last; writes only on a change
void recordHighScore(int seconds);  // replaces the slowest entry when faster or empty
void resetHighScores();
void drawHighScoreTable();
