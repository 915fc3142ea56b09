// new_game_form.h -- the save name and the seed being typed, and their text rules; the
// physical keys and the on-screen keys edit them alike
#pragma once
#include <cstddef>
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

void eraseNameCharacter();
bool appendNameCharacter(char c);
bool nameReady();                     // a name was typed: Continue goes on
void submitName();                    // on to the seed choice once a name was typed
void eraseSeedDigit();
bool appendSeedDigit(char c);
int64_t typedSeed();                  // the seed text as a number, -1 (random) when empty
