// inventory.h -- the nine-slot bag, its sliding panel, dragging and dropping
#pragma once
#include <cstdint>

struct InventoryPanel {
    bool open = false;             // open or opening
    int32_t slide = -150;          // panel centre y, px; -150 closed, 200 open
    int32_t slideSpeed = 0;        // px per step; +45 opening, -45 closing, 0 at rest
    bool dragged[9] = {};          // the slot whose item follows the pointer
    bool dragging = false;         // a drag is in progress
    bool InventoryFullFlag = false;// every slot holds a settled item
};

extern InventoryPanel inventoryPanel;

void toggleInventory(bool closeOnly);
void drawInventoryPanel();
void beginInventoryDrag();     // a press on the open, resting panel
void resetInventoryPanel();    // a new game or a load: the panel is closed and still
bool bagHolds(int item);       // some slot holds this item
int firstEmptySlot();          // -1 when every slot holds an item
void takeItem(int item);       // empties the lowest slot holding it
