// new_game_form.cpp -- the save name and the seed being typed, and their text rules
#include "frontend/new_game_form.h"

#include "engine/app_state.h"
#include "frontend/menu_widgets.h"

NewGameForm newGameForm;

namespace {

void continueToSeedChoice() {
    playClick();
    changeScreen(GameScreen::SeedChoice);
}

}  // namespace

bool nameReady() { return !newGameForm.name.empty() && newGameForm.nameStarted; }

void eraseNameCharacter() {
    std::string& name = newGameForm.name;
    if (name.empty()) return;
    name.pop_back();
    if (name.empty()) newGameForm.nameStarted = false;
}

bool appendNameCharacter(char c) {
    std::string& name = newGameForm.name;
    if (name.size() >= maxNameLength || (c == ' ' && name.empty())) return false;
    name += c;
    newGameForm.nameStarted = true;
    return true;
}

void submitName() {
    if (nameReady()) continueToSeedChoice();
}

void eraseSeedDigit() {
    if (!newGameForm.seedText.empty()) newGameForm.seedText.pop_back();
}

bool appendSeedDigit(char c) {
    if (newGameForm.seedText.size() >= maxSeedDigits) return false;
    newGameForm.seedText += c;
    return true;
}

int64_t typedSeed() {
    return newGameForm.seedText.empty() ? -1 : std::stoll(newGameForm.seedText);
}

