// load_screen.cpp -- "Select a save file to load": the list of games, loading and deleting
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/input.h"
#include "engine/pad_pointer.h"
#include "engine/save_files.h"
#include "engine/sound.h"
#include "engine/toolkit.h"
#include "frontend/load_screen.h"
#include "frontend/menu_widgets.h"
#include "frontend/new_game.h"
#include "frontend/save_game.h"
#include "frontend/save_list.h"

#include <locale>
#include <optional>
#include <sstream>

LoadRows loadRows;

namespace {

constexpr int visibleRows = 11;

// The seed with the digit grouping of the player's locale (123,456,789 in English).
std::string groupedSeed(int seed) {
    std::ostringstream out;
    try {
        out.imbue(std::locale(""));
    } catch (const std::exception&) {
        out.imbue(std::locale::classic());  // an unknown locale name in the environment
    }
    out << seed;
    return out.str();
}

int maxScroll() { return static_cast<int>(loadRows.rows.size()) - visibleRows; }

int rowY(int k) { return 180 + 30 * k; }

bool rowFramed(int r, int k) {
    return r == loadRows.selectedRow || (!touchMode && pointerInRect(510, rowY(k), 370, 25));
}

void drawRow(int r, int k) {
    const LoadRow& row = loadRows.rows[r];
    addPadTarget(510, rowY(k));
    addPadTarget(290, rowY(k));
    menuTextLeft(row.name, 335, 168 + 30 * k, 20);
    menuTextRight(row.progress, 680, 168 + 30 * k, 20);
    bool framed = rowFramed(r, k);
    if (framed) {
        frameButton(510, rowY(k), 370, 25, hoverYellow);
        menuText("Seed: " + row.seed, 500, 510, 20);
    }
    bool deleteLit = r == loadRows.selectedRow || (!touchMode && pointerInRect(290, rowY(k), 25, 25));
    if (deleteLit) tintSprite("delete button", 227, 220, 0);
    else tintSprite("delete button", 255, 0, 0);
    drawSprite("delete button", 290, rowY(k));
}

void pressRow(int r) {
    playClick();
    if (touchMode && r != loadRows.selectedRow) {
        loadRows.selectedRow = r;
        return;
    }
    raiseLoadingScreen(loadGameLoadUnits);
    loadGame(loadRows.rows[r].id);
}

void pressDelete(int r) {
    if (touchMode && r != loadRows.selectedRow) {
        loadRows.selectedRow = r;
        playClick();
        return;
    }
    playSound("delete", true);
    deleteSave(loadRows.rows[r].id);
    buildLoadRows();
    if (touchMode) loadRows.selectedRow = -1;
}

}  // namespace

void buildLoadRows() {
    loadRows = LoadRows{};
    for (size_t i = 1; i < saveList.entries.size(); i++) {
        const std::string& id = saveList.entries[i];
        if (!isDecimalId(id)) continue;
        auto lines = readSavesFile(id + ".kv");
        if (!lines || lines->size() < 3) continue;  // no file, or too short to show
        std::optional<int> seed = parseInt((*lines)[2]);
        if (!seed) continue;
        loadRows.rows.push_back({id, (*lines)[0], (*lines)[1] + "%", groupedSeed(*seed)});
    }
}

void scrollLoadList(int rows) {
    if (rows < 0 && loadRows.scroll > 0) loadRows.scroll--;
    if (rows > 0 && loadRows.scroll < maxScroll()) loadRows.scroll++;
}

void drawLoadList() {
    drawMenuPanel();
    menuText("Select a save file to load", 500, 100, 23);
    menuTextLeft("Name\t\t\t\t\t\t\tProgress", 335, 140, 20);
    for (int k = 0; k < visibleRows; k++) {
        int r = loadRows.scroll + k;
        if (r >= static_cast<int>(loadRows.rows.size())) break;
        drawRow(r, k);
    }
    drawBackButton();
    drawNavButton(800, 150, 29, 29);
    drawSprite("arrow up", 800, 150);
    drawNavButton(800, 500, 29, 29);
    drawSprite("arrow down", 800, 500);
}

void clickLoadList() {
    for (int k = 0; k < visibleRows; k++) {
        int r = loadRows.scroll + k;
        if (r >= static_cast<int>(loadRows.rows.size())) break;
        if (pointerInRect(510, rowY(k), 370, 25)) return pressRow(r);
        if (pointerInRect(290, rowY(k), 25, 25)) return pressDelete(r);
    }
    if (backButtonHit()) {
        playBack();
        app.showLoadList = false;
        app.showMainMenu = true;
    } else if (pointerInRect(800, 150, 29, 29)) {
        scrollLoadList(-1);
    } else if (pointerInRect(800, 500, 29, 29)) {
        scrollLoadList(1);
    }
}
