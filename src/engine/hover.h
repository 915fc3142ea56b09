// hover.h -- the shared hover tracker: what is under the pointer, and since when
#pragma once
#include <cstdint>

struct HoverTracker {
    int32_t id = -1;        // element last found under the pointer
    int32_t since = 0;      // nowMs when it was first found there
};

extern HoverTracker hover;

// Every owner of tooltips numbers its targets inside its own range, so no two owners
// ever share an id and moving from one to the other always waits afresh.
struct HoverRange {
    int32_t first;  // id of target 0
    int32_t count;  // targets 0 .. count - 1
    constexpr int32_t id(int target) const { return first + target; }
};

constexpr int32_t noHover = -1;                 // nothing is under the pointer
constexpr HoverRange bagHoverIds{0, 12};        // the bag's nine slots, beaker, blank and trash
constexpr HoverRange firePitHoverIds{20, 9};    // the fire pit menu's icons, three to a row
constexpr HoverRange hudHoverIds{50, 4};        // the bar's four buttons
constexpr HoverRange checklistHoverIds{100, 21};// the checklist's kinds 1..21
constexpr HoverRange smithingHoverIds{200, 12}; // the anvil menu's boxes

constexpr bool hoverRangesApart() {
    const HoverRange ranges[] = {bagHoverIds, firePitHoverIds, hudHoverIds, checklistHoverIds, smithingHoverIds};
    for (const HoverRange& a : ranges)
        for (const HoverRange& b : ranges)
            if (&a != &b && a.first < b.first + b.count && b.first < a.first + a.count) return false;
    return true;
}
static_assert(hoverRangesApart(), "no two owners share a hover id");

constexpr int32_t hoverDelayMs = 751;  // a tooltip shows after this long
void holdHoverOpen();                  // right button held: tooltips show at once
bool hoverShows(int32_t id);           // track id; true once it has been hovered long enough
