// interaction.h -- the zooming interaction window and the activities played in it
#pragma once

void openInteraction();               // open the object under the wisp
void closeInteraction(int delayMs);   // close now (<= 0) or after delayMs
void onInteractionPress();            // a press while the window is open
void drawInteraction();               // one step of the window in its current phase
void drawFlyingItem();                // the item flying from the panel to the bag
bool interactionActive();             // the window is opening, open or closing
void resetInteraction();              // a new game or a load: the window is closed
