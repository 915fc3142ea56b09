// kinds.h -- what exists in the world and in the bag: object and item kinds, names, tools
#pragma once
#include <string>

// ObjectKind: 0 empty, 1-3 trees, 4-6 rocks, 7-9 ponds, 10 fire pit, 11 anvil.
enum ObjectKind {
    EmptyPlace = 0, BirchTree, PineTree, OakTree, BronzeRock, IronRock, TitaniumRock,
    BassPond, SalmonPond, TroutPond, FirePit, Anvil
};

// ItemKind: 0 none; gathering object k yields item k; cooked fish = raw + 3; 13-21 tools.
enum ItemKind {
    NoItem = 0, BirchLogs, PineLogs, OakLogs, BronzeOre, IronOre, TitaniumOre, RawBass,
    RawSalmon, RawTrout, CookedBass, CookedSalmon, CookedTrout, BronzeHatchet, IronHatchet,
    TitaniumHatchet, BronzePickaxe, IronPickaxe, TitaniumPickaxe, BronzeFishingPole,
    IronFishingPole, TitaniumFishingPole
};

struct HitBox {
    int centreY;       // the box is centred at x = 170 + 330 * slot and this y
    int width, height;
};

const HitBox* objectHitBox(int kind);      // null for an empty place or an unknown kind
int objectDrawY(int kind);                 // y at which the world image stands

std::string objectTextureName(int kind);
std::string objectDisplayName(int kind);
std::string interactionTextureName(int kind);
std::string recommendedToolName(int kind);
std::string itemName(int item);
std::string itemTextureName(int item);

bool isGatherable(int kind);                            // trees, rocks and ponds
bool isTree(int kind);                                  // Birch, Pine, Oak
bool isRock(int kind);                                  // Bronze, Iron, Titanium
bool isPond(int kind);                                  // Bass, Salmon, Trout
int currentTool(int kind, const int inventory[9]);      // best tool of the family carried; 0 = Wood
int toolAdvantage(int tool, int kind);                  // tool tier - object tier, -3..2
std::string currentToolName(int kind, int tool);
