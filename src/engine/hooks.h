// hooks.h -- the few things a lower layer makes happen in a layer above it. Each is
// one named function pointer; game/wiring.cpp installs them all at start-up, and a
// hook not installed does nothing (answers false).
#pragma once

struct GameHooks {
    void (*saveGame)() = nullptr;         // the game changed: write saves/<SaveNumber>.kv
    void (*dispatchClick)() = nullptr;    // a queued click, its position in the pointer state
    void (*openInteraction)() = nullptr;  // open the object under the wisp
    bool (*helpOpen)() = nullptr;         // the help page covers the game
    void (*startTutorial)() = nullptr;    // the title's tutorial button
    void (*startMissionEnd)() = nullptr;  // the last research completed the mission
};

extern GameHooks hooks;

// The hooks as callers use them.
void saveGameNow();
void dispatchClickNow();
void openInteractionNow();
bool helpPageOpen();
void startTutorialNow();
void startMissionEndNow();
