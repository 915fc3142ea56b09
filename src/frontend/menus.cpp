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

struct Screen {
    bool AppState::*flag;
    void (*draw)();
    void (*click)();
};

// In the order the flags are tested: the first one set is the screen shown.
const Screen screens[] = {
    {&AppState::showInputChooser, drawInputChooser, clickInputChooser},
    {&AppState::showSettings, drawSettingsScreen, clickSettingsScreen},
    {&AppState::showTitle, drawTitleScreen, clickTitleScreen},
    {&AppState::showMainMenu, drawMainMenu, clickMainMenu},
    {&AppState::showNameEntry, drawNameEntry, clickNameEntry},
    {&AppState::showSeedChoice, drawSeedChoice, clickSeedChoice},
    {&AppState::showSeedEntry, drawSeedEntry, clickSeedEntry},
    {&AppState::showLoadList, drawLoadList, clickLoadList},
};

const Screen* shownScreen() {
    for (const Screen& screen : screens)
        if (app.*screen.flag) return &screen;
    return nullptr;
}
}  // namespace

void drawMenuScreens() {
    if (const Screen* screen = shownScreen()) screen->draw();
    if (!app.inGame && !app.inTutorial) drawSaveNotice();  // the game's HUD shows its own
}

void onMenuClick() {
    if (nowMs() - menuState.lastMenuClick <= menuDebounceMs) return;
    if (!app.inGame && !app.inTutorial) menuState.lastMenuClick = nowMs();
    if (const Screen* screen = shownScreen()) screen->click();
}

void resetMenuState() { menuState = MenuState{}; }
