// kinds.cpp -- the tables of objects and items and the tool rules between them
#include "world/kinds.h"

namespace {

struct ObjectRow {
    const char* texture;      // world image
    const char* display;      // name shown in the interaction window
    const char* interaction;  // close-up image
    const char* recommended;  // tool whose advantage on it is 0
    HitBox box;
    int drawY;
};

constexpr ObjectRow objects[12] = {
    {"empty", "", "", "", {0, 0, 0}, 0},
    {"tree birch", "Birch Tree", "tree birch", "Bronze Hatchet", {250, 222, 496}, 250},
    {"tree pine", "Pine Tree", "tree pine", "Iron Hatchet", {250, 300, 499}, 250},
    {"tree oak", "Oak Tree", "tree oak", "Titanium Hatchet", {270, 356, 520}, 270},
    {"rock bronze", "Bronze Rock", "interact rock bronze", "Bronze Pickaxe", {450, 270, 123}, 450},
    {"rock iron", "Iron Rock", "interact rock iron", "Iron Pickaxe", {450, 270, 127}, 450},
    {"rock titanium", "Titanium Rock", "interact rock titanium", "Titanium Pickaxe", {450, 270, 125}, 450},
    {"pond bass", "Bass Pond", "interact pond bass", "Bronze Fishing Pole", {450, 329, 82}, 450},
    {"pond salmon", "Salmon Pond", "interact pond salmon", "Iron Fishing Pole", {450, 328, 78}, 450},
    {"pond trout", "Trout Pond", "interact pond trout", "Titanium Fishing Pole", {450, 345, 71}, 450},
    {"fire pit", "Fire Pit", "fire pit", "", {480, 290, 80}, 470},
    {"anvil", "Anvil", "interact anvil", "", {455, 292, 114}, 450},
};

constexpr const char* itemNames[22] = {
    "", "Birch Logs", "Pine Logs", "Oak Logs", "Bronze Ore", "Iron Ore", "Titanium Ore",
    "Raw Bass", "Raw Salmon", "Raw Trout", "Cooked Bass", "Cooked Salmon", "Cooked Trout",
    "Bronze Hatchet", "Iron Hatchet", "Titanium Hatchet", "Bronze Pickaxe", "Iron Pickaxe",
    "Titanium Pickaxe", "Bronze Fishing Pole", "Iron Fishing Pole", "Titanium Fishing Pole",
};

constexpr const char* woodToolNames[3] = {"Wood Hatchet", "Wood Pickaxe", "Wood Fishing Pole"};

bool validObject(int kind) { return kind >= 0 && kind <= 11; }

// Tools of a family: hatchets 13-15 for trees, pickaxes 16-18 for rocks, poles 19-21 for ponds.
int familyFirstTool(int kind) { return 13 + 3 * ((kind - 1) / 3); }

}  // namespace

const HitBox* objectHitBox(int kind) {
    return kind >= 1 && kind <= 11 ? &objects[kind].box : nullptr;
}

int objectDrawY(int kind) { return validObject(kind) ? objects[kind].drawY : 0; }

std::string objectTextureName(int kind) { return validObject(kind) ? objects[kind].texture : ""; }
std::string objectDisplayName(int kind) { return validObject(kind) ? objects[kind].display : ""; }
std::string interactionTextureName(int kind) {
    return validObject(kind) ? objects[kind].interaction : "";
}
std::string recommendedToolName(int kind) {
    return isGatherable(kind) ? objects[kind].recommended : "";
}
std::string itemName(int item) { return item >= 1 && item <= 21 ? itemNames[item] : ""; }
std::string itemTextureName(int item) { return "item " + std::to_string(item); }

bool isGatherable(int kind) { return kind >= 1 && kind <= 9; }
bool isTree(int kind) { return kind >= BirchTree && kind <= OakTree; }
bool isRock(int kind) { return kind >= BronzeRock && kind <= TitaniumRock; }
bool isPond(int kind) { return kind >= BassPond && kind <= TroutPond; }

int currentTool(int kind, const int inventory[9]) {
    if (!isGatherable(kind)) return 0;
    int first = familyFirstTool(kind), best = 0;
    for (int slot = 0; slot < 9; slot++)
        if (inventory[slot] >= first && inventory[slot] <= first + 2 && inventory[slot] > best)
            best = inventory[slot];
    return best;
}

// C++ division truncates, so tool 0 (the Wood tool) has tier (0 - 1) % 3 = -1.
int toolAdvantage(int tool, int kind) { return (tool - 1) % 3 - (kind - 1) % 3; }

std::string currentToolName(int kind, int tool) {
    if (tool != 0) return itemName(tool);
    return isGatherable(kind) ? woodToolNames[(kind - 1) / 3] : "";
}
