// hover.h -- the shared hover tracker: what is under the pointer, and since when
#pragma once
#include <cstdint>

struct HoverTracker {
    int32_t id = -1;        // element last found under the pointer
    int32_t since = 0;      // nowMs when it was first found there
};

extern HoverTracker hover;

constexpr int32_t hoverDelayMs = 751;  // a tooltip shows after this long
void holdHoverOpen();                  // right button held: tooltips show at once
bool hoverShows(int32_t id);           // track id; true once it has been hovered long enough
