// hud.cpp -- the play-time format; the bar and its pages arrive with the HUD work
#include "inventory/hud.h"

void drawHud() {}
void handleGameClick() {}
bool toggleHelp(bool) { return false; }
bool helpOpen() { return false; }
void resetHelpPage() {}

std::string TimerText(int s) {
    std::string text;
    if (s >= 3600) text += std::to_string(s / 3600);
    if (s < 60) {
        text += "00";
    } else if (s < 3600) {
        text += std::to_string(s / 60);
    } else {
        int m = (s % 3600) / 60;
        text += (m < 10 ? ":0" : ":") + std::to_string(m);
    }
    int t = s % 60;
    text += (t < 10 ? ":0" : ":") + std::to_string(t);
    return text;
}
