// menus.cpp -- which menu screen shows, and the click rules every menu press passes first
#include "frontend/menus.h"

#include "engine/app_state.h"
#include "engine/clock.h"
#include "engine/save_notice.h"
#include "frontend/input_chooser.h"
#include "frontend/load_screen.h"
#include "frontend/menu_state.h"
#include "frontend/new_game.h"
#include "frontend/settings_screen.h"
#include "frontend/title_screen.h"

namespace {
constexpr int32_t menuDebounceMs = 200;  // a press this soon after the last one is ignored

struct MenuScreen {
    GameScreen screen;
    void (*draw)();
    void (*click)();
};

const MenuScreen menuScreens[] = {
    {GameScreen::InputChooser, drawInputChooser, clickInputChooser},
    {GameScreen::Settings, drawSettingsScreen, clickSettingsScreen},
    {GameScreen::Title, drawTitleScreen, clickTitleScreen},
    {GameScreen::MainMenu, drawMainMenu, clickMainMenu},
    {GameScreen::NameEntry, drawNameEntry, clickNameEntry},
    {GameScreen::SeedChoice, drawSeedChoice, clickSeedChoice},
    {GameScreen::SeedEntry, drawSeedEntry, clickSeedEntry},
    {GameScreen::LoadList, drawLoadList, clickLoadList},
};

// The menu screen that shows, or null during a game or the tutorial.
const MenuScreen* shownScreen() {
    for (const MenuScreen& menu : menuScreens)
        if (showing(menu.screen)) return &menu;
    return nullptr;
}
}  // namespace

void drawMenuScreens() {
    if (const MenuScreen* screen = shownScreen()) screen->draw();
    if (!playing()) drawSaveNotice();  // the game's HUD shows its own
}

void onMenuClick() {
    if (nowMs() - menuState.lastMenuClick <= menuDebounceMs) return;
    if (!playing()) menuState.lastMenuClick = nowMs();
    if (const MenuScreen* screen = shownScreen()) screen->click();
}

void resetMenuState() { menuState = MenuState{}; }
