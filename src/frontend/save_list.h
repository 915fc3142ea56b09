// save_list.h -- which games exist (saves/sL.kv), numbering new games and deleting them
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct SaveList {
    std::vector<std::string> entries;  // entry 0 the next save number, then games, most recent first
    int NextSaveNumber = 0;            // entry 0 as a number
    bool NewPlayer = true;             // the next save number read at start-up was 0
};

extern SaveList saveList;

void loadSaveList();
void writeSaveList();
int claimNewSaveNumber();               // a new game's number; the next number moves past it
void deleteSave(const std::string& id);
void moveSaveToFront(const std::string& id);  // the id becomes entry 1; the list is written
void tutorialCompleted();  // a new player finished the tutorial: the first game gets its number, tS.kv goes
