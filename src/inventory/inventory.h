// inventory.h -- the nine-slot bag and its sliding panel
#pragma once

void toggleInventory(bool closeOnly);
void drawInventoryPanel();
void resetInventoryPanel();   // a new game or a load: the panel is closed and still
