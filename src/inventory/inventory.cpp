// inventory.cpp -- the bag's panel; dragging and dropping arrive with the inventory work
#include "inventory/inventory.h"

#include "world/game_session.h"

InventoryPanel inventoryPanel;

void toggleInventory(bool) {}
void drawInventoryPanel() {}
void beginInventoryDrag() {}
void resetInventoryPanel() { inventoryPanel = InventoryPanel{}; }

int firstEmptySlot() {
    for (int slot = 0; slot < 9; slot++)
        if (session.Inventory[slot] == 0) return slot;
    return -1;
}

void takeItem(int item) {
    for (int slot = 0; slot < 9; slot++) {
        if (session.Inventory[slot] == item) {
            session.Inventory[slot] = 0;
            return;
        }
    }
}
