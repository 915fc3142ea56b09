// settings.cpp -- reading and writing saves/sF.kv, and the chooser decision at start
#include "engine/settings.h"

#include "engine/app_state.h"
#include "engine/input.h"
#include "engine/save_files.h"

#include <string>

Settings settings;

namespace {
int* fields[] = {&settings.InputChoice, &settings.musicOn, &settings.musicVolume,
                 &settings.sfxOn, &settings.sfxVolume, &settings.AskInputAtStart};
}

void loadSettings() {
    settings = Settings{};
    if (auto lines = readSavesFile("sF.kv")) {
        // A missing line or one that holds no number keeps that value's default.
        for (size_t i = 0; i < 6 && i < lines->size(); i++)
            if (auto value = parseInt((*lines)[i])) *fields[i] = *value;
        if (settings.InputChoice == 1) touchMode = true;
    } else {
        writeSettings();
    }
    if (settings.InputChoice == -1 || settings.AskInputAtStart == 1) {
        changeScreen(GameScreen::InputChooser);
        touchMode = false;
    }
}

void writeSettings() {
    std::vector<std::string> lines;
    for (int* field : fields) lines.push_back(std::to_string(*field));
    replaceSavesFile("sF.kv", lines);
}
