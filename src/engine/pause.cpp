// pause.cpp -- the pause question every activity asks, and the one way a wait measured
// in nowMs skips paused time: its stamp moves on by every paused step
#include "engine/pause.h"

#include "engine/app_state.h"
#include "engine/clock.h"
#include "engine/hooks.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<int32_t*> heldStamps;  // the waits the pause holds
int32_t lastStepMs = 0;            // nowMs at the last followPause
bool pausedLastStep = false;       // the game stood paused from then until now
}  // namespace

bool gamePaused() { return helpPageOpen() || !app.windowFocused; }

void holdDuringPauses(int32_t& stampMs) {
    if (std::find(heldStamps.begin(), heldStamps.end(), &stampMs) == heldStamps.end())
        heldStamps.push_back(&stampMs);
}

// The time since the last step is added to every held stamp when the game stood paused
// through it, so a wait begun before a pause goes on after it from where it stood.
void followPause() {
    int32_t now = nowMs();
    // Never backwards: tests start their manual clock afresh for every game they boot.
    int32_t pausedFor = pausedLastStep ? std::max(0, now - lastStepMs) : 0;
    for (int32_t* stamp : heldStamps) *stamp += pausedFor;
    lastStepMs = now;
    pausedLastStep = gamePaused();
}
