// load_screen.cpp -- "Select a save file to load": the list of games, loading and deleting
#include "engine/app_state.h"
#include "engine/catalogue.h"
#include "engine/clock.h"
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

#include <algorithm>
#include <locale>
#include <optional>
#include <sstream>

LoadRows loadRows;

namespace {

constexpr int visibleRows = 11;
constexpr unsigned rowTextSize = 20;
constexpr size_t longestName = 20;      // the longest name the game lets a player type
constexpr float nameRoom = 225;         // px from the name's x to the progress column
constexpr float progressRoom = 110;     // px left of the progress text's right edge
constexpr int32_t deleteArmedMs = 3000; // a second press on the red X within this deletes

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

// A text longer than the game ever writes (a hand-edited or damaged file, perhaps a line of
// thousands of characters) is cut to the room it has: drawn whole it would run across the
// screen and make every step of the list slow.
std::string cutToRoom(const std::string& text, float room) {
    if (text.size() <= longestName) return text;
    std::string cut = text.substr(0, longestName);
    while (!cut.empty() && menuTextWidth(cut, rowTextSize) > room) cut.pop_back();
    return cut;
}

int maxScroll() { return static_cast<int>(loadRows.rows.size()) - visibleRows; }

int rowY(int k) { return 180 + 30 * k; }

bool rowFramed(int r, int k) {
    return r == loadRows.selectedRow || (!touchMode && pointerInRect(510, rowY(k), 370, 25));
}

bool onDeleteButton(int k) { return pointerInRect(290, rowY(k), 25, 25); }

// Armed: the X's first press is less than a few seconds old.
bool deleteArmed(int r) {
    return r >= 0 && r == loadRows.armedRow && nowMs() - loadRows.armedAtMs <= deleteArmedMs;
}

// The pointer leaving the armed X, or the time running out, disarms it.
void disarmWhenLeft() {
    int k = loadRows.armedRow - loadRows.scroll;
    bool shown = k >= 0 && k < visibleRows;
    if (!deleteArmed(loadRows.armedRow) || !shown || !onDeleteButton(k)) loadRows.armedRow = -1;
}

// An armed X stays red in a red frame, with "Delete?" beside it in the row's own size.
void drawDeleteButton(int r, int k) {
    bool armed = deleteArmed(r);
    bool lit = !armed && (r == loadRows.selectedRow || (!touchMode && onDeleteButton(k)));
    if (lit) tintSprite("delete button", 227, 220, 0);
    else tintSprite("delete button", 255, 0, 0);
    drawSprite("delete button", 290, rowY(k));
    if (!armed) return;
    frameButton(290, rowY(k), 25, 25, armedRed);
    menuTextRight("Delete?", 268, 168 + 30 * k, rowTextSize, armedRed);
}

void drawRow(int r, int k) {
    const LoadRow& row = loadRows.rows[r];
    addPadTarget(510, rowY(k));
    addPadTarget(290, rowY(k));
    menuTextLeft(row.name, 335, 168 + 30 * k, rowTextSize);
    menuTextRight(row.progress, 680, 168 + 30 * k, rowTextSize);
    bool framed = rowFramed(r, k);
    if (framed) {
        frameButton(510, rowY(k), 370, 25, hoverYellow);
        menuText("Seed: " + row.seed, 500, 510, rowTextSize);
    }
    drawDeleteButton(r, k);
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

// The first press arms the X (in touch mode it also selects the row); a second press on
// it while armed deletes, and the list stays where it was scrolled to.
void pressDelete(int r, bool armed) {
    if (touchMode) loadRows.selectedRow = r;
    if (!armed) {
        loadRows.armedRow = r;
        loadRows.armedAtMs = nowMs();
        playClick();
        return;
    }
    playSound("delete", true);
    int scroll = loadRows.scroll;
    deleteSave(loadRows.rows[r].id);
    buildLoadRows();
    loadRows.scroll = std::clamp(scroll, 0, std::max(0, maxScroll()));
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
        loadRows.rows.push_back({id, cutToRoom((*lines)[0], nameRoom), cutToRoom((*lines)[1], progressRoom) + "%",
                                 groupedSeed(*seed)});
    }
}

void scrollLoadList(int rows) {
    if (rows < 0 && loadRows.scroll > 0) loadRows.scroll--;
    if (rows > 0 && loadRows.scroll < maxScroll()) loadRows.scroll++;
}

void drawLoadList() {
    disarmWhenLeft();
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
    // Any press disarms the X; only a press on the armed X itself then deletes.
    int armedRow = deleteArmed(loadRows.armedRow) ? loadRows.armedRow : -1;
    loadRows.armedRow = -1;
    for (int k = 0; k < visibleRows; k++) {
        int r = loadRows.scroll + k;
        if (r >= static_cast<int>(loadRows.rows.size())) break;
        if (pointerInRect(510, rowY(k), 370, 25)) return pressRow(r);
        if (onDeleteButton(k)) return pressDelete(r, r == armedRow);
    }
    if (backButtonHit()) {
        playBack();
        changeScreen(GameScreen::MainMenu);
    } else if (pointerInRect(800, 150, 29, 29)) {
        scrollLoadList(-1);
    } else if (pointerInRect(800, 500, 29, 29)) {
        scrollLoadList(1);
    }
}
