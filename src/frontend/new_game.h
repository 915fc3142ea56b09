// new_game.h -- naming a save, choosing a seed, and the load list
#pragma once
#include <cstdint>
#include <string>

struct NewGameForm {
    std::string name;          // the save name being typed, 0..20 characters
    bool nameStarted = false;  // a first character went into an empty name
    std::string seedText;      // the custom seed's digits, 0..9 of them
};

extern NewGameForm newGameForm;

constexpr size_t maxNameLength = 20;
constexpr size_t maxSeedDigits = 9;

void beginNameEntry();                // from the main menu's New Game
void typeNameCharacter(uint32_t c);   // physical keyboard on the save-name screen
void typeSeedCharacter(uint32_t c);   // physical keyboard on the custom-seed screen
void scrollLoadList(int rows);        // -1 up, +1 down, within the list
int64_t typedSeed();                  // the seed text as a number, -1 (random) when empty
