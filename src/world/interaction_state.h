// interaction_state.h -- the interaction window's state: which object is open, its phase,
// the items it handed over. The window and its activities live in activities/.
#pragma once
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

bool interactionActive();             // the window is opening, open or closing
