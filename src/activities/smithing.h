// smithing.h -- smithing at the anvil: the tool menu, then the tool put together as a jigsaw
#pragma once
#include <cstdint>

struct SmithingPiece {
    int32_t image = 0;      // cell + 16 * (tool kind - 13); texture "tool <image>"; home cell = image mod 16
    bool loose = false;     // in play and not yet placed
    bool placed = false;    // sits in its home cell
    int32_t x = 0, y = 0;   // centre, px
    int32_t glow = 0;       // alpha of the glowing frame
    int32_t glowStep = -1;  // glow change per step: -1 fading, +2 brightening
};

struct SmithingState {
    bool menuShowing = false;            // the tool menu shows instead of the puzzle
    int toolKind = 0;                    // ItemKind (13..21) of the tool being made
    bool oreAvailable[3] = {};           // the bag held Bronze, Iron, Titanium Ore at opening
    SmithingPiece pieces[16];            // by starting place in the embers, not by cell
    int32_t draggedPiece = -1;           // index of the piece following the pointer; -1 none
    int32_t grabOffsetX = 0, grabOffsetY = 0;  // pointer minus piece centre at the grab, px
};

extern SmithingState smithing;

struct PiecePlace {
    int32_t x = 0, y = 0;  // px
};

void openAnvil();     // the window opens on an anvil: the menu, ore availability from the bag
void drawSmithing();  // one step of an open anvil window: the menu or the puzzle
void onAnvilPress();  // a press while an anvil's window is open: a menu choice or a piece grab
PiecePlace pieceHome(const SmithingPiece& piece);  // the centre of the grid cell the piece belongs in
