// interaction.h -- the zooming interaction window and the activities played in it
#pragma once
#include <SFML/Graphics/Rect.hpp>
#include "world/interaction_state.h"

constexpr double activityDone = 200;  // ActivityProgress of a finished gathering activity
constexpr int finishCloseDelayMs = 500;  // a finished activity stays on screen this long
// The open panel (700 x 500 at (500, 335)) is opaque 10 px inside its edge.
const sf::IntRect panelInterior(160, 95, 680, 480);

void openInteraction();               // open the object under the wisp
void closeInteraction(int delayMs);   // close now (<= 0) or after delayMs
void onInteractionPress();            // a press while the window is open
void coverBehindPanel();              // start of a step: an open panel hides what lies under it
void drawInteraction();               // one step of the window in its current phase
void drawFlyingItem();                // the item flying from the panel to the bag
void resetInteraction();              // a new game or a load: the window is closed
void grantItem(int item);             // into the first empty slot, flying; lost when the bag is full

// Shared by the activities.
int placeOfWisp();                            // the area place (0..2) the wisp stands in front of
bool insidePanelArea(int x, int y);           // x 151..849, y 86..584: inside the panel's frame
double progressGain(const double (&gains)[6], int toolAdvantage);  // gains listed for -3..+2
void finishGathering();                       // progress reached 200: close, remove, hand over, save
