// asset_table.cpp -- the catalogue lists: names, file codes, load order and tints
#include "engine/asset_table.h"

const ImageEntry imagesBeforeTiles[] = {
    {"background", "8", 255}, {"cloud 1", "E", 255}, {"cloud 2", "F", 255},
    {"cloud 3", "G", 255}, {"cloud 4", "H", 255}, {"cloud 5", "I", 255},
    {"title", "2T", 255}, {"p", "28", 255}, {"l", "20", 255}, {"a", "1", 255},
    {"y", "2Z", 255}, {"play shadow", "2D", 255}, {"main menu", "24", 200},
    {"keyboard", "34", 255}, {"number pad", "35", 255}, {"mute", "31", 255},
    {"muted", "32", 255}, {"arrow back", "4", 255}, {"arrow up", "6", 255},
    {"arrow down", "5", 255}, {"delete button", "O", 255}, {"wisp", "2Y", 200},
    {"tree birch", "2U", 255}, {"tree pine", "2W", 255}, {"tree oak", "2V", 255},
    {"rock bronze", "2O", 255}, {"rock iron", "2P", 255}, {"rock titanium", "2Q", 255},
    {"pond bass", "2E", 255}, {"pond salmon", "2F", 255}, {"pond trout", "2G", 255},
    {"fire pit", "S", 255}, {"anvil", "2", 255}, {"bag", "9", 255},
    {"checklist", "D", 255}, {"exit", "Q", 255}, {"help", "12", 255},
    {"inventory", "1Y", 220}, {"interaction", "1X", 255},
    {"checklist menu background", "B", 220}, {"checklist menu items", "C", 255},
    {"red slash", "2K", 255}, {"help menu", "24", 255},
    {"item 1", "21", 255}, {"item 2", "23", 255}, {"item 3", "22", 255},
    {"item 4", "25", 255}, {"item 5", "26", 255}, {"item 6", "27", 255},
    {"item 7", "2H", 255}, {"item 8", "2I", 255}, {"item 9", "2J", 255},
    {"item 10", "J", 255}, {"item 11", "K", 255}, {"item 12", "L", 255},
    {"item 13", "Z", 255}, {"item 14", "10", 255}, {"item 15", "11", 255},
    {"item 16", "29", 255}, {"item 17", "2A", 255}, {"item 18", "2B", 255},
    {"item 19", "T", 255}, {"item 20", "U", 255}, {"item 21", "V", 255},
    {"interact rock hit circle", "1U", 255}, {"interact rock bronze", "1T", 255},
    {"interact rock iron", "1V", 255}, {"interact rock titanium", "1W", 255},
    {"interact pond bass", "1N", 255}, {"interact pond salmon", "1O", 255},
    {"interact pond trout", "1P", 255}, {"rings bass", "2L", 255},
    {"rings salmon", "2M", 255}, {"rings trout", "2N", 255}, {"bobber", "A", 255},
    {"cooking menu plus", "N", 255}, {"cooking menu arrow", "M", 255},
    {"gauge fire", "X", 255}, {"gauge cooking", "W", 255}, {"gauge needle", "Y", 255},
    {"plate", "2C", 255}, {"interact logs birch", "1H", 255},
    {"interact logs pine", "1J", 255}, {"interact logs oak", "1I", 255},
    {"interact fire birch", "18", 255}, {"interact fire pine", "1A", 255},
    {"interact fire oak", "19", 255}, {"interact raw bass", "1Q", 255},
    {"interact raw salmon", "1R", 255}, {"interact raw trout", "1S", 255},
    {"interact cooked bass", "15", 255}, {"interact cooked salmon", "16", 255},
    {"interact cooked trout", "17", 255}, {"interact anvil", "14", 255},
    {"smithing grid", "2R", 255},
};
const int imagesBeforeTilesCount = sizeof(imagesBeforeTiles) / sizeof(imagesBeforeTiles[0]);

const ImageEntry imagesAfterTiles[] = {
    {"item beam", "1Z", 255}, {"wisp beam", "2X", 255}, {"elder", "P", 255},
    {"arrow", "7", 255}, {"speech bubble", "2S", 255}, {"night water", "33", 255},
};
const int imagesAfterTilesCount = sizeof(imagesAfterTiles) / sizeof(imagesAfterTiles[0]);

const ToolSheet toolSheets[9] = {
    {"1E", 0}, {"1F", 16}, {"1G", 32}, {"1K", 48}, {"1L", 64},
    {"1M", 80}, {"1B", 96}, {"1C", 112}, {"1D", 128},
};

bool toolTileHasPiece(int tile) {
    if (tile < 0 || tile >= toolTileCount) return false;
    int cell = tile % 16;
    int family = tile / 48;  // hatchets, pickaxes, fishing poles: three sheets each
    switch (family) {
        case 0: return cell != 3 && cell != 7 && cell != 12 && cell != 13 && cell != 14;
        case 1: return cell != 3 && cell != 7 && cell != 12 && cell != 13;
        default:
            return cell != 2 && cell != 3 && cell != 7 && cell != 9 && cell != 12 && cell != 13 &&
                   cell != 14;
    }
}

const SoundEntry soundCatalogue[20] = {
    {"back", "36", "sfx", false}, {"beam", "37", "sfx", false},
    {"click", "38", "sfx", false}, {"delete", "39", "sfx", false},
    {"exit", "3A", "sfx", false}, {"fire sizzle", "3B", "sfx", true},
    {"fire starter", "3C", "sfx", false}, {"interact open", "3D", "sfx", false},
    {"inventory", "3E", "sfx", false}, {"menu slide", "3F", "sfx", false},
    {"pickaxe hit", "3G", "sfx", false}, {"pond ripple", "3H", "sfx", true},
    {"rain", "3I", "sfx", false}, {"research complete", "3J", "sfx", false},
    {"researched", "3K", "sfx", false}, {"smithing sizzle", "3L", "sfx", false},
    {"trash", "3M", "sfx", false}, {"tree chop", "3N", "sfx", false},
    {"win", "3O", "music", false}, {"music", "3P", "music", true},
};
