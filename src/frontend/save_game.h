// save_game.h -- one game in saves/<SaveNumber>.kv: 53 lines, written at every change
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int saveFileLines = 53;

void saveGame();                          // write the current game; silent on failure
bool loadGame(const std::string& id);     // read saves/<id>.kv into the game; false abandons the load
std::vector<std::string> saveLines();     // the 53 lines saveGame writes
void startNewGame(int64_t seed);          // -1 for a random seed: a new save number, world and file
