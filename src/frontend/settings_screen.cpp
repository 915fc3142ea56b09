// settings_screen.cpp -- input method, music and effects switches and volume sliders, and
// the play-report switch
#include "frontend/settings_screen.h"

#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/input.h"
#include "engine/metrics.h"
#include "engine/pad_pointer.h"
#include "engine/settings.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "frontend/menu_state.h"
#include "frontend/menu_widgets.h"
#include "frontend/rumble_switch.h"
#include "frontend/save_list.h"

#include <algorithm>
#include <cmath>

namespace {

// The row of switches under the sliders.
constexpr int switchRowY = 390;
constexpr int reportsBoxX = 257;
constexpr int rumbleBoxX = 600;  // clear of the reports label

struct Slider {
    HeldSlider which;
    int y;            // the line runs from (350, y) to (750, y)
    int* on;          // musicOn or sfxOn
    int* volume;      // percent
    const char* category;
};

Slider musicSlider() { return {HeldSlider::Music, 290, &settings.musicOn, &settings.musicVolume, "music"}; }
Slider sfxSlider() { return {HeldSlider::Sfx, 340, &settings.sfxOn, &settings.sfxVolume, "sfx"}; }

// A hand-edited volume outside 0 to 100 is kept as read, but heard and shown within it.
int knobX(const Slider& s) { return 350 + 4 * std::clamp(*s.volume, 0, 100); }

int pointerDistanceTo(int x, int y) {
    double dx = pointer.pointerX - x, dy = pointer.pointerY - y;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

bool knobHovered(const Slider& s) {
    return !touchMode && !pointer.pointerOutside && pointerDistanceTo(knobX(s), s.y) <= 10;
}

void drawSlider(const Slider& s) {
    sf::Color line = *s.on == 1 ? sf::Color::Black : sf::Color(255, 0, 0, 255);
    drawThickLine(350, s.y, 750, s.y, 3, line);
    addPadTarget(knobX(s), s.y);
    bool lit = knobHovered(s) || menuState.heldSlider == s.which;
    currentFillColour = lit ? hoverYellow : menuBlack;
    drawDot(knobX(s), s.y);
}

void drawMuteButton(const Slider& s) {
    const char* name = *s.on == 1 ? "mute" : "muted";
    sf::Color colour = *s.on == 1 ? sf::Color::Black : sf::Color(255, 0, 0);
    if (!touchMode && pointerInRect(800, s.y, 30, 30)) colour = hoverYellow;
    addPadTarget(800, s.y);
    tintSprite(name, colour.r, colour.g, colour.b);
    drawSprite(name, 800, s.y);
}

// While a knob is held it follows the pointer; letting go of a knob at 0 mutes.
void updateHeldSlider() {
    if (menuState.heldSlider == HeldSlider::None) return;
    Slider s = menuState.heldSlider == HeldSlider::Music ? musicSlider() : sfxSlider();
    if (pointer.leftDown) {
        int x = pointer.pointerX;
        *s.volume = x < 351 ? 0 : x < 750 ? (x - 350) / 4 : 100;
        applyVolume(s.category, *s.volume);
        return;
    }
    if (s.which == HeldSlider::Sfx) playClick();
    if (*s.volume == 0) *s.on = 0;
    menuState.heldSlider = HeldSlider::None;
}

void pickInputMode(int choice) {
    settings.InputChoice = choice;
    settings.AskInputAtStart = -1;
    touchMode = choice == 1;
    playClick();
}

bool pressKnob(const Slider& s) {
    if (pointerDistanceTo(knobX(s), s.y) >= 11) return false;
    menuState.heldSlider = s.which;
    *s.on = 1;
    if (s.which == HeldSlider::Music) playSound("music", false);
    return true;
}

bool pressLine(const Slider& s) {
    if (!pointerInRect(550, s.y, 400, 20)) return false;
    *s.on = 1;
    *s.volume = (pointer.pointerX - 350) / 4;
    applyVolume(s.category, *s.volume);
    if (s.which == HeldSlider::Music) playSound("music", false);
    else playClick();  // heard at the new volume
    return true;
}

void toggleMusic() {
    if (settings.musicOn == 1) {
        settings.musicOn = 0;
        pauseSound("music");
    } else {
        settings.musicOn = 1;
        applyVolume("music", settings.musicVolume);
        playSound("music", false);
    }
}

void toggleSfx() {
    if (settings.sfxOn == 1) {
        settings.sfxOn = 0;
    } else {
        settings.sfxOn = 1;
        applyVolume("sfx", settings.sfxVolume);
    }
}

// Acts at once: "no" must not wait for Confirm to delete what waits to be sent.
void toggleReports() {
    agreeToReports(!reportsAgreed());
    playClick();
}

void confirmSettings() {
    changeScreen(saveList.NewPlayer ? GameScreen::Title : GameScreen::MainMenu);
    if (settings.AskInputAtStart == -1) settings.AskInputAtStart = 1;
    writeSettings();
    playClick();
}

}  // namespace

void drawSettingsScreen() {
    updateHeldSlider();
    drawMenuPanel();
    menuText("Settings", 500, 100, 25);
    menuText("Input:", 275, 225, 20);
    menuText("Music:", 275, 275, 20);
    menuText("SFX:", 275, 325, 20);
    drawChoiceButton(443, 235, 180, 40, settings.InputChoice == 1);
    menuText("Touch", 443, 225, 18);
    drawChoiceButton(657, 235, 180, 40, settings.InputChoice == 0);
    menuText("Mouse/Keyboard", 657, 225, 18);
    drawSlider(musicSlider());
    drawSlider(sfxSlider());
    drawMuteButton(musicSlider());
    drawMuteButton(sfxSlider());
    drawCheckbox(reportsBoxX, switchRowY, reportsAgreed(), playReportsText);
    drawRumbleSwitch(rumbleBoxX, switchRowY);
    drawChoiceButton(500, 440, 180, 40, false);
    menuText("Confirm", 500, 430, 18);
    menuText(playReportsExplained, 500, 478, 14);
    if (!touchMode && pointerInRect(443, 235, 180, 40)) menuText("* Double tap to enable", 443, 190, 16);
}

void clickSettingsScreen() {
    if (pointerInRect(443, 235, 180, 40) && settings.InputChoice != 1) pickInputMode(1);
    else if (pointerInRect(657, 235, 180, 40) && settings.InputChoice != 0) pickInputMode(0);
    else if (pressKnob(musicSlider()) || pressKnob(sfxSlider())) return;
    else if (pressLine(musicSlider()) || pressLine(sfxSlider())) return;
    else if (pointerInRect(800, 290, 30, 30)) toggleMusic();
    else if (pointerInRect(800, 340, 30, 30)) toggleSfx();
    else if (checkboxHit(reportsBoxX, switchRowY, playReportsText)) toggleReports();
    else if (clickRumbleSwitch(rumbleBoxX, switchRowY)) return;
    else if (pointerInRect(500, 440, 180, 40)) confirmSettings();
}
