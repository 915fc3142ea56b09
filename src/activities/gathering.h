// gathering.h -- what every activity shares: closing the window, handing items over,
// the one ending of a gathering activity, the progress each press or step adds
#pragma once
#include <SFML/Graphics/Rect.hpp>

constexpr double activityDone = 200;  // ActivityProgress of a finished gathering activity
constexpr int finishCloseDelayMs = 500;  // a finished activity stays on screen this long
// The open panel (700 x 500 at (500, 335)) is opaque 10 px inside its edge.
const sf::IntRect panelInterior(160, 95, 680, 480);

void showCursorAgain();               // fishing hid the cursor: show it again
void closeInteraction(int delayMs);   // close now (<= 0) or after delayMs
void grantItem(int item);             // into the first empty slot, flying; lost when the bag is full
void drawFlyingItem();                // the item flying from the panel to the bag
int placeOfWisp();                            // the area place (0..2) the wisp stands in front of
bool insidePanelArea(int x, int y);           // x 151..849, y 86..584: inside the panel's frame
double progressGain(const double (&gains)[6], int toolAdvantage);  // gains listed for -3..+2
void finishGathering();                       // progress reached 200: close, remove, hand over, save
