// asset_table.h -- every image and sound the game loads, by catalogue name and file code
#pragma once
#include <cstdint>

struct ImageEntry {
    const char* name;   // catalogue name the screens draw by
    const char* code;   // the file is assets/<code>.dk5
    uint8_t alpha;      // tint applied right after loading (255 = none)
};

struct ToolSheet {
    const char* code;   // sheet file code; 4 x 4 cells of 75 px
    int firstTile;      // tile index of cell 0
};

struct SoundEntry {
    const char* name;
    const char* code;
    const char* category;  // "sfx" or "music"
    bool loops;
};

// Images before the tool tiles, in load order.
extern const ImageEntry imagesBeforeTiles[];
extern const int imagesBeforeTilesCount;
// Images after the tool tiles, in load order.
extern const ImageEntry imagesAfterTiles[];
extern const int imagesAfterTilesCount;

extern const ToolSheet toolSheets[9];
bool toolTileHasPiece(int tile);   // false for the blank cells of the sheets
constexpr int toolTileCount = 144;
constexpr int loadedToolTileCount = 96;

extern const SoundEntry soundCatalogue[20];
constexpr int soundCount = 20;

constexpr int imageCount = 197;            // catalogue entries, tiles included
constexpr int startupLoadUnits = 217;      // 197 images and 20 sounds

constexpr const char* defaultFontCode = "3";
constexpr const char* uiFontCode = "R";
constexpr const char* iconCode = "30";
