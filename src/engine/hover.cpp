// hover.cpp -- one hover tracker shared by the HUD, the bag and the activity menus
#include "engine/hover.h"

#include "engine/clock.h"

HoverTracker hover;

void holdHoverOpen() { hover.since = nowMs() - 1000; }

bool hoverShows(int32_t id) {
    if (id != hover.id) {
        hover.id = id;
        hover.since = nowMs();
    }
    return nowMs() - hover.since >= hoverDelayMs;
}
