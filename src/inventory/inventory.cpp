// inventory.cpp -- the bag's panel; dragging and dropping arrive with the inventory work
#include "inventory/inventory.h"

void toggleInventory(bool) {}
void drawInventoryPanel() {}
void resetInventoryPanel() {}
