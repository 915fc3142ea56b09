// cheats.cpp -- a line switches its flag on only when it matches exactly
#include "engine/cheats.h"

#include <fstream>
#include <string>

CheatFlags cheats;

void readCheatFile() {
    cheats = CheatFlags{};
    std::ifstream in("saves/ch.eat");
    if (!in) return;
    const struct {
        const char* line;
        bool CheatFlags::*flag;
    } table[] = {
        {"rainbowInventory = true", &CheatFlags::rainbowInventory},
        {"hideTimer = true", &CheatFlags::hideTimer},
        {"lowGravity = true", &CheatFlags::lowGravity},
        {"dizzySpin = true", &CheatFlags::dizzySpin},
        {"windy = true", &CheatFlags::windy},
        {"noPost = true", &CheatFlags::noPost},
    };
    std::string line;
    while (std::getline(in, line)) {
        // A file written with CR LF line ends: the CR is part of the line end.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        for (const auto& entry : table) {
            if (line == entry.line) {
                cheats.*entry.flag = true;
                break;
            }
        }
    }
}
