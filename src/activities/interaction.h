// interaction.h -- the zooming interaction window and the activities played in it
#pragma once
#include <SFML/Graphics/Rect.hpp>
#include <cstdint>

enum class WindowPhase { Closed, Opening, Open, Closing };

struct InteractionState {
    int selectedKind = 0;              // ObjectKind whose window is open
    WindowPhase windowPhase = WindowPhase::Closed;
    double windowScale = 0.001;        // zoom of the panel and picture; 1.0 when open
    int32_t windowY = 600;             // panel centre y, px; 600 closed, 335 open
    int32_t dimAlpha = 0;              // black overlay behind the panel, 0..200
    bool closeScheduled = false;       // a close was asked for with a delay...
    int32_t closeAt = 0;               // ...and takes effect at this nowMs
    bool cursorHidden = false;         // fishing hid the mouse cursor
    int currentToolItem = 0;           // best tool of the family when the window opened; 0 Wood
    int ToolAdvantage = 0;             // current tool tier - object tier
    double ActivityProgress = 0;       // 0..200; 200 = done
    bool newItemMarks[9] = {};         // slots that received an item in this opening
    bool itemGranted = false;          // an item was already handed over in this opening
    int flyingItem = 0;                // ItemKind flying from the panel to the bag
    int32_t flyX = 500, flyY = 300;    // its position, px
    bool flyActive = false;            // it is flying
};

extern InteractionState interaction;

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
bool interactionActive();             // the window is opening, open or closing
void resetInteraction();              // a new game or a load: the window is closed
void grantItem(int item);             // into the first empty slot, flying; lost when the bag is full

// Shared by the activities.
int placeOfWisp();                            // the area place (0..2) the wisp stands in front of
bool insidePanelArea(int x, int y);           // x 151..849, y 86..584: inside the panel's frame
double progressGain(const double (&gains)[6], int toolAdvantage);  // gains listed for -3..+2
void finishGathering();                       // progress reached 200: close, remove, hand over, save
